// The record store over every dialog of the menus, one row each, on the example data: what a user keeps
// comes back whole in a fresh session and in the same one; a text that could break a line is refused
// with the record named; an impossible combo or radio index reaches neither the kernel nor the host's
// top level as an exception. Then the store's own form, and the discrete calculator's value.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "ArchiveTestUtil.h"
#include "Host/HostApp.h"
#include "Host/HostMenu.h"
#include "Host/RecordStore.h"
#include "Private/ProbabilityData.h"
#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkBaseGui/CGUIControls.h"

namespace {

using Lines = std::vector<std::string>;

// Runs `act` on each dialog that opens, then OK (Cancel when OK is refused, or with no `act`).
class Driver final : public IDialogDriver {
public:
    explicit Driver(std::function<void(CGUIBaseDlg&)> act)
        : m_act(std::move(act)), m_previous(GetDialogDriver()) {
        InstallDialogDriver(this);
    }
    ~Driver() override { InstallDialogDriver(m_previous); }
    int Run(CGUIBaseDlg& dlg) override {
        if (m_act) {
            m_act(dlg);
            if (dlg.OnOK() || dlg.IsEnded())
                return dlg.GetResult();
        }
        dlg.OnCancel();
        return IDCANCEL;
    }

private:
    std::function<void(CGUIBaseDlg&)> m_act;
    IDialogDriver* m_previous;
};

// What a user does with any dialog: on every page, the first item of each source list into each of its
// targets; then, with `all`, every check box ticked and a name in every empty file edit; the last item
// of every combo box.
void Exercise(CGUIBaseDlg& dlg, bool all) {
    for (int page = 0; page < std::max(1, dlg.GetPageCount()); ++page) {
        if (dlg.GetPageCount() > 0)
            dlg.UserShowPage(page);
        CGUIBaseDlg& shown = dlg.GetActiveControlsDialog();
        for (const CListPair& pair : shown.GetListPairs())
            if (shown.ListCtrl(pair.source).GetItemCount() > 0) {
                shown.UserSelect(pair.source, {shown.ListCtrl(pair.source).GetItems()[0].GetVariableName()});
                shown.UserClick(pair.addButton);
            }
        for (const ControlKind kind : {ControlKind::Check, ControlKind::FileEdit, ControlKind::Combo})
            for (UINT id : shown.GetCtrlIDs()) {
                const CTKCtrl& c = shown.Ctrl(id);
                if (c.GetKind() != kind || (!all && kind != ControlKind::Combo))
                    continue;
                if (kind == ControlKind::Check)
                    shown.UserCheck(id, 1);
                else if (kind == ControlKind::FileEdit && c.m_strText.IsEmpty())
                    shown.UserTypeText(id, L"out.tvz");
                else if (kind == ControlKind::Combo && !c.m_comboItems.empty())
                    shown.UserCombo(id, static_cast<int>(c.m_comboItems.size()) - 1);
            }
    }
}

Lines LinesOf(HostApp& host, UINT command) {
    CCmdList lines;
    host.FindRecord(command)->GetCommandInfoList(lines);
    Lines out;
    for (const auto& line : lines)
        out.push_back(line.GetCommand().ToUtf8());
    return out;
}

Bytes ArchiveOf(HostApp& host, UINT command) {
    return Store(*host.FindRecord(command));
}

std::vector<UINT> DialogCommands() {
    std::vector<UINT> commands;
    for (const HostMenuItem& item : ModuleMenuItems())
        commands.push_back(item.command);
    return commands;
}

class EveryDialog : public ::testing::TestWithParam<UINT> {
protected:
    void SetUp() override {
        Prepare(host);
        if (!host.IsModuleCommand(GetParam()))
            GTEST_SKIP() << "not the module's";
    }
    static void Prepare(HostApp& h) {
        h.LoadModule(DLGSTAT1_MODULE_PATH);
        h.Data().LoadCsv(DLGSTAT1_TEST_SOURCE_DIR "/Resources/data/example.csv");
    }
    // The command's dialog used as `act` says; false for a command that keeps no record.
    bool Use(std::function<void(CGUIBaseDlg&)> act) {
        Driver driver(std::move(act));
        host.RouteCommand(GetParam());
        return host.FindRecord(GetParam()) != nullptr;
    }
    // Used as fully as the dialog accepts: every option Exercise sets, else its lists and combos.
    bool UseFully() {
        if (!Use({}))
            return false;
        const Bytes untouched = ArchiveOf(host, GetParam());
        Use([](CGUIBaseDlg& dlg) { Exercise(dlg, true); });
        if (ArchiveOf(host, GetParam()) == untouched)
            Use([](CGUIBaseDlg& dlg) { Exercise(dlg, false); });
        return true;
    }
    // The store of the command's record alone, its archive `archive`.
    Bytes StoreOf(const Bytes& archive) const { return RecordStore::Encode({{GetParam(), archive}}); }
    // The fields read from the command's archive, with their offsets in it.
    std::vector<CArchive::FieldRead> FieldsRead() {
        CArchive ar(ArchiveOf(host, GetParam()));
        std::vector<CArchive::FieldRead> fields;
        ar.SetFieldLog(&fields);
        host.FindRecord(GetParam())->LoadFromArchive(ar);
        return fields;
    }

