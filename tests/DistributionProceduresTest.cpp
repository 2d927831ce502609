// Random samples, distribution fitting and the one-sample distribution tests: one non-default record of
// each as exact bytes, their lines per variant and edge case, the checks of a distribution's parameters
// against each other, and the dialogs as a user meets them. Round trips, copies and truncation are
// RecordRoundTripTest's, for every record.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ArchiveTestUtil.h"
#include "DialogTestUtil.h"
#include "Msg/MonteCarloMsg.h"
#include "Msg/NonparametricTestsMsg.h"
#include "Private/DistribData.h"
#include "Private/FittingDlg.h"
#include "Private/OneSampleKSDlg.h"
#include "Private/ProbabilityDlg.h"
#include "Private/RandSampDlg.h"
#include "RecordTestUtil.h"
#include "TvkDlgBase/DistribFacts.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

// A record whose manager has chosen `type` with these values (and texts, for lists and matrices).
template <class Record>
Record Chosen(UINT variantId, int type, std::vector<double> values, std::vector<CString> texts = {}) {
    Record r;
    r.SetVariantID(variantId);
    r.DistribManagerData.SetActiveType(type);
    r.DistribManagerData.Values(type) = std::move(values);
    if (!texts.empty())
        r.DistribManagerData.Texts(type) = std::move(texts);
    return r;
}

// ---- archives ---------------------------------------------------------------------------------------

struct ArchiveCase {
    const char* name;
    friend void PrintTo(const ArchiveCase& c, std::ostream* os) { *os << c.name; }
    std::function<Bytes()> stored;
    std::function<Bytes()> expected;
};

class DistributionArchive : public ::testing::TestWithParam<ArchiveCase> {};

TEST_P(DistributionArchive, IsExact) {
    const Bytes stored = GetParam().stored();
    EXPECT_EQ(Hex(stored), Hex(GetParam().expected()));
}

const ArchiveCase kArchives[] = {
    {"RandSampWithTexts",
     [] {
         auto r = Chosen<CRandSampData>(2258, 32, {2, 0, 1}, {L"", L"0 0", L"cov.txt"});
         r.SaveFileCheck = 1;
         r.SaveFileEdit = L"r.tvz";
         SetChanged(r.SizeOfSampleEdit, 10);
         r.RandomSeedEdit.SetUserValue(7u);
         return Store(r);
     },
     [] {
         return ExpectedArchive()
             .Base()
             .Int(2258)
             .Int(1)
             .Text(u"r.tvz")
             .Holder(0, 0, 1, 10, 1)
             .Holder(1, 0, 1, 1, 1)
             .Int(0)
             .Int(0)
             .Int(0)
             .Int(7)
             .Int(1)
             // the distribution, in its text form: version 2
             .Int(2)
             .Int(32)
             .Count(1)
             .Int(32)
             .Count(3)
             .Double(2)
             .Double(0)
             .Double(1)
             .Count(3)
             .Text(u"")
             .Text(u"0 0")
             .Text(u"cov.txt")
             .bytes();
     }},
    {"Fitting",
     [] {
         auto r = Chosen<CFittingData>(2081, 22, {1.5});
         r.SaveFileEdit = L"f.tvz";
         r.SaveFileCheck = 1;
         r.ListOfVariablesList = Variables({L"a", L"b"});
         r.SelectedVariablesList = Variables({L"b"});
         r.DistributionsList = Variables({L"Poisson", L"Binomial"});
         r.SelectedDistributionsList = Variables({L"Poisson"});
         return Store(r);
     },
     [] {
         return ExpectedArchive()
             .Base()
             .Int(2081)
             .Text(u"f.tvz")
             .Int(1)
             .List({{u"a"}, {u"b"}})
             .List({{u"b"}})
             .List({{u"Poisson"}, {u"Binomial"}})
             .List({{u"Poisson"}})
             .Int(1)
             .Int(22)
             .Count(1)
             .Int(22)
             .Count(1)
             .Double(1.5)
             .bytes();
     }},
    {"OneSampleKSInItsComposite",
     [] {
         COneSampleKSTabData tab;
         auto& page = tab.Page<COneSampleKSData>();
         page = Chosen<COneSampleKSData>(2162, 9, {0, 2});
         page.SetWindowState(0);
         page.SaveStatisticEdit = L"k.tvz";
         page.SaveStatisticCheck = 1;
         page.ListOfVariablesList = Variables({L"x", L"y"});
         page.SelectedVariablesList = Variables({L"y"});
         Bytes page_only = Store(page);
         Bytes all = Store(tab);
         // The composite is its base part, the page, then resampling.
         return Bytes(all.begin() + 8, all.begin() + 8 + static_cast<long>(page_only.size()));
     },
     [] {
         return ExpectedArchive()
             .Base(0)
             .Int(2162)
             .Text(u"k.tvz")
             .Int(1)
             .List({{u"x"}, {u"y"}})
             .List({{u"y"}})
             .Int(1)
             .Int(9)
             .Count(1)
             .Int(9)
             .Count(2)
             .Double(0)
             .Double(2)
             .bytes();
     }},
};

