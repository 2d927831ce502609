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

// Malformed strings and counts are ArchiveFormTest's, a record left unchanged by a failed load
// RecordRoundTripTest's; the record's own part is the format version.
TEST(AcfDataArchive, UnknownVersionIsRefusedWhereItStands) {
    for (const auto& [version, message] :
         {std::pair<Bytes, std::string>{{2, 0, 0, 0}, "version 2"},
          std::pair<Bytes, std::string>{{0xFF, 0xFF, 0xFF, 0xFF}, "version -1"}}) {
        Bytes bytes = kSampleArchive;
        std::copy(version.begin(), version.end(), bytes.begin());
        CAcfData record;
        CArchive ar(bytes);
        try {
            record.LoadFromArchive(ar);
            ADD_FAILURE() << "accepted " << Hex(bytes);
        } catch (const CArchiveException& e) {
            EXPECT_NE(std::string(e.what()).find("unknown record format " + message + " at byte offset 4"),
                      std::string::npos)
                << e.what();
        }
    }
}

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

// ---- lines --------------------------------------------------------------------------------------

CAcfData TwoSeries(UINT variant) {
    CAcfData record;
    record.SetVariantID(variant);
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
