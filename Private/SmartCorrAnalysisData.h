#pragma once

#include "Records/SmartCorrAnalysisData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Correspondence analysis of the two-way table of a row and a column variable: the table's rows and
// columns as points in a few dimensions that best keep its chi-square distances.
//
// Options, in declared order (GetAll / SetAll and archive, after the base part):
//   ListOfVariablesList    source list (every variable of the data)
//   RowVariableList        the row variables (the first source variable when none is chosen yet)
//   ColumnVariableList     the column variables (the second source variable when none is chosen yet)
//   DimensionsEdit         CGUIData<int> 2: dimensions of the solution, at least 1
//   NormalizationCombo     int 0: index in combo 5561 (symmetric, row principal, column principal,
//                          principal); its text follows " NORMAL = " when it is not the first
//   ProfilesCheck          int 0  " PROFILES": row and column profiles
//   InertiaCheck           int 1  " INERTIA": inertia of each dimension
//   ContributionsCheck     int 0  " CONTRIB": contributions of the points to the dimensions and back
//   PlotCheck              int 1  " PLOT": the map of the first two dimensions
//   IncludeMissingValCheck int 0  " MISS"
//   SaveCheck              int 0  the coordinates are saved to SaveFileEdit
//   SaveFileEdit           text ""
//
// Lines: the tables module line; the save line; "CORRESP ", the rows, " * ", the columns, " /", then
// " DIM = " and the dimensions when the value rule writes them, the normalization and the keywords; a
// trailing "/" is removed.
class CSmartCorrAnalysisData : public CRecordOptions<CSmartCorrAnalysisData>,
                               public CSmartCorrAnalysisDataValues {
public:
    TVK_OPTIONS(SMART_CORR_ANALYSIS_OPTIONS)

    void Serialize(CArchive& ar) override {
        CGUIBaseObj::Serialize(ar);
        SerializeOptions(ar);
    }
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
