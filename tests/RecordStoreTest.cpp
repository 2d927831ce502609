// The record store over every dialog of the menus, one row each, on the example data: what a user keeps
// comes back whole in a fresh session and in the same one; a text that could break a line is refused
// with the record named; an impossible combo or radio index ends no run. Then the discrete calculator.

#include <gtest/gtest.h>

#include <sstream>

#include "ArchiveTestUtil.h"
#include "DialogTestUtil.h"
#include "Host/HostApp.h"
#include "Host/HostMenu.h"
#include "Host/RecordStore.h"
#include "Private/OneSampleKSData.h"
#include "Private/ProbabilityData.h"

namespace {

// What a user does with any dialog: on every page, the first item of each source list into its
// targets; with `all`, every check box ticked and a name in every empty file edit; the last item of
// every combo. Then OK.
int Exercise(CGUIBaseDlg& dlg, bool all) {
    for (int page = 0; page < std::max(1, dlg.GetPageCount()); ++page) {
        if (dlg.GetPageCount() > 0)
            dlg.UserShowPage(page);
        CGUIBaseDlg& shown = dlg.GetActiveControlsDialog();
        for (const CListPair& pair : shown.GetListPairs())
            if (shown.ListCtrl(pair.source).GetItemCount() > 0) {
                shown.UserSelect(pair.source, {shown.ListCtrl(pair.source).GetItems()[0].GetVariableName()});
                shown.UserClick(pair.addButton);
            }
        // The checks first: they enable the file edits and combos that follow them.
        for (UINT id : shown.GetCtrlIDs())
            if (all && shown.Ctrl(id).GetKind() == ControlKind::Check)
                shown.UserCheck(id, 1);
        for (UINT id : shown.GetCtrlIDs()) {
            const CTKCtrl& c = shown.Ctrl(id);
            if (all && c.GetKind() == ControlKind::FileEdit && c.m_strText.IsEmpty())
                shown.UserTypeText(id, L"out.tvz");
            if (c.GetKind() == ControlKind::Combo && !c.m_comboItems.empty())
                shown.UserCombo(id, static_cast<int>(c.m_comboItems.size()) - 1);
        }
    }
    return IDOK;
}

std::vector<UINT> MenuCommands() {
    std::vector<UINT> commands;
    for (const HostMenuItem& item : ModuleMenuItems())
        commands.push_back(item.command);
    return commands;
}

class EveryDialog : public ::testing::TestWithParam<UINT> {
protected:
    void SetUp() override {
        Prepare(host);
        if (!Use([](CGUIBaseDlg&) { return IDCANCEL; }))
            GTEST_SKIP() << "keeps no record";
    }
    static void Prepare(HostApp& h) {
        h.LoadModule(DLGSTAT1_MODULE_PATH);
        h.Data().LoadCsv(DLGSTAT1_TEST_SOURCE_DIR "/Resources/data/example.csv");
    }
    bool Use(std::function<int(CGUIBaseDlg&)> actions) {
        ScriptedDriver driver(std::move(actions));
        return host.IsModuleCommand(GetParam()) && host.RouteCommand(GetParam()) && Kept();
    }
    // Used as fully as the dialog accepts: every option Exercise sets, else its lists and combos.
    void UseFully() {
        const Bytes untouched = Archive();
        Use([](CGUIBaseDlg& dlg) { return Exercise(dlg, true); });
        if (Archive() == untouched)
            Use([](CGUIBaseDlg& dlg) { return Exercise(dlg, false); });
    }
    CGUIBaseObj* Kept() const { return host.FindRecord(GetParam()); }
    Bytes Archive() const { return Store(*Kept()); }
    // The fields read from the kept record's archive, with their offsets in it.
    std::vector<CArchive::FieldRead> FieldsRead() {
        CArchive ar(Archive());
        std::vector<CArchive::FieldRead> fields;
        ar.SetFieldLog(&fields);
        Kept()->LoadFromArchive(ar);
        return fields;
    }

