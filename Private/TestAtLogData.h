#pragma once

#include <array>
#include <climits>

#include "Private/OpenCommon.h"
#include "Private/OpenTabData.h"
#include "Records/TestAtLogData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Logistic (item response) test analysis: a one-, two- or three-parameter logistic model of the items,
// with the abilities of the cases saved on request.
//
// Options, in declared order (also the archive's order):
//   ListOfVariablesList  the data's numeric variables
//   ItemVariablesList    the items, scored 0/1 (at least two; all of the data's to begin with)
//   ModelRadio    int  0  radio 5631: one, two, three parameters
//   IterationsEdit, ConvergenceEdit  (ITERATION_OPTIONS)
//   ScoresCombo   int  0  combo 5604: how the saved abilities are estimated: maximum likelihood,
//                         expected a posteriori, maximum a posteriori
//   SaveFileEdit, SaveFileCheck  the abilities saved to a file
//
// Lines: ITEMS; SAVE "file" when saving; "LOGISTIC" and the items, then after " /": " MODEL = 2PL" or
// " 3PL"; " ITER = ", " CONV = " by the value rule; when saving, " SCORES = EAP" or " MAP".
class CTestAtLogData : public CRecordOptions<CTestAtLogData>, public CTestAtLogDataValues {
public:
    static constexpr std::array<const wchar_t*, 3> kModelKeywords = {L"", L"2PL", L"3PL"};
    static constexpr std::array<const wchar_t*, 3> kScoresKeywords = {L"", L"EAP", L"MAP"};

    TVK_OPTIONS(TESTATLOG_OPTIONS)
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Logistic test analysis with its resampling page.
class CTestAtLogTabData : public CResampledTabData<CTestAtLogData, 2303> {
public:
    static CTestAtLogData GetDefaultTestAtLog() { return {}; }
};