INSTANTIATE_TEST_SUITE_P(Records, DistributionArchive, ::testing::ValuesIn(kArchives),
                         [](const auto& p) { return std::string(p.param.name); });

// The text form loads back whole, and a store without texts is the number form again.
TEST(DistributionArchiveForms, TextsLoadBackAndNumbersAloneKeepTheirForm) {
    CDistribManagerData data;
    data.SetActiveType(33);
    data.Values(33) = {2, 3, 0, 1};
    data.Texts(33) = {L"", L"", L"1 0;0 1", L"n.txt"};
    data.Values(9) = {0, 1};
    Bytes bytes = Store(data);
    CDistribManagerData loaded;
    CArchive in(bytes);
    loaded.Serialize(in);
    EXPECT_EQ(loaded, data);
    CDistribManagerData numbers;
    numbers.Values(9) = {0, 1};
    EXPECT_EQ(Store(numbers).at(0), CDistribManagerData::kFormatVersion);
}

// ---- lines ------------------------------------------------------------------------------------------

struct LinesCase {
    const char* name;
    friend void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }
    std::function<std::vector<std::wstring>()> lines;
    std::vector<std::wstring> expected;
};

class DistributionLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(DistributionLines, AreExact) {
    FakeHost host;
    EXPECT_EQ(GetParam().lines(), GetParam().expected);
}

template <class Record>
std::function<std::vector<std::wstring>()> LinesAfter(Record record,
                                                      std::function<void(Record&)> change = {}) {
    return [record, change]() mutable {
        if (change)
            change(record);
        return LinesOf(record);
    };
}

CRandSampData Sample(UINT id, int type, std::vector<double> values, std::vector<CString> texts = {}) {
    auto r = Chosen<CRandSampData>(id, type, std::move(values), std::move(texts));
    SetChanged(r.SizeOfSampleEdit, 10);
    SetChanged(r.NumSampleEdit, 3);
    r.RandomSeedEdit.SetUserValue(7u);
    return r;
}

CFittingData Fit(UINT id, std::initializer_list<const wchar_t*> distributions) {
    auto r = Chosen<CFittingData>(id, 9, {0.5, 2});
    r.DistribManagerData.Values(23) = {2000000, 0.25};
    r.DistribManagerData.Values(22) = {1.5};
    r.SelectedVariablesList = Variables({L"x", L"y"});
    r.SelectedDistributionsList = Variables(distributions);
    return r;
}

COneSampleKSData Tested(UINT id, int type, std::vector<double> values) {
    auto r = Chosen<COneSampleKSData>(id, type, std::move(values));
    r.SelectedVariablesList = Variables({L"x", L"y"});
    return r;
}

