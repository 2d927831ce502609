// Records of reliability, multidimensional scaling, multivariate normality and signal detection: one
// archive per family as exact bytes, golden lines per variant, and the typed-matrix parser.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "Private/CronbachData.h"
#include "Private/MdsData.h"
#include "Private/MdsDlg.h"
#include "Private/MntestData.h"
#include "Private/SignalData.h"
#include "RecordTestUtil.h"
#include "TvkBaseGui/CMatrixText.h"

namespace {

using LineList = std::vector<std::wstring>;

ExpectedArchive Ints(ExpectedArchive a, std::initializer_list<int> values) {
    for (int v : values)
        a.Int(v);
    return a;
}

CMntestData Mntest(int save) {
    CMntestData r;
    r.SelectedVariablesList = Variables({L"a", L"b"});
    r.SaveFileEdit = L"d.tvz";
    r.SaveFileCheck = save;
    return r;
}

struct ArchiveCase {
    const char* name;
    std::function<std::unique_ptr<CGUIBaseObj>()> make;
    Bytes expected;
};

const ArchiveCase kArchives[] = {
    {"Cronbach",
     [] {
         auto r = std::make_unique<CCronbachData>();
         r->ListOfVariablesList = Variables({L"a", L"b"});
         r->SelectedVariablesList = Variables({L"b"});
         return r;
     },
     ExpectedArchive().Base().List({{u"a"}, {u"b"}}).List({{u"b"}}).bytes()},
    {"Mds",
     [] {
         auto r = std::make_unique<CMdsData>();
         r->ListOfVariablesList = r->SelectedVariablesList = Variables({L"x"});
         r->DimensionsEdit = 3;
         r->PowerEdit = 1.5;
         r->IterationsEdit = 100;
         r->ConvergenceEdit = 0.25;
         r->RowsEdit.SetUserValue(12);
         // Each field its own value, so that two fields swapped in the archive show.
         r->WeightCheck = 1;
         r->SaveCheck = 0;
         r->SplitRadio = 2;
         r->LossRadio = 3;
         r->ShapeRadio = 4;
         r->RegressionCombo = 5;
         r->SaveTypeCombo = 6;
         r->SaveFileEdit = L"m.tvz";
         return r;
     },
     Ints(ExpectedArchive().Base().Double(3).Double(1.5).Int(100).Double(0.25), {1, 0, 2, 3, 4, 5, 6})
         .Text(u"m.tvz")
         .Holder<int>(0, 2, 0, 12, 1)
         .List({{u"x"}})
         .List({{u"x"}})
         .bytes()},
    {"MdsConfig",
     [] {
         auto r = std::make_unique<CMdsConfigData>();
         r->ConfigEdit = L"1 2";
         r->ConfigRadio = 1;
         return r;
     },
     ExpectedArchive().Base().Text(u"1 2").Int(1).bytes()},
    {"Mntest",
     [] {
         auto r = std::make_unique<CMntestData>(Mntest(1));
         r->ListOfVariablesList = Variables({L"a", L"b"});
         return r;
     },
     ExpectedArchive().Base().Text(u"d.tvz").Int(1).List({{u"a"}, {u"b"}}).List({{u"a"}, {u"b"}}).bytes()},
    {"Signal",
     [] {
         auto r = std::make_unique<CSignalData>();
         r->ListOfVariablesList = r->StimulusVariablesList = Variables({L"a"});
         r->ResponseVariablesList = Variables({L"b"});
         r->IterationsEdit.SetUserValue(80);
         r->GammaMoEdit.SetUserValue(2.5);
         r->SaveCheck = 1;
         r->StartRadio = 3;
         r->ModelTypeCombo = 6;
         r->SaveTypeCombo = 2;
         r->SaveFileEdit = L"s.tvz";
         return r;
     },
     Ints(ExpectedArchive().Base(), {1, 3, 6, 2})
         .Text(u"s.tvz")
         .List({{u"a"}})
         .List({{u"a"}})
         .List({{u"b"}})
         .Holder<int>(0, 0, 50, 80, 1)
         .Holder<double>(1, 0, 0.001, 0.001, 1)
         .Holder<double>(0, 0, 1.0, 2.5, 1)
         .Holder<double>(1, 0, 5.0, 5.0, 1)
         .Holder<double>(1, 2, 1.0, 1.0, 1)
         .Holder<double>(1, 0, 5.0, 5.0, 1)
         .Holder<double>(1, 0, 10.0, 10.0, 1)
         .bytes()},
};

TEST(ScalingRecords, ArchivesAreExactBytes) {
    for (const auto& c : kArchives) {
        auto record = c.make();
        EXPECT_EQ(Store(*record), c.expected) << c.name << ": " << Hex(Store(*record));
    }
}

// ---- golden lines -----------------------------------------------------------------------------------

CMdsTabData Mds(std::initializer_list<const wchar_t*> selected) {
    CMdsTabData tab;
    tab.Page<CMdsData>().SelectedVariablesList = Variables(selected);
    return tab;
}

CSignalData Signal(int model) {
    CSignalData r;
    r.ResponseVariablesList = Variables({L"r"});
    r.StimulusVariablesList = Variables({L"s"});
    r.ModelTypeCombo = model;
    r.StartRadio = 1;
    return r;
}

struct LineCase {
    const char* name;
    std::function<LineList(FakeHost&)> lines;
    LineList expected;
};

const LineCase kLines[] = {
    {"CronbachWithoutModuleLine",
     [](FakeHost&) {
         CCronbachData r;
         r.SelectedVariablesList = Variables({L"a", L"b"});
         return LinesOf(r);
     },
     {L"CRONBACH a b"}},
    // Values typed back to the kernel's defaults write nothing either.
    {"MdsDefaultsWriteNoValues",
     [](FakeHost&) {
         CMdsTabData tab = Mds({L"a", L"b"});
         auto& m = tab.Page<CMdsData>();
         m.DimensionsEdit = m.PowerEdit = 2;
         m.IterationsEdit = 50;
         m.ConvergenceEdit = 0.005;
         return LinesOf(tab);
     },
     {L"MDS", L"MODEL a b / SHAPE=SQUARE", L"ESTIMATE /  LOSS=KRUSKAL REGRESSION=MONOTONIC"}},
    {"MdsRectangularSavedWithTypedConfig",
     [](FakeHost&) {
         CMdsTabData tab = Mds({L"a", L"b"});
         auto& m = tab.Page<CMdsData>();
         m.ShapeRadio = m.SaveCheck = m.WeightCheck = m.LossRadio = 1;
         m.SplitRadio = 2;
         m.DimensionsEdit = 3;
         m.RowsEdit.SetUserValue(10);
         m.SaveFileEdit = L"c.tvz";
         tab.Page<CMdsConfigData>().ConfigRadio = 1;
         tab.Page<CMdsConfigData>().ConfigEdit = L"1 2 3\r\n4 5 6\r\n";
         return LinesOf(tab);
     },
     {L"MDS", L"MODEL a b /  ROWS=10 SHAPE=RECT", L"CONFIG = 1 2 3; 4 5 6", L"SAVE CONFIGURATION \"c.tvz\"",
      L"ESTIMATE /  LOSS=GUTTMAN DIM=3 WEIGHT SPLIT=ROW"}},
    {"MdsLastConfigBeforeEstimate",
     [](FakeHost&) {
         CMdsTabData tab = Mds({L"SAVED", L"b"});
         auto& m = tab.Page<CMdsData>();
         m.LossRadio = 2;
         m.RegressionCombo = 3;
         m.IterationsEdit = 10;
         m.ConvergenceEdit = 0.001;
         m.WeightCheck = m.SplitRadio = 1;
         tab.Page<CMdsConfigData>().ConfigRadio = 2;
         return LinesOf(tab);
     },
     {L"MDS", L"MODEL SAVED b / SHAPE=SQUARE", L"CONFIG = LAST",
      L"ESTIMATE /  LOSS=YOUNG ITER=10 REGRESSION=POWER WEIGHT SPLIT=MATRIX CONVERGE=0.001"}},
    {"MntestSaveFlagClearIgnoresFile", [](FakeHost&) { return LinesOf(Mntest(0)); }, {L"MNTEST a b"}},
    {"MntestSaveLineFirst",
     [](FakeHost&) { return LinesOf(Mntest(1)); },
     {L"SAVE MAHAL \"d.tvz\" S", L"MNTEST a b"}},
    {"SignalNparWritesNothingMore",
     [](FakeHost&) {
         CSignalData r = Signal(1);
         r.IterationsEdit.SetUserValue(60);
         r.SaveCheck = 1;
         r.SaveFileEdit = L"s.tvz";
         return LinesOf(r);
     },
     {L"SIGNAL", L"SAVE \"s.tvz\"", L"MODEL r = s", L"ESTIMATE / NPAR"}},
    {"SignalNormalHasNoStart",
     [](FakeHost&) { return LinesOf(Signal(0)); },
     {L"SIGNAL", L"MODEL r = s", L"ESTIMATE / NORMAL"}},
    {"SignalGammaOptionsInOrder",
     [](FakeHost&) {
         CSignalData r = Signal(6);
         r.GammaREdit.SetUserValue(3);
         r.GammaMoEdit.SetUserValue(2);
         r.ConvergeEdit.SetUserValue(0.01);
         r.SaveCheck = 1;
         r.SaveTypeCombo = 2;
         r.SaveFileEdit = L"s.tvz";
         return LinesOf(r);
     },
     {L"SIGNAL", L"SAVE ROC \"s.tvz\"", L"MODEL r = s",
      L"ESTIMATE / GAMMA CONVERGE = 0.01 M0 = 2 R = 3 START"}},
};

TEST(ScalingRecords, GoldenLines) {
    for (const auto& c : kLines) {
        FakeHost host;
        EXPECT_EQ(c.lines(host), c.expected) << c.name;
        EXPECT_TRUE(host.assertions.empty()) << c.name;
    }
}

// The model's own line, for the model-specific options.
struct ModelCase {
    int model;
    void (*change)(CSignalData&);
    bool allValues;
    const wchar_t* estimate;
};

const ModelCase kModels[] = {
    {2, [](CSignalData& r) { r.ExponentialScalingConstantEdit.SetUserValue(2); }, false,
     L"ESTIMATE / LOGISTIC C = 2"},
    {3, [](CSignalData& r) { r.ExponentialScalingConstantEdit.SetUserValue(2); }, false,
     L"ESTIMATE / EXPONENTIAL C =2"},
    {3, [](CSignalData&) {}, true, L"ESTIMATE / EXPONENTIAL ITERATIONS = 50 CONVERGE = 0.001"},
    {2, [](CSignalData& r) { r.PoissonMeanEdit.SetUserValue(2); }, false, L"ESTIMATE / LOGISTIC"},
    {4, [](CSignalData& r) { r.FreedomDegreesEdit.SetUserValue(4); }, false,
     L"ESTIMATE / CHISQUARE DF = 4 START"},
    {5, [](CSignalData& r) { r.PoissonMeanEdit.SetUserValue(2); }, false,
     L"ESTIMATE / POISSON MEAN = 2 START"},
    // The default starting values write no START, whatever the model.
    {4, [](CSignalData& r) { r.StartRadio = 0; }, false, L"ESTIMATE / CHISQUARE"},
    {5, [](CSignalData& r) { r.StartRadio = 0; }, false, L"ESTIMATE / POISSON"},
    {6, [](CSignalData& r) { r.StartRadio = 0; }, false, L"ESTIMATE / GAMMA"},
};

TEST(ScalingRecords, SignalModelOptions) {
    for (const auto& c : kModels) {
        FakeHost host;
        host.allValues = c.allValues;
        CSignalData r = Signal(c.model);
        c.change(r);
        EXPECT_EQ(LinesOf(r).back(), c.estimate);
    }
}

TEST(ScalingRecords, MdsSquareNeverWritesRowsOrSplitByRow) {
    FakeHost host;
    CMdsTabData tab = Mds({L"a", L"b"});
    auto& m = tab.Page<CMdsData>();
    m.RowsEdit.SetUserValue(10);
    m.SplitRadio = 2;
    m.WeightCheck = 1;
    EXPECT_EQ(LinesOf(tab), (LineList{L"MDS", L"MODEL a b / SHAPE=SQUARE",
                                      L"ESTIMATE /  LOSS=KRUSKAL REGRESSION=MONOTONIC WEIGHT"}));
    EXPECT_EQ(host.assertions.size(), 1u);
    // Unsplit, the weight needs rows above half the cases: 10 rows are not above half of 20 or 21.
    m.SplitRadio = 0;
    for (const auto& [cases, weighted] :
         {std::pair(100, false), std::pair(21, false), std::pair(20, false), std::pair(19, true)}) {
        host.data.cases = cases;
        EXPECT_EQ(LinesOf(tab).back().find(L" WEIGHT") != std::wstring::npos, weighted) << cases;
    }
}

TEST(ScalingRecords, MdsRowsAndShapeFromTheData) {
    FakeHost host;
    host.query = false;
    CMdsData m;
    m.ReassignDefaultValue();
    EXPECT_EQ(m.ShapeRadio, 1);
    EXPECT_TRUE(m.RowsEdit.IsDefault() && m.RowsEdit.GetValue() == 100 &&
                m.RowsEdit.GetDefaultValue() == 100);
    m.RowsEdit.SetUserValue(7);
    host.data.cases = 30;
    m.ReassignDefaultValue();
    EXPECT_EQ(m.RowsEdit.GetValue(), 7);
}

// ---- the typed matrix -------------------------------------------------------------------------------

struct RowCase {
    const wchar_t* row;
    int count;
    bool correct;
};

const RowCase kRows[] = {
    {L"1 2.5 -3", 3, true},  {L"1 2.5 -3", 2, false}, {L"5.", 1, false}, {L"--1", 1, false},
    {L"1.2.3", 1, false},    {L".5", 1, false},       {L"", 0, true},    {L"", 1, false},
    {L"-0.25  7 ", 2, true}, {L"4-2", 1, false},
};

TEST(MdsTypedMatrix, RowFormat) {
    for (const auto& c : kRows)
        EXPECT_EQ(CMdsConfigDlg::IsDimensionFormatCorrect(c.row, c.count), c.correct)
            << c.row << " / " << c.count;
}

TEST(MdsTypedMatrix, RowsEndAtSemicolonsAndCarriageReturnLineFeeds) {
    CString text = L"x: 1 2\r\n3 4;5 6\r\n\r\n;7";
    std::vector<std::wstring> rows;
    while (!text.IsEmpty())
        rows.emplace_back(CMdsConfigData::GetNextDimension(text).str());
    EXPECT_EQ(rows, (std::vector<std::wstring>{L"1 2", L"3 4", L"5 6", L"7"}));
    CMdsConfigData config;
    config.ConfigEdit = L"1 2\r\n3 4\r\nnone\r\n";
    EXPECT_EQ(config.GetConfigParseCommandsEdit(), L"1 2\n3 4");
    EXPECT_EQ(GetSingleLineMatrixString(L"1 2\n  3\t4\r\n\n"), L"= 1 2; 3 4");
    EXPECT_TRUE(CMdsConfigDlg::IsMatrixCorrect(config.ConfigEdit, 2, 2));
    EXPECT_FALSE(CMdsConfigDlg::IsMatrixCorrect(config.ConfigEdit, 2, 3));
    EXPECT_FALSE(CMdsConfigDlg::IsMatrixCorrect(config.ConfigEdit, 3, 2));
}

// Only the rows the check counts reach the line: a row of another length, or anything that is no
// number (a quote would open a clause), never does; a zero loses its sign.
TEST(MdsTypedMatrix, TheConfigLineCarriesTheCountedRowsOnly) {
    FakeHost host;
    struct Row {
        const wchar_t* typed;
        const wchar_t* config;  // empty: no CONFIG line
    };
    const Row rows[] = {
        {L"1 2;3 4;9", L"CONFIG = 1 2; 3 4"},
        {L"1 2\r\n\"\r\n-0 -0.0\r\n", L"CONFIG = 1 2; 0 0.0"},
        {L"\"", L""},
        {L"1 2\"; 3 4", L"CONFIG = 3 4"},
        {L"-0.5 -10", L"CONFIG = -0.5 -10"},
    };
    for (const Row& row : rows) {
        CMdsTabData tab = Mds({L"a", L"b"});
        tab.Page<CMdsConfigData>().ConfigRadio = 1;
        tab.Page<CMdsConfigData>().ConfigEdit = row.typed;
        LineList expected = {L"MDS", L"MODEL a b / SHAPE=SQUARE",
                             L"ESTIMATE /  LOSS=KRUSKAL REGRESSION=MONOTONIC"};
        if (*row.config)
            expected.insert(expected.begin() + 2, row.config);
        EXPECT_EQ(LinesOf(tab), expected) << CString(row.typed).ToUtf8();
    }
}

// The check reads each character a bounded number of times: a text of 300,000 rows takes a fraction
// of a second (a pass that copies the rest of the text for each row takes minutes).
TEST(MdsTypedMatrix, TheCheckIsLinearInTheText) {
    std::wstring text;
    for (int i = 0; i < 300000; ++i)
        text += L"1.5 -2\r\n";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(CMdsConfigDlg::IsMatrixCorrect(CString(text), 2, 300000));
    CMdsConfigData config;
    config.ConfigEdit = CString(std::move(text));
    EXPECT_EQ(config.GetCountedRowsText(2).GetLength(), 300000 * 7 - 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