    std::ostringstream out;
    HostApp host{out};
};

TEST_P(EveryDialog, WhatIsKeptComesBackInAFreshSessionAndInTheSameOne) {
    // The continuous calculator's plot lines come from its last computation, which is not kept.
    const bool linesKept = GetParam() != 1056;
    std::vector<std::pair<std::vector<unsigned char>, std::vector<std::wstring>>> kept;  // cancelled, used
    for (const bool used : {false, true}) {
        if (used)
            UseFully();
        const Bytes archive = Archive();
        kept.emplace_back(host.SaveRecords(), LinesOf(*Kept()));
        host.OpenRecords(kept.back().first);
        EXPECT_EQ(Archive(), archive) << Hex(archive);
        EXPECT_TRUE(!linesKept || LinesOf(*Kept()) == kept.back().second);
    }
    // A fresh session makes the record unseen. Each takes the module's host interface from `host`.
    for (const auto& [store, lines] : kept) {
        HostApp fresh(out);
        Prepare(fresh);
        out.str("");
        fresh.OpenRecords(store);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(fresh.SaveRecords(), store);
        EXPECT_TRUE(!linesKept || LinesOf(*fresh.FindRecord(GetParam())) == lines);
    }
}

TEST_P(EveryDialog, ALineOrParagraphBreakInAnyTextIsRefusedNamingTheRecord) {
    UseFully();
    const Bytes archive = Archive();
    const auto kept = host.SaveRecords();
    int texts = 0;
    for (const CArchive::FieldRead& field : FieldsRead()) {
        if (!field.isText)
            continue;
        const CString broken = field.text + (++texts % 2 ? L"\nFORGED LINE" : L"\u2029");
        Bytes forged(archive.begin(), archive.begin() + static_cast<std::ptrdiff_t>(field.offset));
        for (std::uint8_t b : StoreWith([&](CArchive& ar) { ar.WriteString(broken); }))
            forged.push_back(b);
        const std::size_t rest =
            field.offset + StoreWith([&](CArchive& ar) { ar.WriteString(field.text); }).size();
        forged.insert(forged.end(), archive.begin() + static_cast<std::ptrdiff_t>(rest), archive.end());
        try {
            host.OpenRecords(RecordStore::Encode({{GetParam(), forged}}));
            ADD_FAILURE() << "opened with a break in " << field.text.ToUtf8();
        } catch (const HostError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("record for command " + std::to_string(GetParam()), 0), 0u)
                << e.what();
        }
        ASSERT_EQ(host.SaveRecords(), kept);
    }
    if (texts == 0)
        GTEST_SKIP() << "holds no text";
}

TEST_P(EveryDialog, AnImpossibleIndexReachesNoLineAndEndsNoRun) {
    UseFully();
    const Bytes archive = Archive();
    for (const CArchive::FieldRead& field : FieldsRead())
        for (const std::int32_t index : {-1, 1000}) {
            if (field.isText)
                break;
            Bytes planted = archive;
            for (std::size_t b = 0; b < 4; ++b)
                planted[field.offset + b] = static_cast<std::uint8_t>(index >> (8 * b));
            // Read as a record kept from other data is, which the store's checks of today's data may
            // refuse.
            try {
                CArchive ar(planted);
                Kept()->LoadFromArchive(ar);
            } catch (const CArchiveException&) {
                continue;
            }
            out.str("");
            LinesOf(*Kept());
            Use([](CGUIBaseDlg&) { return IDOK; });
            // An exception that escaped the module is reported by the host's own file.
            EXPECT_EQ(out.str().find("assert: HostApp.cpp"), std::string::npos)
                << index << " at " << field.offset;
        }
}

INSTANTIATE_TEST_SUITE_P(Menus, EveryDialog, ::testing::ValuesIn(MenuCommands()),
                         [](const auto& p) { return std::to_string(p.param); });

// The discrete calculator stores its value 4 bytes wide unless the function is the inverse; the index
// that says so comes after it. A record reads back whatever function its store holds.
TEST(DiscreteCalculatorStore, ReadsBackWhateverFunctionTheRecordHeld) {
    for (const int stored : {CProbabilityData::FunctionCF, CProbabilityData::FunctionIF})
        for (const int held : {CProbabilityData::FunctionDF, CProbabilityData::FunctionIF}) {
            CProbabilityData written, reader;
            written.SetVariantID(CProbabilityData::kDiscrete);
            reader.SetVariantID(CProbabilityData::kDiscrete);
            written.FunctionRadio = stored;
            reader.FunctionRadio = held;
            written.Value = stored == CProbabilityData::FunctionIF ? 0.25 : 7;
            written.Text = L"\xFEFF\xFFFF";  // the wide-string mark, where the 4-byte reading has its text
            const Bytes bytes = Store(written);
            CArchive ar(bytes);
            reader.LoadFromArchive(ar);
            EXPECT_EQ(Store(reader), bytes) << stored << " read by " << held;
            EXPECT_EQ(reader.Value, written.Value);
        }
}

TEST(OneSampleTestStore, AnUnknownTestVariantIsRefused) {
    COneSampleKSData page;  // the Kolmogorov-Smirnov test's
    Bytes bytes = Store(page);
    bytes[CGUIBaseObj::kBaseArchiveBytes] ^= 1;  // 2162 (6A 08) read as 2163
    CArchive ar(bytes);
    EXPECT_THROW(page.LoadFromArchive(ar), CArchiveException);
}

}  // namespace