const LinesCase kLines[] = {
    {"UnivariateSizeBeforeSamples",
     LinesAfter(Sample(2256, 9, {0.5, 2})),
     {L"RANDSAMP", L"UNIVARIATE normRN(0.5, 2) /SIZE = 10 NSAMP = 3 RSEED = 7"}},
    {"MultivariateSamplesBeforeSizeListsInBrackets",
     LinesAfter(Sample(2258, 29, {5, 3, 0}, {L"", L"", L"0.2,0.3  0.5"})),
     {L"RANDSAMP", L"MULTIVARIATE multinomRN(5, 3, [0.2, 0.3, 0.5]) / NSAMP = 3 SIZE = 10 RSEED = 7"}},
    {"MatrixRowsAndAFileName",
     LinesAfter(Sample(2258, 33, {2, 4.5, 0, 1}, {L"", L"", L"1 0.5\n0.5 1", L"w\"4.txt"})),
     {L"RANDSAMP",
      L"MULTIVARIATE wishartRN(2, 4.5, [1, 0.5; 0.5, 1], \"w\"\"4.txt\") / NSAMP = 3 SIZE = 10 RSEED = 7"}},
    {"WholeParametersStayWhole",
     LinesAfter(Sample(2257, 23, {2000000, 0.25})),
     {L"RANDSAMP", L"UNIVARIATE binomRN(2000000, 0.25) /SIZE = 10 NSAMP = 3 RSEED = 7"}},
    {"NoSeedNoSeedClause",
     LinesAfter<CRandSampData>(
         Sample(2256, 22, {1}),
         [](CRandSampData& r) { r.RandomSeedEdit = CRandSampData::GetDefaultRandomSeedEdit(); }),
     {L"RANDSAMP", L"UNIVARIATE poisRN(1) /SIZE = 10 NSAMP = 3"}},
    {"SaveLineOnlyWithAName",
     LinesAfter<CRandSampData>(Sample(2256, 22, {1}), [](CRandSampData& r) { r.SaveFileCheck = 1; }),
     {L"RANDSAMP", L"UNIVARIATE poisRN(1) /SIZE = 10 NSAMP = 3 RSEED = 7"}},
    {"SavedSamples",
     LinesAfter<CRandSampData>(Sample(2256, 22, {1}),
                               [](CRandSampData& r) {
                                   r.SaveFileCheck = 1;
                                   r.SaveFileEdit = L"s.tvz";
                               }),
     {L"RANDSAMP", L"SAVE \"s.tvz\"", L"UNIVARIATE poisRN(1) /SIZE = 10 NSAMP = 3 RSEED = 7"}},
    {"NoDistributionNoLinesAtAll",
     LinesAfter<CRandSampData>(Sample(2256, -1, {}),
                               [](CRandSampData& r) {
                                   r.SaveFileCheck = 1;
                                   r.SaveFileEdit = L"s.tvz";
                               }),
     {}},
    {"FitContinuousNone", LinesAfter(Fit(2080, {})), {L"FIT", L"CONTINUOUS x y/ DISTRIBUTION = Z"}},
    {"FitDiscreteNone", LinesAfter(Fit(2081, {})), {L"FIT", L"DISCRETE x y/ DISTRIBUTION = P"}},
    {"FitOneWithItsParameters",
     LinesAfter(Fit(2080, {L"Normal"})),
     {L"FIT", L"CONTINUOUS x y/ DISTRIBUTION = norm(0.5, 2)"}},
    {"FitOneDiscreteWholeFirst",
     LinesAfter(Fit(2081, {L"Binomial"})),
     {L"FIT", L"DISCRETE x y/ DISTRIBUTION = binom(2000000, 0.25)"}},
    {"FitSeveralContinuousByStem",
     LinesAfter(Fit(2080, {L"Gamma", L"Normal"})),
     {L"FIT", L"CONTINUOUS x y/ DISTRIBUTION = gamma norm"}},
    {"FitNameNotOfferedIsNoChoice",
     LinesAfter(Fit(2081, {L"Normal", L"Poisson"})),
     {L"FIT", L"DISCRETE x y/ DISTRIBUTION = pois(1.5)"}},
    {"FitSeveralDiscreteNoLine", LinesAfter(Fit(2081, {L"Poisson", L"Binomial"})), {L"FIT"}},
    {"FitSaveLineOnlyWithAName",
     LinesAfter<CFittingData>(Fit(2081, {}), [](CFittingData& r) { r.SaveFileCheck = 1; }),
     {L"FIT", L"DISCRETE x y/ DISTRIBUTION = P"}},
    {"KSNormal", LinesAfter(Tested(2162, 9, {0, 1})), {L"NONPARAMETRIC", L"KS x y / NORMAL = 0, 1"}},
    {"KSLilliefors", LinesAfter(Tested(2162, 28, {})), {L"NONPARAMETRIC", L"KS x y / LILLIEFORS"}},
    {"ADWholeAndRealParameters",
     LinesAfter(Tested(2154, 36, {3000000, 0.1234567})),
     {L"NONPARAMETRIC", L"AD x y / ERLANG = 3000000, 0.123457"}},
    {"KSThreeParameters",
     LinesAfter(Tested(2162, 41, {2, 5, 1.5})),
     {L"NONPARAMETRIC", L"KS x y / NCF = 2, 5, 1.5"}},
    {"KSNoStemNoTestLine",
     LinesAfter<COneSampleKSData>(Tested(2162, 34, {1}),
                                  [](COneSampleKSData& r) {
                                      r.SaveStatisticCheck = 1;
                                      r.SaveStatisticEdit = L"k.tvz";
                                  }),
     {L"NONPARAMETRIC", L"SAVE \"k.tvz\""}},
};

