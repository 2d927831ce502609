#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Loglinear tabulation: the contingency table of the chosen factors, counted from the cases (or summed
// from a weight variable holding each case's count), that the loglinear models are then fitted to; it
// can be saved to a file.
//
// Options, in declared order (GetAll / SetAll and archive, after the base part):
//   ListOfVariablesList    source list (every variable of the data)
//   FactorsList            the table's factors (the first source variable when none is chosen yet)
//   WeightVariableList     the weight variable, numeric, at most one (none: each case counts once)
//   IncludeMissingValCheck int 0  missing values form a level of their own
//   ListLayoutCheck        int 0  the table is printed as a list of cells
//   SaveCheck              int 0  the table is saved to SaveFileEdit
//   SaveFileEdit           text ""
//
// Lines: the loglinear module line; the save line when saving to a named file; "TABULATE ", the factors
// joined by "*", " /", then " WEIGHT = " and the weight, " MISS", " LIST"; a trailing "/" is removed.
class CLogLinTabulateData : public CRecordOptions<CLogLinTabulateData> {
public:
    static int GetDefaultIncludeMissingValCheck() { return 0; }
    static int GetDefaultListLayoutCheck() { return 0; }
    static int GetDefaultSaveCheck() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }

    auto Options() {
        return std::tie(ListOfVariablesList, FactorsList, WeightVariableList, IncludeMissingValCheck,
                        ListLayoutCheck, SaveCheck, SaveFileEdit);
    }

    void Serialize(CArchive& ar) override {
        CGUIBaseObj::Serialize(ar);
        SerializeOptions(ar);
    }
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList FactorsList;
    CVariableList WeightVariableList;
    int IncludeMissingValCheck = GetDefaultIncludeMissingValCheck();
    int ListLayoutCheck = GetDefaultListLayoutCheck();
    int SaveCheck = GetDefaultSaveCheck();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
};