    std::ostringstream out;
    HostApp host{out};
};

TEST_P(EveryDialog, WhatIsKeptComesBackInAFreshSessionAndInTheSameOne) {
    // The continuous calculator's plot lines come from its last computation, which is not kept.
    const bool linesKept = GetParam() != 1056;
    for (const bool used : {false, true}) {
        if (!(used ? UseFully() : Use({})))
            GTEST_SKIP() << "keeps no record";
        const Bytes archive = ArchiveOf(host, GetParam());
        const Lines lines = LinesOf(host, GetParam());
        const auto store = host.SaveRecords();
        host.OpenRecords(store);
        EXPECT_EQ(ArchiveOf(host, GetParam()), archive) << Hex(archive);
        if (linesKept) {
            EXPECT_EQ(LinesOf(host, GetParam()), lines);
        }
        EXPECT_EQ(host.SaveRecords(), store);
    }
    const auto store = host.SaveRecords();
    const Lines lines = LinesOf(host, GetParam());
    HostApp fresh(out);  // the last used: it takes the module's host interface from `host`
    Prepare(fresh);
    fresh.OpenRecords(store);
    EXPECT_EQ(fresh.SaveRecords(), store);
    if (linesKept) {
        EXPECT_EQ(LinesOf(fresh, GetParam()), lines);
    }
}

TEST_P(EveryDialog, ALineOrParagraphBreakInAnyTextIsRefusedNamingTheRecord) {
    if (!UseFully())
        GTEST_SKIP() << "keeps no record";
    const Bytes archive = ArchiveOf(host, GetParam());
    const auto kept = host.SaveRecords();
    int texts = 0;
    for (const CArchive::FieldRead& field : FieldsRead()) {
        if (!field.isText)
            continue;
        const Bytes old = StoreWith([&](CArchive& ar) { ar.WriteString(field.text); });
        const bool paragraph = ++texts % 2 == 0;
        const Bytes planted = StoreWith(
            [&](CArchive& ar) { ar.WriteString(field.text + (paragraph ? L"\u2029" : L"\nFORGED LINE")); });
        Bytes forged(archive.begin(), archive.begin() + static_cast<std::ptrdiff_t>(field.offset));
        forged.insert(forged.end(), planted.begin(), planted.end());
        forged.insert(forged.end(), archive.begin() + static_cast<std::ptrdiff_t>(field.offset + old.size()),
                      archive.end());
        try {
            host.OpenRecords(StoreOf(forged));
            ADD_FAILURE() << "opened with a break in " << field.text.ToUtf8();
        } catch (const HostError& e) {
            EXPECT_EQ(
                std::string(e.what()).rfind("record for command " + std::to_string(GetParam()) + ": ", 0), 0u)
                << e.what();
        }
        ASSERT_EQ(host.SaveRecords(), kept);
    }
    if (texts == 0)
        GTEST_SKIP() << "holds no text";
}

TEST_P(EveryDialog, AnImpossibleIndexReachesNoLineAndEndsNoRun) {
    if (!UseFully())
        GTEST_SKIP() << "keeps no record";
    const Bytes archive = ArchiveOf(host, GetParam());
    for (const CArchive::FieldRead& field : FieldsRead()) {
        if (field.isText)
            continue;
        for (const std::int32_t index : {-1, 1000}) {
            Bytes planted = archive;
            for (int b = 0; b < 4; ++b)
                planted[field.offset + static_cast<std::size_t>(b)] =
                    static_cast<std::uint8_t>(index >> (8 * b));
            // Read as a record kept from other data is: the store's own checks may refuse what the data
            // of the day makes impossible.
            try {
                CArchive ar(planted);
                host.FindRecord(GetParam())->LoadFromArchive(ar);
            } catch (const CArchiveException&) {
                continue;  // not a record of this kind at all
            }
            out.str("");
            const Lines lines = LinesOf(host, GetParam());
            Use([](CGUIBaseDlg&) {});
            // An exception that escaped the module would be reported by the host's own file.
            EXPECT_EQ(out.str().find("assert: HostApp.cpp"), std::string::npos)
                << index << " at byte " << field.offset << "\n"
                << out.str();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Menus, EveryDialog, ::testing::ValuesIn(DialogCommands()),
                         [](const auto& p) { return std::to_string(p.param); });

TEST(RecordStore, AStoreIsWholeOrRefused) {
    const Bytes one = {1, 0, 0, 0, 1, 0, 0, 0};
    const auto store = RecordStore::Encode({{1039, one}});
    EXPECT_EQ(RecordStore::Decode(store).at(0).bytes, one);
    Bytes longer = store;
    longer.push_back(0);
    for (const auto& [bytes, why] : std::vector<std::pair<Bytes, std::string>>{
             {Bytes(store.begin(), store.end() - 1), "its 8 bytes run past the end of the store"},
             {longer, "1 bytes after the last record"},
             {RecordStore::Encode({{1039, one}, {1039, one}}), "the command is stored twice"},
         }) {
        try {
            RecordStore::Decode(bytes);
            ADD_FAILURE() << why;
        } catch (const HostError& e) {
            EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
        }
    }
}

// The discrete calculator stores the value 4 bytes wide unless the function is the inverse; the function
// index that says so comes after it. A record reads back whatever its store holds.
TEST(RecordStore, DiscreteCalculatorReadsBackWhateverFunctionItHeld) {
    for (const int stored : {CProbabilityData::FunctionCF, CProbabilityData::FunctionIF})
        for (const int held : {CProbabilityData::FunctionDF, CProbabilityData::FunctionIF}) {
            CProbabilityData written;
            written.SetDialogID(CProbabilityData::kDiscrete);
            written.FunctionRadio = stored;
            written.Value = stored == CProbabilityData::FunctionIF ? 0.25 : 7;
            written.Text = L"\xFEFF\xFFFF";  // the wide-string mark, where the 4-byte reading has its text
            const Bytes bytes = Store(written);
            CProbabilityData reader;
            reader.SetDialogID(CProbabilityData::kDiscrete);
            reader.FunctionRadio = held;
            CArchive ar(bytes);
            reader.LoadFromArchive(ar);
            EXPECT_TRUE(ar.AtEnd());
            EXPECT_EQ(Store(reader), bytes) << stored << " read by " << held;
            EXPECT_EQ(reader.FunctionRadio, stored);
            EXPECT_EQ(reader.Value, written.Value);
        }
}

}  // namespace