INSTANTIATE_TEST_SUITE_P(Variants, DistributionLines, ::testing::ValuesIn(kLines),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(DistributionLineForms, TestLineKeepsThePointUnderACommaDecimalSymbol) {
    FakeHost host;
    host.decimal = L',';
    EXPECT_EQ(LinesOf(Tested(2162, 9, {0.5, 1.5})).back(), L"KS x y / NORMAL = 0.5, 1.5");
}

TEST(DistributionLineForms, UnknownVariantIsReportedAndWritesKS) {
    FakeHost host;
    EXPECT_EQ(LinesOf(Tested(2999, 6, {5})).back(), L"KS x y / T = 5");
    EXPECT_EQ(host.assertions.size(), 1u);
}

// ---- parameters checked against each other --------------------------------------------------------

struct CheckCase {
    const char* name;
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }
    int type;
    std::vector<double> values;
    std::vector<CString> texts;
    UINT message;  // 0: accepted
    int parameter;
};

class DistributionChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(DistributionChecks, RefuseWhatDoesNotFit) {
    const CheckCase& c = GetParam();
    const auto refused = FindDistribFact(c.type)->CheckTogether(c.values, c.texts);
    EXPECT_EQ(refused ? refused->message : 0u, c.message);
    if (refused) {
        EXPECT_EQ(refused->parameter, c.parameter);
    }
}

