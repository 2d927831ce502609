#include <gtest/gtest.h>

#include <set>

#include "DialogTestUtil.h"
#include "FakeHost.h"
#include "Source/CDlgStat1.h"

namespace {

// Every dialog identifier of the module's menus and the group (getter order) that owns it.
struct Owner {
    UINT first;
    UINT last;
    int group;
};
constexpr Owner kOwners[] = {
    {1060, 1063, 0}, {1021, 1032, 1}, {1067, 1069, 1}, {1084, 1084, 1}, {1002, 1003, 2},
    {1034, 1036, 2}, {1056, 1057, 2}, {1088, 1088, 2}, {1013, 1019, 3}, {1089, 1090, 3},
    {1012, 1012, 4}, {1037, 1038, 4}, {1058, 1059, 4}, {1004, 1005, 5}, {1064, 1066, 5},
    {1087, 1087, 5}, {1091, 1091, 5}, {1070, 1083, 6}, {1039, 1053, 7}, {1085, 1085, 7},
    {1001, 1001, 8}, {1020, 1020, 8}, {1033, 1033, 8}, {1054, 1055, 8}, {1086, 1086, 8},
};

class MenuGroups : public ::testing::Test {
protected:
    MenuGroups() : module(&host) {
        for (const wchar_t* name : {L"A", L"B", L"C"})
            host.data.AddNumeric(name);
    }
    std::vector<CTKMsg*> Groups() {
        return {module.GetDescriptiveStatisticsMsg(),
                module.GetDesignofExperimentsMsg(),
                module.GetMonteCarloMsg(),
                module.GetNonparametricTestsMsg(),
                module.GetScaleMsg(),
                module.GetTablesMsg(),
                module.GetTestingHypothesesMsg(),
                module.GetTimeSeriesMsg(),
                module.GetStat1SingleMenuItemsMsg()};
    }
    bool Enabled(UINT id) {
        CCmdUI ui(id);
        for (CTKMsg* g : Groups())
            if (g->IsOwnCommand(id))
                g->OnUpdateTKCommand(&ui);
        return ui.m_bEnabled;
    }

    FakeHost host;
    CDlgStat1 module;
};

TEST_F(MenuGroups, EachIdentifierHasExactlyItsOwnGroup) {
    const auto groups = Groups();
    for (const auto& o : kOwners)
        for (UINT id = o.first; id <= o.last; ++id)
            for (int g = 0; g < 9; ++g)
                EXPECT_EQ(groups[static_cast<std::size_t>(g)]->IsOwnCommand(id) != 0, g == o.group)
                    << "item " << id << " group " << g;
    for (UINT id : {1000u, 1006u, 1092u, 33001u})
        for (CTKMsg* g : groups)
            EXPECT_FALSE(g->IsOwnCommand(id)) << id;
}

TEST_F(MenuGroups, LockedHostLeavesOnlyTheAlwaysItems) {
    host.locked = true;
    const std::set<UINT> stayEnabled = {1021, 1022, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030,
                                        1031, 1032, 1084, 1034, 1035, 1036, 1056, 1057, 1088};
    for (const auto& o : kOwners)
        for (UINT id = o.first; id <= o.last; ++id)
            EXPECT_EQ(Enabled(id), stayEnabled.count(id) > 0) << id;
}

// Every item but the design items that show a message and the series items that send fixed lines opens
// a dialog: no row of a group is left without its launcher.
TEST_F(MenuGroups, EveryOtherItemOpensItsDialog) {
    const std::set<UINT> withoutDialog = {1067, 1068, 1069, 1042, 1043, 1046};
    const auto groups = Groups();
    for (const auto& o : kOwners)
        for (UINT id = o.first; id <= o.last; ++id) {
            ScriptedDriver driver([](CGUIBaseDlg&) { return IDCANCEL; });
            groups[static_cast<std::size_t>(o.group)]->OnTKCommand(id);
            EXPECT_EQ(driver.runs, withoutDialog.count(id) ? 0 : 1) << id;
        }
}

TEST_F(MenuGroups, DesignItemsWithoutADialogShowAMessage) {
    for (UINT id : {1067u, 1068u, 1069u})
        EXPECT_TRUE(module.GetDesignofExperimentsMsg()->OnTKCommand(id));
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0], L"Message is not Handled");
    EXPECT_EQ(module.GetDesignofExperimentsMsg()->GetDID(), 1069u);
}

}  // namespace
