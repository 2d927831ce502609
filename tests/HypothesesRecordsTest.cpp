// The records of the hypothesis-testing and nonparametric menus: one non-default archive of each as
// exact bytes, the line of every variant, and the clauses that come and go with the options.

#include <gtest/gtest.h>

#include <functional>

#include "FakeHost.h"
#include "Private/HypothesesTabData.h"
#include "Private/NonparametricTabData.h"
#include "RecordTestUtil.h"

namespace {

using Lines = std::vector<std::wstring>;

template <class Record>
Record Make(UINT variant, std::function<void(Record&)> set = {}) {
    Record r;
    r.SetVariantID(variant);
    if (set)
        set(r);
    return r;
}

struct ArchiveCase {
    const char* record;
    Bytes stored;
    Bytes expected;
};

TEST(TestRecordArchives, OneNonDefaultRecordOfEachClass) {
    const auto sd = [](CTestingOneSampleData& r) {
        r.ListOfVariablesList = Variables({L"x", L"y"});
        r.SelectedVariableList = Variables({L"y"});
        SetChanged(r.MeanEdit, 5.0);
        r.BonferroniCheck = 1;
        r.AlternativeCombo = 1;
    };
    auto one = Make<CTestingOneSampleData>(0, sd);
    auto two = Make<CTestingTwoSampleData>(0, [](auto& r) {
        r.SelectedVariableList = Variables({L"y"});
        r.GroupVariablesList = Variables({L"g"});
        SetChanged(r.SdTwoEdit, 2.5);
        r.DunnsidakCheck = 1;
        r.AlternativeCombo = 0;
    });
    auto prop = Make<CTestingOneProportionData>(0, [](auto& r) {
        r.TrialsList = Variables({L"t"});
        SetChanged(r.NumberOfSuccessesEdit, 4);
        SetChanged(r.ConfidenceEdit, 0.9);
        r.RawDataRadio = 1;
    });
    auto props = Make<CTestingTwoProportionData>(0, [](auto& r) {
        r.SuccessesTwoList = Variables({L"s"});
        SetChanged(r.NumberOfTrialsTwoEdit, 30);
        r.RawDataRadio = 1;
        r.AlternativeCombo = 0;
    });
    auto corr = Make<CTestingTwoCorrelationsData>(0, [](auto& r) {
        r.SetOneVarList = Variables({L"a"});
        r.SetTwoVarList = Variables({L"b"});
        SetChanged(r.ConfidenceEdit, 0.99);
        r.AlternativeCombo = 1;
    });
    auto kw = Make<CKwData>(0, [](auto& r) {
        r.ListOfVariablesList = Variables({L"y", L"g"});
        r.GroupVariablesList = Variables({L"g"});
        r.SaveStatisticEdit = L"kw";
        r.SaveStatisticCheck = 1;
    });
    auto quade = Make<CQuadeData>(0, [](auto& r) {
        r.ListOfVariablesList = Variables({L"y"});
        r.SelectedVariableList = Variables({L"y"});
        r.BlockVariableList = Variables({L"b"});
        r.PairwiseComparisonsCheck = 1;
    });
    auto runs = Make<CRunsData>(0, [](auto& r) {
        r.SelectedVariableList = Variables({L"y"});
        r.CutEdit = 2.5;
        r.SaveStatisticEdit = L"r";
    });
    // One record's archive a row, fields in archive order.
    // clang-format off
    const ArchiveCase cases[] = {
        {"one sample", Store(one), ExpectedArchive().Base().Int(1).Int(0).Int(1).List({{u"x"}, {u"y"}})
             .List({{u"y"}}).Holder(0, 1, 0.0, 5.0, 1).Holder(1, 1, 0.0, 0.0, 1).Holder(1, 0, 0.95, 0.95, 1).bytes()},
        {"two sample", Store(two), ExpectedArchive().Base().Int(0).Int(1).Int(0).List({}).List({{u"y"}})
             .List({{u"g"}}).Holder(1, 0, 0.0, 0.0, 1).Holder(0, 0, 0.0, 2.5, 1).Holder(1, 0, 0.95, 0.95, 1).bytes()},
        {"one proportion", Store(prop), ExpectedArchive().Base().Int(1).Int(2).List({}).List({{u"t"}}).List({})
             .Holder(1, 1, 0, 0, 1).Holder(0, 1, 0, 4, 1).Holder(1, 1, 0.0, 0.0, 1).Holder(0, 0, 0.95, 0.9, 1)
             .bytes()},
        {"two proportions", Store(props), ExpectedArchive().Base().Int(1).Int(0).List({}).List({}).List({})
             .List({}).List({{u"s"}}).Holder(1, 1, 0, 0, 1).Holder(1, 1, 0, 0, 1).Holder(0, 1, 0, 30, 1)
             .Holder(1, 1, 0, 0, 1).Holder(1, 0, 0.95, 0.95, 1).bytes()},
        {"two correlations", Store(corr), ExpectedArchive().Base().Int(1).List({}).List({{u"a"}})
             .List({{u"b"}}).Holder(0, 0, 0.95, 0.99, 1).bytes()},
        {"Kruskal-Wallis", Store(kw), ExpectedArchive().Base().Text(u"kw").Int(1).List({{u"y"}, {u"g"}})
             .List({}).List({{u"g"}}).bytes()},
        // The source list twice, first and last.
        {"Quade", Store(quade), ExpectedArchive().Base().Text(u"").Int(1).Int(0).List({{u"y"}}).List({{u"y"}})
             .List({}).List({{u"b"}}).List({{u"y"}}).bytes()},
        {"runs", Store(runs), ExpectedArchive().Base().Double(2.5).Text(u"r").Int(0).List({}).List({{u"y"}})
             .bytes()},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Hex(c.stored), Hex(c.expected)) << c.record;
}

TEST(TestRecordArchives, QuadeLoadKeepsTheSecondSourceList) {
    CQuadeData stored;
    stored.ListOfVariablesList = Variables({L"y"});
    Bytes bytes = Store(stored);
    // The last list is the second copy: make it name another variable.
    const std::size_t at = bytes.size() - 16;
    ASSERT_EQ(bytes[at + 6], 'y');
    bytes[at + 6] = 'z';
    CQuadeData loaded;
    CArchive in(bytes);
    loaded.Serialize(in);
    EXPECT_EQ(NamesOf(loaded.ListOfVariablesList), std::vector<std::wstring>{L"z"});
}

// ---- lines ---------------------------------------------------------------------------------------------
// The common lines of each test are the hypotheses_* and nonparametric_tests scenarios'; these are the
// variants and edge cases they leave out.

struct LineCase {
    const char* what;
    std::function<Lines()> lines;
    Lines expected;
};

class TestRecordLines : public ::testing::Test {
protected:
    void Check(std::initializer_list<LineCase> cases) {
        for (const auto& c : cases) {
            host.assertions.clear();
            EXPECT_EQ(c.lines(), c.expected) << c.what;
            EXPECT_TRUE(host.assertions.empty()) << c.what;
        }
    }
    FakeHost host;
};

// Every one-sample variant with the same options: which takes the value, which the standard deviation.
TEST_F(TestRecordLines, OneSampleVariants) {
    const auto line = [](UINT variant) {
        return LinesOf(Make<CTestingOneSampleData>(variant, [](auto& r) {
            r.SelectedVariableList = Variables({L"x", L"y"});
            r.MeanEdit.SetUserValue(5);
            r.SdEdit.SetUserValue(2);
        }));
    };
    const std::wstring h = L"HYPOTHESIS";
    Check({
        {"z", [&] { return line(2171); }, {h, L"ZTEST x y = 5 / SD = 2"}},
        {"Poisson", [&] { return line(2172); }, {h, L"POISSON x y = 5 /"}},
        {"correlation", [&] { return line(2174); }, {h, L"TCORR x y = 5 /"}},
        {"variance", [&] { return line(2175); }, {h, L"VARI x y = 5 /"}},
        {"zero correlation", [&] { return line(2177); }, {h, L"TCORR x y /"}},
        {"t", [&] { return line(2178); }, {h, L"TTEST x y = 5 /"}},
        {"paired t", [&] { return line(2179); }, {h, L"TTEST x y /"}},
        {"no test", [&] { return line(0); }, {h, L"x y /"}},
    });
}

TEST_F(TestRecordLines, OneSampleClauses) {
    const auto t = [](std::function<void(CTestingOneSampleData&)> set) {
        return [set] {
            return LinesOf(Make<CTestingOneSampleData>(2178, [&](auto& r) {
                r.SelectedVariableList = Variables({L"x"});
                set(r);
            }));
        };
    };
    const std::wstring h = L"HYPOTHESIS";
    Check({
        {"defaults", t([](auto&) {}), {h, L"TTEST x /"}},
        {"0.95 typed again", t([](auto& r) { r.ConfidenceEdit.SetUserValue(0.95); }), {h, L"TTEST x /"}},
        {"all",
         t([](auto& r) {
             r.MeanEdit.SetUserValue(-1.5);
             r.BonferroniCheck = r.DunnSidakCheck = 1;
             r.ConfidenceEdit.SetUserValue(0.9);
             r.AlternativeCombo = 1;
         }),
         {h, L"TTEST x = -1.5 / BONF DUNN CONF = 0.9 ALT = LESS"}},
        {"greater", t([](auto& r) { r.AlternativeCombo = 0; }), {h, L"TTEST x / ALT = GREATER"}},
        {"no entry", t([](auto& r) { r.AlternativeCombo = 7; }), {h, L"TTEST x /"}},
    });
    // The hypothesized value is marked: the all-values switch does not write an untouched one.
    host.allValues = true;
    host.decimal = L',';
    Check({{"all values",
            t([](auto& r) { r.ConfidenceEdit.SetUserValue(0.9); }),
            {h, L"TTEST x / CONF = 0,9"}}});
}

TEST_F(TestRecordLines, TwoSampleVariantsEndInTheGroupingVariable) {
    const auto line = [](UINT variant, std::function<void(CTestingTwoSampleData&)> set = {}) {
        return [=] {
            return LinesOf(Make<CTestingTwoSampleData>(variant, [&](auto& r) {
                r.SelectedVariableList = Variables({L"y", L"z"});
                r.GroupVariablesList = Variables({L"g"});
                r.SdOneEdit.SetUserValue(3);
                r.SdTwoEdit.SetUserValue(4);
                if (set)
                    set(r);
            }));
        };
    };
    const std::wstring h = L"HYPOTHESIS";
    Check({
        {"variances", line(2170), {h, L"VARI y z * g "}},
        {"z", line(2176), {h, L"ZTEST y z * g / SD1 = 3 SD2 = 4"}},
        {"t", line(2180), {h, L"TTEST y z * g "}},
        {"t with options",
         line(2180,
              [](auto& r) {
                  r.DunnsidakCheck = 1;
                  r.ConfidenceEdit.SetUserValue(0.99);
                  r.AlternativeCombo = 0;
              }),
         {h, L"TTEST y z * g / DUNN CONF = 0.99 ALT = GREATER"}},
    });
    EXPECT_EQ(line(0)(), (Lines{h, L"y z * g "}));
    ASSERT_EQ(host.assertions.size(), 1u);
    EXPECT_EQ(host.assertions[0].file, L"TestingMeansData.cpp");
}

TEST_F(TestRecordLines, ProportionsAndCorrelations) {
    const auto one = [](int radio, std::function<void(CTestingOneProportionData&)> set = {}) {
        return [=] {
            return LinesOf(Make<CTestingOneProportionData>(0, [&](auto& r) {
                r.RawDataRadio = radio;
                r.TrialsList = Variables({L"T"});
                r.SuccessesList = Variables({L"S"});
                r.NumberOfTrialsEdit.SetUserValue(20);
                r.NumberOfSuccessesEdit.SetUserValue(5);
                r.PropEdit.SetUserValue(0.5);
                if (set)
                    set(r);
            }));
        };
    };
    const auto two = [](int radio) {
        return [=] {
            return LinesOf(Make<CTestingTwoProportionData>(0, [&](auto& r) {
                r.RawDataRadio = radio;
                r.TrialsOneList = Variables({L"T1"});
                r.SuccessesOneList = Variables({L"S1"});
                r.TrialsTwoList = Variables({L"T2"});
                r.SuccessesTwoList = Variables({L"S2"});
                r.NumberOfTrialsOneEdit.SetUserValue(20);
                r.NumberOfSuccessesOneEdit.SetUserValue(0);
                r.NumberOfTrialsTwoEdit.SetUserValue(30);
                r.NumberOfSuccessesTwoEdit.SetUserValue(6);
                r.ConfidenceEdit.SetUserValue(0.9);
            }));
        };
    };
    const auto corr = [](int alternative) {
        return [=] {
            return LinesOf(Make<CTestingTwoCorrelationsData>(0, [&](auto& r) {
                r.SetOneVarList = Variables({L"a", L"b"});
                r.SetTwoVarList = Variables({L"c", L"d"});
                r.ConfidenceEdit.SetUserValue(0.9);
                r.AlternativeCombo = alternative;
            }));
        };
    };
    const std::wstring h = L"HYPOTHESIS";
    Check({
        {"one, untouched aggregate",
         [] { return LinesOf(Make<CTestingOneProportionData>(0, [](auto& r) { r.RawDataRadio = 1; })); },
         {h, L"PROP  =  "}},
        {"one, options",
         one(0,
             [](auto& r) {
                 r.ConfidenceEdit.SetUserValue(0.9);
                 r.AlternativeCombo = 0;
             }),
         {h, L"PROP T S = 0.5 / CONF = 0.9 ALT = GREATER"}},
        {"two, raw", two(0), {h, L"PROP T1 S1 = T2 S2 / CONF = 0.9"}},
        {"two, aggregate", two(1), {h, L"PROP  20 0 = 30 6 / CONF = 0.9"}},
        {"correlations, two-sided", corr(2), {h, L"TCORR a b = c d"}},
    });
    EXPECT_TRUE(
        Make<CTestingOneProportionData>(0, [](auto& r) { r.RawDataRadio = 1; }).IsAggergrateRadioChecked());
    EXPECT_FALSE(Make<CTestingTwoProportionData>(0).IsAggergrateRadioChecked());
}

TEST_F(TestRecordLines, NonparametricVariants) {
    const auto kw = [](UINT variant, std::initializer_list<const wchar_t*> selected,
                       std::initializer_list<const wchar_t*> groups) {
        return [=] {
            return LinesOf(Make<CKwData>(variant, [&](auto& r) {
                r.SelectedVariableList = Variables(selected);
                r.GroupVariablesList = Variables(groups);
                r.SaveStatisticEdit = L"kw.tvz";
                r.SaveStatisticCheck = 1;
            }));
        };
    };
    const auto quade = [](UINT variant, std::initializer_list<const wchar_t*> groups) {
        return [=] {
            return LinesOf(Make<CQuadeData>(variant, [&](auto& r) {
                r.SelectedVariableList = Variables({L"y", L"z"});
                r.GroupVariableList = Variables(groups);
                r.BlockVariableList = Variables({L"b"});
                r.PairwiseComparisonsCheck = 1;
            }));
        };
    };
    const auto runs = [](UINT variant, double cut) {
        return [=] {
            return LinesOf(Make<CRunsData>(variant, [&](auto& r) {
                r.SelectedVariableList = Variables({L"y"});
                r.CutEdit = cut;
            }));
        };
    };
    const std::wstring n = L"NONPARAMETRIC";
    const std::wstring save = L"SAVE \"kw.tvz\"";
    Check({
        {"several variances", kw(2173, {L"y"}, {L"g"}), {L"HYPOTHESIS", L"VARI y * g"}},
        {"KS, grouping only", kw(2111, {}, {L"g"}), {n, save, L"KS "}},
        {"no test", kw(0, {L"y"}, {L"g"}), {}},
        {"Quade, blocks only", quade(2359, {}), {n, L"QUADE y z b / MULTIPLE"}},
        {"sign", runs(2168, 2.5), {n, L"SIGN y"}},
    });
    EXPECT_EQ(runs(0, 1.0)(), (Lines{n, L"y"}));
    EXPECT_EQ(host.assertions.size(), 1u);
}

TEST_F(TestRecordLines, FixedTestCompositesKnowTheirPageVariantAndSourcesSelectNothing) {
    EXPECT_EQ(LinesOf(CQuadeTabData()).back(), L"QUADE ");
    EXPECT_EQ(LinesOf(CFriedManTabData()).back(), L"FRIEDMAN ");
    EXPECT_EQ(LinesOf(CWilcoxonTabData()).back(), L"WILCOXON ");
    EXPECT_EQ(LinesOf(CTwoSampleKSTabData()).back(), L"KS ");

    host.data.AddNumeric(L"x");
    host.data.AddString(L"r");
    CKwTabData kw;
    CTestingOneSampleTabData one;
    kw.FillListSource();
    one.FillListSource();
    EXPECT_EQ(NamesOf(kw.Page<CKwData>().ListOfVariablesList), (std::vector<std::wstring>{L"x", L"r"}));
    EXPECT_EQ(NamesOf(one.Page<CTestingOneSampleData>().ListOfVariablesList),
              std::vector<std::wstring>{L"x"});
    EXPECT_TRUE(kw.Page<CKwData>().SelectedVariableList.IsEmpty());
    EXPECT_TRUE(one.Page<CTestingOneSampleData>().SelectedVariableList.IsEmpty());
}

}  // namespace