const CheckCase kChecks[] = {
    {"UniformOrdered", 0, {1, 1.5}, {}, 0, 0},
    {"UniformEqualBounds", 0, {1, 1}, {}, 13960, 1},
    {"UniformInverted", 0, {2, 1}, {}, 13960, 1},
    {"TriangularModeAtABound", 3, {0, 1, 1}, {}, 0, 0},
    {"TriangularModeAbove", 3, {0, 1, 1.5}, {}, 300011234, 2},
    {"TriangularModeBelow", 3, {0, 1, -0.1}, {}, 300011234, 2},
    {"TriangularInverted", 3, {1, 0, 0.5}, {}, 300011234, 2},
    {"TriangularBoundsEqual", 3, {0, 0, 0}, {}, 300011234, 2},
    {"HypergeometricSampleIsThePopulation", 26, {20, 10, 20}, {}, 0, 0},
    {"HypergeometricSampleAbovePopulation", 26, {20, 10, 21}, {}, 13966, 1},
    {"HypergeometricSuccessesAbovePopulation", 26, {20, 21, 5}, {}, 13966, 1},
    {"MultinomialFits", 29, {1, 3, 0}, {L"", L"", L"0.1 0.2 0.7"}, 0, 0},
    {"MultinomialOneShort", 29, {1, 4, 0}, {L"", L"", L"0.1 0.2 0.7"}, 13961, 2},
    {"MultinomialSumAboveOne", 29, {1, 3, 0}, {L"", L"", L"0.2 0.2 0.7"}, 13961, 2},
    {"MultinomialSumShortBySixDigits", 29, {1, 3, 0}, {L"", L"", L"0.1 0.2 0.699999"}, 13961, 2},
    {"DirichletZero", 31, {3, 0}, {L"", L"1 0 1"}, 13962, 1},
    {"NormalMeansShort", 32, {3, 0, 0}, {L"", L"0 0", L"1 0 0; 0 1 0; 0 0 1"}, 13963, 1},
    {"NormalCovarianceAsymmetric", 32, {2, 0, 0}, {L"", L"0 0", L"1 0.5; 0.4 1"}, 13964, 2},
    {"NormalCovarianceNotDefinite", 32, {2, 0, 0}, {L"", L"0 0", L"1 1; 1 1"}, 13964, 2},
    {"NormalCovarianceBarelyDefinite", 32, {2, 0, 0}, {L"", L"0 0", L"1 0.9999999; 0.9999999 1"}, 0, 0},
    {"NormalCovarianceFromFile", 32, {2, 0, 1}, {L"", L"0 0", L"cov.txt"}, 0, 0},
    {"WishartTooFewDegrees", 33, {3, 2.5, 0, 0}, {L"", L"", L"", L""}, 13965, 1},
    {"WishartNoncentralityNeedNotBeSymmetric", 33, {2, 2, 0, 0}, {L"", L"", L"1 0; 0 1", L"0 1; 0 0"}, 0, 0},
    {"WishartNoncentralityNotSquare", 33, {2, 2, 0, 0}, {L"", L"", L"1 0; 0 1", L"0 1"}, 13968, 3},
};

