#pragma once

#include <array>
#include <optional>
#include <vector>

#include "Private/OpenCommon.h"
#include "Private/TabData.h"
#include "Records/RamonaData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Path models: the model page. The model is typed as paths between variables: "F1 -> x1 x2" (each name
// on the left acts on each on the right) and "F1 <-> F2" (the names covary), separated by ";". Names of
// the data's variables are manifest; the latent variables are named in a list of their own.
//
// Options, in declared order (also the archive's order):
//   ListOfVariablesList  the data's numeric variables
//   PathsEdit            text  ""  the paths; a one-factor model of every numeric variable to begin with
//   LatentEdit           text  ""  the latent variables' names
//
// Lines: PATH; "MODEL" and the paths as parsed (one blank between names, " -> " or " <-> ", "; "
// between paths; the text as typed when it does not parse), then " / LATENT = " and the latent names.
class CRamonaData : public CRecordOptions<CRamonaData> {
public:
    struct Path {
        std::vector<CString> from;
        bool covariance = false;
        std::vector<CString> to;
    };

    // The paths of a model text; nothing when a path lacks its arrow or a side, or there is no path.
    static std::optional<std::vector<Path>> ParsePaths(const CString& text);
    static std::vector<CString> SplitNames(const CString& text);

    TVK_OPTIONS(RAMONA_OPTIONS)
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Path models: the estimation page.
//
// Options, in declared order (also the archive's order):
//   MethodCombo       int               0    combo 5605: maximum likelihood, generalised least squares,
//                                            ordinary least squares, asymptotically distribution free
//   IterationsEdit, ConvergenceEdit          (ITERATION_OPTIONS)
//   StartCheck        int               0    start every free parameter at one value
//   StartValueEdit    CGUIData<double>  0.5  (0, 1], that value
//   CorrelationCheck  int               0    fit the correlations rather than the covariances
//
// Lines: "ESTIMATE", then after " /": " METHOD = GLS", " OLS" or " ADF"; " ITER = ", " CONV = " by the
// value rule; " START = " and the value while starting at one value; " CORR".
class CRamonaOptionsData : public CRecordOptions<CRamonaOptionsData>, public CRamonaOptionsDataValues {
public:
    static constexpr std::array<const wchar_t*, 4> kMethodKeywords = {L"", L"GLS", L"OLS", L"ADF"};

    TVK_OPTIONS(RAMONA_OPTIONS_OPTIONS)
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Path models: the model page and the estimation page.
class CRamonaTabData : public CTabData<CRamonaData, CRamonaOptionsData>, public CRamonaTabDataValues {
public:
    static CRamonaData GetDefaultRamona() { return {}; }
    static CRamonaOptionsData GetDefaultRamonaOptions() { return {}; }
};
