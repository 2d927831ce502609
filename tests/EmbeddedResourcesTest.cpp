// The framework's tables are made of what loaded libraries register: a library's files come with it, a
// path two libraries hold answers with the first one's file, and the tables see a library that loads
// after they were first read.
#include <gtest/gtest.h>

#include <algorithm>

#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkUseRes/EmbeddedResources.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

constexpr UINT kLateString = 4'000'000'001;
constexpr UINT kTipsTemplate = 4'000'000'002;

TEST(EmbeddedResources, ALibrarysFilesComeAndGoWithItAndTheFirstHoldsAPath) {
    const EmbeddedResource* moduleMenus = FindRegisteredResource("menus/menus.txt");
    ASSERT_NE(moduleMenus, nullptr) << "the module's own files are registered when it loads";
    ASSERT_EQ(GetString(12334), CString(L"LESS"));
    static const EmbeddedResource kLate[] = {
        {"menus/menus.txt", "1 \"Other\"\n"},
        {"strings/late.txt", "4000000001 \"late\"\n"},
        {nullptr, {}},
    };
    const unsigned before = RegisteredResourcesGeneration();
    {
        const EmbeddedResourceRegistration late(kLate);
        EXPECT_NE(RegisteredResourcesGeneration(), before);
        EXPECT_EQ(FindRegisteredResource("menus/menus.txt"), moduleMenus);
        EXPECT_EQ(FindRegisteredResource("strings/late.txt"), &kLate[1]);
        const auto files = RegisteredResources();
        EXPECT_EQ(std::count_if(files.begin(), files.end(),
                                [](const EmbeddedResource* f) {
                                    return std::string_view(f->path) == "menus/menus.txt";
                                }),
                  1);
        EXPECT_EQ(GetString(kLateString), CString(L"late"));
    }
    EXPECT_EQ(FindRegisteredResource("strings/late.txt"), nullptr);
    EXPECT_EQ(FindRegisteredResource("menus/menus.txt"), moduleMenus);
}

// A template line says its control's tooltip, which the dialog may replace in AddToolTips, and which
// check enables it (`when`) or disables it (`unless`), named above or below.
class TipsDlg : public CGUIBaseDlg {
public:
    TipsDlg() : CGUIBaseDlg(kTipsTemplate) {}
    void AddToolTips() override { AddToolTip(3, L"computed", 0); }
};

TEST(EmbeddedResources, ATemplateLineGivesItsControlsTipAndTheCheckThatEnablesIt) {
    static const EmbeddedResource kTips[] = {
        {"templates/tips.txt",
         "DIALOG 4000000002 \"Tips\"\n"
         "1 uintedit \"\" IDC_A wide tip \"[1, +inf)\" when IDC_D\n"
         "2 edit \"\" IDC_B unless IDC_D\n"
         "3 edit \"\" IDC_C tip \"(0, 1)\"\n"
         "4 check \"D\" IDC_D\n"
         // The record's tables that may end a template are the build's, not the window's.
         "OPTIONS TIPS_OPTIONS\n"
         "CGUIData<int> AEdit = 1\n"},
        {nullptr, {}},
    };
    const EmbeddedResourceRegistration tips(kTips);
    const DialogTemplate* t = ResourceTables::Get().FindTemplate(kTipsTemplate);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->controls.size(), 4u);
    EXPECT_EQ(t->controls[0].tip, CString(L"[1, +inf)"));
    EXPECT_EQ(t->controls[0].names, std::vector<std::string>{"IDC_A"})
        << "a governor is not the control's name";
    EXPECT_EQ(t->controls[0].hints, std::vector<std::string>{"wide"}) << "a tip is no layout hint";

    TipsDlg dlg;
    dlg.CreateWindowFromTemplate();
    dlg.OnInitDialog();
    dlg.UpdateDependentWindows();
    EXPECT_EQ(dlg.GetToolTip(1), CString(L"[1, +inf)"));
    EXPECT_EQ(dlg.GetToolTip(2), CString());
    EXPECT_EQ(dlg.GetToolTip(3), CString(L"computed"));
    EXPECT_FALSE(dlg.IsCtrlEnabled(1));
    EXPECT_TRUE(dlg.IsCtrlEnabled(2));
    dlg.SetCtrlChecked(4, 1);
    dlg.UpdateDependentWindows();
    EXPECT_TRUE(dlg.IsCtrlEnabled(1));
    EXPECT_FALSE(dlg.IsCtrlEnabled(2));
    EXPECT_TRUE(dlg.IsCtrlEnabled(3)) << "a control no check governs is left alone";

    for (const char* bad : {"1 edit \"\" IDC_A tip\n", "1 edit \"\" IDC_A when IDC_NONE\n",
                            "1 edit \"\" IDC_A when IDC_A unless IDC_A\n"}) {
        ResourceTables tables;
        try {
            tables.Parse("templates/bad.txt", std::string("DIALOG 7 \"Bad\"\n") + bad);
            ADD_FAILURE() << "taken: " << bad;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("templates/bad.txt:2"), std::string::npos) << e.what();
        }
    }
}

}  // namespace