INSTANTIATE_TEST_SUITE_P(Types, DistributionChecks, ::testing::ValuesIn(kChecks),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(DistributionTexts, ListsAndMatricesParseOrAreRefused) {
    EXPECT_EQ(ParseNumberList(L" 1, 2\t3 "), (std::vector<double>{1, 2, 3}));
    EXPECT_FALSE(ParseNumberList(L"1 two"));
    EXPECT_EQ(ParseNumberMatrix(L"1 2;\r\n3 4\n"), (std::vector<std::vector<double>>{{1, 2}, {3, 4}}));
    EXPECT_FALSE(ParseNumberMatrix(L"1 2; x"));
    // A list is one row; under a comma decimal symbol the comma belongs to the number.
    EXPECT_FALSE(ParseNumberList(L"1 2; 3"));
    EXPECT_EQ(ParseNumberList(L"0,5 1,25", L','), (std::vector<double>{0.5, 1.25}));
    EXPECT_EQ(ParseNumberList(L"0,5 1,25"), (std::vector<double>{0, 5, 1, 25}));
}

// What is kept of a typed list is the numbers as typed, each with a decimal point; a text that is no
// list stays as it is.
TEST(DistributionTexts, StoredListsTakeAPointAndShowTheHostsSymbol) {
    EXPECT_EQ(StoredNumberText(L" 0,25  1,5e-3;\n;2 ", L','), L"0.25 1.5e-3; 2");
    EXPECT_EQ(StoredNumberText(L"0.25 x", L'.'), L"0.25 x");
    EXPECT_EQ(ShownNumberText(L"0.25 1.5e-3; 2", L','), L"0,25 1,5e-3; 2");
    EXPECT_EQ(ShownNumberText(L"a.b", L','), L"a.b");
}

// ---- dialogs ----------------------------------------------------------------------------------------

CGUIBaseDlg& ChooseDistribution(CGUIBaseDlg& dlg, const wchar_t* name) {
    auto& combo = dlg.Ctrl(CDistribManager::kDistribCombo);
    for (std::size_t i = 0; i < combo.m_comboItems.size(); ++i)
        if (combo.m_comboItems[i] == name)
            dlg.UserCombo(CDistribManager::kDistribCombo, static_cast<int>(i));
    return dlg;
}

UINT Edit(int parameter) {
    return CDistribManager::kEditBase + static_cast<UINT>(parameter);
}

class SamplingDialogs : public MenuDialogs<CMonteCarloMsg> {
protected:
    SamplingDialogs() { host.data.AddNumeric(L"x"); }
};

TEST_F(SamplingDialogs, TriangularModeOutsideItsBoundsKeepsTheDialogOpen) {
    bool refused = false;
    EXPECT_TRUE(Launch(1035, [&](CGUIBaseDlg& dlg) {
        ChooseDistribution(dlg, L"Triangular").UserTypeText(Edit(3), L"1.5");
        refused = !dlg.OnOK();
        dlg.UserTypeText(Edit(3), L"0.25");
        return IDOK;
    }));
    EXPECT_TRUE(refused);
    EXPECT_EQ(host.messages.at(0), GetString(300011234).str());
    EXPECT_EQ(KeptLines(1035).back(), L"UNIVARIATE triRN(0, 1, 0.25) /SIZE = 1 NSAMP = 1");
}

TEST_F(SamplingDialogs, GoingBackToADistributionFindsWhatWasTyped) {
    EXPECT_TRUE(Launch(1035, [&](CGUIBaseDlg& dlg) {
        ChooseDistribution(dlg, L"Gamma").UserTypeText(Edit(1), L"2.5");
        ChooseDistribution(dlg, L"Normal");
        EXPECT_EQ(ChooseDistribution(dlg, L"Gamma").GetCtrlWindowText(Edit(1)), L"2.5");
        return IDOK;
    }));
    EXPECT_EQ(KeptLines(1035).back(), L"UNIVARIATE gammaRN(2.5, 1) /SIZE = 1 NSAMP = 1");
}

TEST_F(SamplingDialogs, AParameterTypedAsMinusZeroReachesTheLineAsZero) {
    EXPECT_TRUE(Launch(1035, [&](CGUIBaseDlg& dlg) {
        ChooseDistribution(dlg, L"Uniform").UserTypeText(Edit(1), L"-0.0");
        return IDOK;
    }));
    EXPECT_EQ(KeptLines(1035).back(), L"UNIVARIATE unifRN(0, 1) /SIZE = 1 NSAMP = 1");
    // A typed vector or matrix too, under either decimal symbol.
    for (const wchar_t decimal : {L'.', L','}) {
        host.decimal = decimal;
        EXPECT_TRUE(Launch(1034, [&](CGUIBaseDlg& dlg) {
            ChooseDistribution(dlg, L"Multivariate normal").UserTypeText(Edit(2), L"-0 0");
            dlg.UserTypeText(Edit(3), L"1 -0;-0 1");
            return IDOK;
        }));
        EXPECT_EQ(KeptLines(1034).back(),
                  L"MULTIVARIATE mnormRN(2, [0, 0], [1, 0; 0, 1]) / NSAMP = 1 SIZE = 1")
            << (decimal == L',' ? "comma" : "point");
    }
}

TEST_F(SamplingDialogs, SeedRangeFollowsTheGeneratorAndEmptyIsNone) {
    host.kernel.rng = 2;
    bool refused = false;
    EXPECT_TRUE(Launch(1036, [&](CGUIBaseDlg& dlg) {
        dlg.UserTypeText(CRandSampDlg::IDC_SEED_EDIT, L"30001");
        refused = !dlg.OnOK();
        dlg.UserTypeText(CRandSampDlg::IDC_SEED_EDIT, L"30000");
        dlg.UserTypeText(CRandSampDlg::IDC_NSAMP_EDIT, L"4");
        return IDOK;
    }));
    EXPECT_TRUE(refused);
    EXPECT_EQ(KeptLines(1036).back(), L"UNIVARIATE dunifRN(10) /SIZE = 1 NSAMP = 4 RSEED = 30000");
    EXPECT_TRUE(Launch(1036, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(CRandSampDlg::IDC_SEED_EDIT), L"30000");
        dlg.UserTypeText(CRandSampDlg::IDC_SEED_EDIT, L"");
        return IDOK;
    }));
    EXPECT_EQ(KeptLines(1036).back(), L"UNIVARIATE dunifRN(10) /SIZE = 1 NSAMP = 4");
}

