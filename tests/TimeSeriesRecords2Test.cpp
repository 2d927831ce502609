// Lines, data-dependent defaults and source lists of the transformation, time label, cross-correlation,
// Fourier, trend analysis and lowess records.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <string>
#include <vector>

#include "FakeHost.h"
#include "Private/CcfData.h"
#include "Private/FourierData.h"
#include "Private/LowessData.h"
#include "Private/TimeData.h"
#include "Private/TransformData.h"
#include "Private/TrendAnalysisData.h"
#include "TvkDlgBase/TvkDlgBase.h"

namespace {

using Texts = std::vector<std::wstring>;

template <class Record>
Record WithSelected(std::initializer_list<const wchar_t*> names) {
    Record record;
    for (const wchar_t* name : names)
        record.SelectedVariableList.Add(Numeric(name));
    return record;
}

// ---- transformation -----------------------------------------------------------------------------

TEST(TransformDataLines, EveryTransformationOfTheTypeComboWithItsParameter) {
    FakeHost host;
    CTransformData record = WithSelected<CTransformData>({L"a", L"b"});
    const Texts expected = {L"DIFF a b /LAG=1", L"INDEX a b /BASE=1", L"LOG a b",          L"MEAN a b",
                            L"PCNTCHANGE a b",  L"SQUARE a b",        L"TAPER a b /P=0.5", L"TREND a b"};
    ASSERT_EQ(CComboUtil::GetComboCount(CTransformData::kTypeCombo), static_cast<int>(expected.size()));
    for (int index = 0; index < static_cast<int>(expected.size()); ++index) {
        record.SeriesTypeCombo = index;
        EXPECT_EQ(LinesOf(record), (Texts{L"SERIES", expected[static_cast<std::size_t>(index)]})) << index;
    }
}

TEST(TransformDataLines, ParametersFollowTheLiteralDirectlyWhateverTheMarks) {
    FakeHost host;
    host.decimal = L',';
    CTransformData record = WithSelected<CTransformData>({L"x"});
    record.SeriesLagEdit.SetUserValue(2);
    EXPECT_EQ(LinesOf(record).back(), L"DIFF x /LAG=2");
    // A lag still at its default and marked is written all the same.
    record.SeriesLagEdit = CGUIData<int>(4);
    record.SeriesLagEdit.SetSecond(2);
    EXPECT_EQ(LinesOf(record).back(), L"DIFF x /LAG=4");

    record.SeriesTypeCombo = CComboUtil::GetComboIndex(CTransformData::kTypeCombo, 12296);
    record.SeriesBaseEdit.SetUserValue(10);
    EXPECT_EQ(LinesOf(record).back(), L"INDEX x /BASE=10");

    record.SeriesTypeCombo = CComboUtil::GetComboIndex(CTransformData::kTypeCombo, 12606);
    record.SeriesProportionEdit.SetUserValue(0.125);
    EXPECT_EQ(LinesOf(record).back(), L"TAPER x /P=0,125");
    record.SeriesProportionEdit.SetUserValue(1.0 / 3.0);
    EXPECT_EQ(LinesOf(record).back(), L"TAPER x /P=0,333333");
}

TEST(TransformDataLines, UnknownTransformationLeavesOnlyModuleAndSaveLines) {
    FakeHost host;
    CTransformData record = WithSelected<CTransformData>({L"x"});
    record.SeriesTypeCombo = 99;
    EXPECT_EQ(LinesOf(record), Texts{L"SERIES"});
    record.SaveFileCheck = 1;
    record.SaveFileEdit = L"out.tvz";
    EXPECT_EQ(LinesOf(record), (Texts{L"SERIES", L"SAVE \"out.tvz\""}));
}

// ---- time labels --------------------------------------------------------------------------------

TEST(TimeDataLines, BlankYearStillHasBothCommas) {
    FakeHost host;
    CTimeData record;
    EXPECT_EQ(LinesOf(record), (Texts{L"SERIES", L"TIME ,1,1 / FORMAT='YYYY'"}));
    // The year's second mark keeps even the all-values switch from writing the 0 of "no year".
    host.allValues = true;
    EXPECT_EQ(LinesOf(record).back(), L"TIME ,1,1 / FORMAT='YYYY'");
}

TEST(TimeDataPeriod, UsualPeriodsAreExactlyTheEightListed) {
    std::vector<int> usual;
    for (int period = -1; period <= 400; ++period)
        if (CTimeData::IsUsualPeriod(period))
            usual.push_back(period);
    EXPECT_EQ(usual, (std::vector<int>{1, 2, 3, 4, 6, 12, 52, 365}));
}

// ---- cross-correlation --------------------------------------------------------------------------

TEST(CcfDataDefaults, LagFollowsTheCasesAtEveryShowingWhateverWasTyped) {
    FakeHost host;
    host.data.cases = 30;
    CCcfData record;
    record.ReassignDefaultValue();
    EXPECT_EQ(record.LagEdit, CGUIData<int>(29));

    // Whatever was typed and however marked.
    record.LagEdit.SetUserValue(10);
    record.LagEdit.SetSecond(2);
    record.LagEdit.SetLast(0);
    record.ReassignDefaultValue();
    EXPECT_EQ(record.LagEdit, CGUIData<int>(29));

    host.data.cases = 51;
    EXPECT_EQ(CCcfData::GetReassignedDefaultLagEdit(), CGUIData<int>(50));
    host.data.cases = 50;
    EXPECT_EQ(CCcfData::GetReassignedDefaultLagEdit(), CGUIData<int>(49));
}

TEST(CcfDataLines, LagClauseAsTheValueRuleSays) {
    FakeHost host;
    host.data.cases = 30;
    CCcfData record = WithSelected<CCcfData>({L"x", L"y"});
    record.ReassignDefaultValue();
    EXPECT_EQ(LinesOf(record), (Texts{L"SERIES", L"CCF x y"}));
    host.allValues = true;
    EXPECT_EQ(LinesOf(record).back(), L"CCF x y / LAG = 29");
    host.allValues = false;
    record.LagEdit.SetUserValue(12);
    EXPECT_EQ(LinesOf(record).back(), L"CCF x y / LAG = 12");

    record.SaveFileCheck = 1;
    record.SaveFileEdit = L"ccf.tvz";
    EXPECT_EQ(LinesOf(record), (Texts{L"SERIES", L"SAVE \"ccf.tvz\"", L"CCF x y / LAG = 12"}));
}

// ---- Fourier ------------------------------------------------------------------------------------

TEST(FourierDataLines, LagClauseOnlyOnceTheLastFlagIsCleared) {
    FakeHost host;
    host.allValues = true;
    CFourierData record = WithSelected<CFourierData>({L"x", L"y"});
    EXPECT_EQ(LinesOf(record), (Texts{L"SERIES", L"FOURIER x y"}));
    record.LagEdit.SetUserValue(7);
    EXPECT_EQ(LinesOf(record).back(), L"FOURIER x y");
    record.LagEdit.SetLast(0);
    EXPECT_EQ(LinesOf(record).back(), L"FOURIER x y /LAG=7");
    // The flag alone decides: a holder back at its default mark keeps the clause.
    record.LagEdit.SetDefault(1);
    EXPECT_EQ(LinesOf(record).back(), L"FOURIER x y /LAG=7");
}

TEST(FourierDataLimits, UpperLagLimitIsHalfTheCasesPlusOneAtMostFifty) {
    FakeHost host;
    const std::vector<std::pair<int, int>> casesAndLimit = {{200, 50}, {99, 50}, {97, 49}, {20, 11},
                                                            {21, 11},  {1, 1},   {0, 1}};
    for (const auto& [cases, limit] : casesAndLimit) {
        host.data.cases = cases;
        EXPECT_EQ(CFourierData::GetUpperLimitLagEdit(), limit) << cases << " cases";
        EXPECT_EQ(CFourierData::GetFourierNonMissingCases(), cases);
    }
}

// ---- trend analysis -----------------------------------------------------------------------------

CTrendAnalysisData Trend() {
    CTrendAnalysisData record;
    record.SeriesVariableList.Add(Numeric(L"y"));
    return record;
}

std::wstring Alternative(int index) {
    CString text;
    CTrendAnalysisData::GetAlternativeComboCommand(index, text);
    return std::wstring(text.str());
}

TEST(TrendAnalysisDataLines, MannKendallHasABareSlashAndNoSeasonOrTests) {
    FakeHost host;
    CTrendAnalysisData record = Trend();
    record.SeasonVariableList.Add(Numeric(L"month"));
    record.TestsMkCheck = 1;
    EXPECT_EQ(LinesOf(record), (Texts{L"SERIES", L"MKTEST y /  ALT = " + Alternative(0)}));
    record.TimeVariableList.Add(Numeric(L"t"));
    record.SlopeCheck = 1;
    EXPECT_EQ(LinesOf(record).back(), L"MKTEST y * t / SLOPE CONFI = 0.95 ALT = " + Alternative(0));
}

TEST(TrendAnalysisDataLines, SeasonalTestWithNoTestCheckLeavesTestEmpty) {
    FakeHost host;
    CTrendAnalysisData record = Trend();
    record.TestsMkRadio = 1;
    record.TestsSkCheck = 0;
    record.SeasonVariableList.Add(Numeric(L"month"));
    EXPECT_EQ(LinesOf(record).back(), L"STEST y / SEASON = month TEST =  ALT = " + Alternative(0));
}

TEST(TrendAnalysisDataLines, SeasonalTestWithEveryOption) {
    FakeHost host;
    host.decimal = L',';
    CTrendAnalysisData record = Trend();
    record.SeriesVariableList.Add(Numeric(L"z"));
    record.TimeVariableList.Add(Numeric(L"t"));
    record.SeasonVariableList.Add(Numeric(L"m"));
    record.SeasonVariableList.Add(Numeric(L"q"));
    record.TestsMkRadio = 1;
    record.TestsMkCheck = 1;
    record.TestsHomogeneityCheck = 1;
    record.SlopeCheck = 1;
    record.ConfiEdit.SetUserValue(0.9);
    record.AlternativeCombo = 2;
    EXPECT_EQ(LinesOf(record).back(),
              L"STEST y z * t / SEASON = m q TEST = SK MSK HT SLOPE CONFI = 0,9 ALT = " + Alternative(2));
}

TEST(TrendAnalysisDataAlternatives, IndexOutsideTheThreeIsReported) {
    FakeHost host;
    EXPECT_EQ(CTrendAnalysisData::GetAlternativeComboIDS(3), 0u);
    EXPECT_EQ(CTrendAnalysisData::GetAlternativeComboIDS(-1), 0u);
    ASSERT_EQ(host.assertions.size(), 2u);
    EXPECT_EQ(host.assertions[0].file, L"TrendAnalysisData.cpp");
    EXPECT_EQ(Alternative(5), L"");
}

// ---- lowess -------------------------------------------------------------------------------------

TEST(LowessDataLines, TensionAlwaysWrittenSaveLineWhenAsked) {
    FakeHost host;
    host.decimal = L',';
    CLowessData record = WithSelected<CLowessData>({L"x", L"y"});
    record.TensionEdit.SetUserValue(0.25);
    record.SaveFileEdit = L"smooth.tvz";
    EXPECT_EQ(LinesOf(record), (Texts{L"SERIES", L"SMOOTH x y/LOWESS = 0,25"}));
    record.SaveFileCheck = 1;
    record.TensionEdit.SetUserValue(1.0);
    EXPECT_EQ(LinesOf(record), (Texts{L"SERIES", L"SAVE \"smooth.tvz\"", L"SMOOTH x y/LOWESS = 1"}));
}

}  // namespace
