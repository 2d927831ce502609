// The autocorrelation record: its archive as exact bytes, loading that refuses bad input without
// touching the record, and the data-dependent defaults and lines of its three variants. Loading back and
// cut-short archives are RecordRoundTripTest's.

#include <gtest/gtest.h>

#include <string>

#include "ArchiveTestUtil.h"
#include "FakeHost.h"
#include "Private/AcfData.h"
#include "RecordTestUtil.h"

namespace {

// Two selected variables, a file name, a lag the user typed after SetEditAttribute.
CAcfData SampleRecord() {
    CAcfData record;
    record.SetWindowState(3);
    record.ListOfVariablesList.Add(CGUIDataVariable(L"x", kVariableTypeNumeric));
    record.SelectedVariablesList.Add(CGUIDataVariable(L"x", kVariableTypeNumeric));
    record.SelectedVariablesList.Add(CGUIDataVariable(L"y2", kVariableTypeNumeric, 7));
    record.SetEditAttribute();
    record.EditLagEdit.SetUserValue(12);
    record.SaveFileEdit = L"out.tvz";
    record.SaveFileCheck = 1;
    return record;
}

const Bytes kSampleArchive{
    // base part: version 1, window state 3
    0x01, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00,
    // SaveFileEdit "out.tvz"
    0xFF, 0xFE, 0xFF, 0x07, 'o', 0, 'u', 0, 't', 0, '.', 0, 't', 0, 'v', 0, 'z', 0,
    // SaveFileCheck
    0x01, 0x00, 0x00, 0x00,
    // EditLagEdit: default mark 0, second mark 2, default 50, value 12, last flag 1
    0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x32, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x01,
    0x00, 0x00, 0x00,
    // ListOfVariablesList: one variable "x", numeric, flags 0
    0x01, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 'x', 0, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    // SelectedVariablesList: "x", then "y2" with flags 7
    0x02, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 'x', 0, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFE,
    0xFF, 0x02, 'y', 0, '2', 0, 0x02, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00};

TEST(AcfDataArchive, WholeArchiveIsExact) {
    CAcfData record = SampleRecord();
    const Bytes stored = Store(record);
    EXPECT_EQ(stored, kSampleArchive) << Hex(stored);
}

TEST(AcfDataArchive, DefaultRecordArchive) {
    CAcfData record;
    Bytes expected{1, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0x00, 0, 0, 0, 0};
    expected << std::initializer_list<int>{1,  0, 0, 0, 0, 0, 0, 0, 50, 0, 0, 0,
                                           50, 0, 0, 0, 1, 0, 0, 0, 0,  0, 0, 0};
    EXPECT_EQ(Store(record), expected) << Hex(Store(record));
}

// Loading into a record that holds something else, so that "unchanged" means something.
CAcfData OtherRecord() {
    CAcfData record;
    record.SetWindowState(9);
    record.ListOfVariablesList.Add(CGUIDataVariable(L"keep", kVariableTypeString, 1));
    record.EditLagEdit.SetUserValue(33);
    record.SaveFileEdit = L"keep.tvz";
    return record;
}

struct Corruption {
    const char* name;
    std::size_t offset;          // where the sample archive is changed
    Bytes replacement;           // bytes written from there
    std::string message;         // part of the exception's message
    std::size_t reportedOffset;  // offset the exception names
};

class AcfDataCorrupted : public ::testing::TestWithParam<Corruption> {};

TEST_P(AcfDataCorrupted, IsRefusedWithWhatAndWhereAndTheRecordIsUnchanged) {
    const auto& c = GetParam();
    Bytes bytes = kSampleArchive;
    std::copy(c.replacement.begin(), c.replacement.end(), bytes.begin() + static_cast<long>(c.offset));
    CAcfData record = OtherRecord();
    CArchive ar(bytes);
    try {
        record.LoadFromArchive(ar);
        FAIL() << "accepted " << Hex(bytes);
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("at byte offset " + std::to_string(c.reportedOffset)),
                  std::string::npos)
            << e.what();
    }
    CAcfData other = OtherRecord();
    EXPECT_EQ(Store(record), Store(other));
}