TEST_F(SamplingDialogs, MultivariateTakesItsListsAndRefusesAShortOne) {
    bool refused = false;
    EXPECT_TRUE(Launch(1034, [&](CGUIBaseDlg& dlg) {
        ChooseDistribution(dlg, L"Multivariate normal").UserTypeText(Edit(2), L"1 2 3");
        refused = !dlg.OnOK();
        dlg.UserTypeText(Edit(2), L"1, 2");
        dlg.UserCheck(CDistribManager::kFileCheckBase + 3, 1);
        dlg.UserTypeText(Edit(3), L"cov.txt");
        return IDOK;
    }));
    EXPECT_TRUE(refused);
    EXPECT_EQ(KeptLines(1034).back(), L"MULTIVARIATE mnormRN(2, [1, 2], \"cov.txt\") / NSAMP = 1 SIZE = 1");
}

// Under a comma decimal symbol "0,2 0,3 0,5" is three numbers, and stays three under a point; every
// digit typed reaches the line (a covariance of six digits would be singular). The line writes a decimal
// point under either symbol: its commas separate the parameters.
TEST_F(SamplingDialogs, TypedListsKeepTheirNumbersAcrossDecimalSymbols) {
    host.decimal = L',';
    EXPECT_TRUE(Launch(1034, [&](CGUIBaseDlg& dlg) {
        ChooseDistribution(dlg, L"Multinomial").UserTypeText(Edit(3), L"0,2 0,3 0,5");
        return IDOK;
    }));
    EXPECT_EQ(KeptLines(1034).back(), L"MULTIVARIATE multinomRN(1, 3, [0.2, 0.3, 0.5]) / NSAMP = 1 SIZE = 1");
    EXPECT_TRUE(Launch(1035, [&](CGUIBaseDlg& dlg) {
        ChooseDistribution(dlg, L"Normal").UserTypeText(Edit(1), L"1,5");
        return IDOK;
    }));
    EXPECT_EQ(KeptLines(1035).back(), L"UNIVARIATE normRN(1.5, 1) /SIZE = 1 NSAMP = 1");
    host.decimal = L'.';
    EXPECT_TRUE(Launch(1034, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(Edit(3)), L"0.2 0.3 0.5");
        return IDOK;
    }));
    EXPECT_EQ(KeptLines(1034).back(), L"MULTIVARIATE multinomRN(1, 3, [0.2, 0.3, 0.5]) / NSAMP = 1 SIZE = 1");
    EXPECT_TRUE(Launch(1034, [&](CGUIBaseDlg& dlg) {
        ChooseDistribution(dlg, L"Multivariate normal").UserTypeText(Edit(3), L"1 0.9999999;0.9999999 1");
        return IDOK;
    }));
    EXPECT_EQ(KeptLines(1034).back(),
              L"MULTIVARIATE mnormRN(2, [0, 0], [1, 0.9999999; 0.9999999, 1]) / NSAMP = 1 SIZE = 1");
}

// One table decides: bounds the wrong way round are refused alike by sampling and the calculator.
TEST_F(SamplingDialogs, UniformBoundsTheWrongWayRoundAreRefusedAlike) {
    for (UINT item : {1035u, 1056u}) {
        bool refused = false;
        Launch(item, [&](CGUIBaseDlg& dlg) {
            ChooseDistribution(dlg, L"Uniform").UserTypeText(Edit(1), L"2");
            dlg.UserTypeText(Edit(2), L"1");
            if (item == 1056)
                dlg.UserTypeText(CProbabilityDlg::IDC_VALUE_EDIT, L"1.5");
            refused = !dlg.OnOK();
            return IDCANCEL;
        });
        EXPECT_TRUE(refused) << item;
    }
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0], GetString(13960).str());
    EXPECT_EQ(host.messages[1], host.messages[0]);
}

TEST_F(SamplingDialogs, NothingOpensWhileTheHostRefusesSampling) {
    host.query = false;
    ScriptedDriver driver;
    CMonteCarloMsg group(&host);
    group.OnTKCommand(1035);
    EXPECT_EQ(driver.runs, 0);
}

TEST_F(SamplingDialogs, DiscreteFittingTakesOneDistribution) {
    EXPECT_TRUE(Launch(1003, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.Ctrl(CFittingDlg::IDC_SELECTED_DISTRIBUTION_LIST).m_strText, GetString(12490).str());
        EXPECT_FALSE(dlg.IsCtrlVisible(Edit(1)));
        dlg.UserDblClick(CFittingDlg::IDC_DISTRIBUTION_LIST, L"Poisson");
        EXPECT_FALSE(dlg.IsCtrlEnabled(CFittingDlg::IDC_ADD_DISTRIBUTION));
        dlg.UserDblClick(CFittingDlg::IDC_DISTRIBUTION_LIST, L"Binomial");
        EXPECT_EQ(Items(dlg, CFittingDlg::IDC_SELECTED_DISTRIBUTION_LIST),
                  std::vector<std::wstring>{L"Poisson"});
        EXPECT_EQ(dlg.GetCtrlWindowText(Edit(1)), L"1");
        dlg.UserTypeText(Edit(1), L"2.5");
        return IDOK;
    }));
    EXPECT_EQ(KeptLines(1003).back(), L"DISCRETE x/ DISTRIBUTION = pois(2.5)");
}

TEST_F(SamplingDialogs, ContinuousFittingShowsTheSelectedDistribution) {
    EXPECT_TRUE(Launch(1002, [&](CGUIBaseDlg& dlg) {
        dlg.UserSelect(CFittingDlg::IDC_DISTRIBUTION_LIST, {L"Normal", L"Gamma"});
        dlg.UserClick(CFittingDlg::IDC_ADD_DISTRIBUTION);
        dlg.UserSelect(CFittingDlg::IDC_SELECTED_DISTRIBUTION_LIST, {L"Gamma"});
        EXPECT_EQ(dlg.Ctrl(CDistribManager::kLabelBase + 1).m_strText, L"Shape");
        return IDOK;
    }));
    EXPECT_EQ(KeptLines(1002).back(), L"CONTINUOUS x/ DISTRIBUTION = norm gamma");
}

class DistributionTestDialogs : public MenuDialogs<CNonparametricTestsMsg> {
protected:
    DistributionTestDialogs() { host.data.AddNumeric(L"x"); }
};

TEST_F(DistributionTestDialogs, TriangularModeOutsideItsBoundsKeepsTheTestOpen) {
    bool refused = false;
    EXPECT_TRUE(Launch(1089, [&](CGUIBaseDlg& dlg) {
        ChooseDistribution(Page(dlg, 0), L"Triangular").UserTypeText(Edit(3), L"-1");
        refused = !dlg.OnOK();
        Page(dlg, 0).UserTypeText(Edit(3), L"1");
        return IDOK;
    }));
    EXPECT_TRUE(refused);
    EXPECT_EQ(host.messages.at(0), GetString(300011234).str());
    EXPECT_EQ(KeptLines(1089).at(1), L"AD x / TRIANGULAR = 0, 1, 1");
}

TEST_F(DistributionTestDialogs, KolmogorovSmirnovOffersLilliefors) {
    EXPECT_TRUE(Launch(1015, [&](CGUIBaseDlg& dlg) {
        ChooseDistribution(Page(dlg, 0), L"Lilliefors (normal, estimated)");
        return IDOK;
    }));
    EXPECT_EQ(KeptLines(1015).at(1), L"KS x / LILLIEFORS");
    EXPECT_EQ(CDistribKSData::GetDistribComboCount(), 29);
}

}  // namespace