INSTANTIATE_TEST_SUITE_P(
    Archives, AcfDataCorrupted,
    ::testing::Values(
        Corruption{"WrongVersion", 0, {2}, "unknown record format version 2", 4},
        Corruption{"NegativeVersion", 0, {0xFF, 0xFF, 0xFF, 0xFF}, "unknown record format version -1", 4},
        Corruption{"BadFileMarker", 8, {0xFE}, "no wide-string marker", 8},
        Corruption{"ImpossibleFileLength", 11, {0xFF, 0x00, 0x80}, "impossible length 32768", 8},
        Corruption{"ImpossibleListCount", 50, {0xFF, 0x7F}, "impossible count 32767", 50},
        Corruption{
            "FourByteListCount", 66, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "impossible count 4294967295", 66},
        Corruption{"BadVariableMarker", 82, {0x00}, "FF FE FF for variable name", 82}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- defaults that depend on the data -----------------------------------------------------------

TEST(AcfDataDefaults, LagAtFiftyFollowsTheCasesOtherLagsStay) {
    FakeHost host;
    host.data.cases = 20;

    CAcfData atDefault;
    atDefault.ReassignDefaultValue();
    EXPECT_EQ(atDefault.EditLagEdit, CGUIData<int>(19));

    CAcfData typed;
    typed.EditLagEdit.SetUserValue(30);
    const auto before = typed.EditLagEdit;
    typed.ReassignDefaultValue();
    EXPECT_EQ(typed.EditLagEdit, before);

    // Even a 50 the user typed counts as the default to follow.
    CAcfData typedFifty;
    typedFifty.EditLagEdit.SetUserValue(50);
    typedFifty.ReassignDefaultValue();
    EXPECT_EQ(typedFifty.EditLagEdit, CGUIData<int>(19));

    host.data.cases = 100;
    CAcfData many;
    many.ReassignDefaultValue();
    EXPECT_EQ(many.EditLagEdit, CGUIData<int>(50));
    EXPECT_EQ(CAcfData::GetMaximumLagValue(), 50);
}

TEST(AcfDataDefaults, TimePlotKeepsItsLag) {
    FakeHost host;
    host.data.cases = 20;
    CAcfData record;
    record.SetDialogID(CAcfData::kVariantTplot);
    record.ReassignDefaultValue();
    EXPECT_EQ(record.EditLagEdit, CGUIData<int>(50));
}

// ---- lines --------------------------------------------------------------------------------------

CAcfData TwoSeries(UINT variant) {
    CAcfData record;
    record.SetDialogID(variant);
    record.SelectedVariablesList.Add(CGUIDataVariable(L"sales", kVariableTypeNumeric));
    record.SelectedVariablesList.Add(CGUIDataVariable(L"cost", kVariableTypeNumeric));
    return record;
}

TEST(AcfDataLines, KeywordPerVariantLagClauseOnlyForTheCorrelationPlots) {
    FakeHost host;
    using Lines_ = std::vector<std::wstring>;
    for (const auto& [variant, keyword] : {std::pair{0u, L"ACF "}, std::pair{2227u, L"PACF "}}) {
        CAcfData record = TwoSeries(variant);
        EXPECT_EQ(LinesOf(record), (Lines_{L"SERIES", std::wstring(keyword) + L"sales cost"}));
        record.EditLagEdit.SetUserValue(12);
        EXPECT_EQ(LinesOf(record), (Lines_{L"SERIES", std::wstring(keyword) + L"sales cost / LAG = 12"}));
    }
    CAcfData plot = TwoSeries(CAcfData::kVariantTplot);
    plot.EditLagEdit.SetUserValue(12);
    EXPECT_EQ(LinesOf(plot), (Lines_{L"SERIES", L"TPLOT sales cost"}));
}

TEST(AcfDataLines, SaveLineOnlyWithTheSaveCheck) {
    FakeHost host;
    CAcfData record = TwoSeries(0);
    record.SaveFileEdit = L"acf.tvz";
    EXPECT_EQ(LinesOf(record), (std::vector<std::wstring>{L"SERIES", L"ACF sales cost"}));
    record.SaveFileEdit = L"";
    EXPECT_EQ(LinesOf(record).size(), 2u);
    record.SaveFileEdit = L"acf.tvz";
    record.SaveFileCheck = 1;
    EXPECT_EQ(LinesOf(record),
              (std::vector<std::wstring>{L"SERIES", L"SAVE \"acf.tvz\"", L"ACF sales cost"}));
}

TEST(AcfDataLines, AllValuesSwitchWritesTheLagUnlessItIsMarked) {
    FakeHost host;
    host.allValues = true;
    CAcfData record = TwoSeries(0);
    EXPECT_EQ(LinesOf(record).back(), L"ACF sales cost / LAG = 50");
    record.SetEditAttribute();
    EXPECT_EQ(LinesOf(record).back(), L"ACF sales cost");
    record.EditLagEdit.SetUserValue(7);
    EXPECT_EQ(LinesOf(record).back(), L"ACF sales cost / LAG = 7");
    host.allValues = false;
    EXPECT_EQ(LinesOf(record).back(), L"ACF sales cost / LAG = 7");
}

TEST(AcfDataLines, ModuleLineIsARemarkWhenTheModuleIsCurrent) {
    FakeHost host;
    host.currentModule = L"SERIES";
    EXPECT_EQ(LinesOf(TwoSeries(0)).front(), L"Rem SERIES");
}

}  // namespace
