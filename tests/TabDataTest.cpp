// The composite record machinery, on small composites of test pages.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <string>
#include <utility>
#include <vector>

#include "FakeHost.h"
#include "Private/TabData.h"
#include "Source/CDlgStat1.h"
#include "TvkDlgBase/CBootStrapData.h"

namespace {

// What the test pages were asked, in order, across all pages.
std::vector<std::wstring> g_calls;
// When set, a page asked for its lines changes the kernel's print setting, as a page's own lines might.
FakeKernel* g_kernelToChange = nullptr;

template <int Tag>
class TestPage : public CGUIBaseObj {
public:
    void Serialize(CArchive& ar) override {
        CGUIBaseObj::Serialize(ar);
        ar.Io(value, text);
    }
    void FillListSource() override { g_calls.push_back(Name() + L" fill"); }
    void ReassignDefaultValue() override { g_calls.push_back(Name() + L" reassign"); }
    void GetCommandInfoList(CCmdList& lines) const override {
        if (g_kernelToChange)
            g_kernelToChange->print = 0;
        lines.AddTail(CCmdInfo(Name() + L" " + std::to_wstring(value), 0));
    }
    static std::wstring Name() { return L"PAGE" + std::to_wstring(Tag); }

    int value = Tag;
    CString text;
};

using PageA = TestPage<1>;
using PageB = TestPage<2>;

class CPlainTabData : public CTabData<PageA, PageB, CBootStrapData> {};

class COrderedTabData : public CTabData<PageA, PageB, CBootStrapData> {
protected:
    std::vector<int> GetAskOrder() const override { return {1, 0, 2}; }
};

class CBadOrderTabData : public CTabData<PageA, PageB, CBootStrapData> {
protected:
    std::vector<int> GetAskOrder() const override { return {1, 1, 2}; }
};

class CPrintTabData : public CTabData<PageA, PageB> {
protected:
    bool ResetsPrintSetting() const override { return true; }
};

class TabDataTest : public ::testing::Test {
protected:
    void SetUp() override { g_calls.clear(); }
    void TearDown() override { g_kernelToChange = nullptr; }
    FakeHost host;
};

TEST_F(TabDataTest, PagesAppendTheirLinesInPageOrderWhileTheirWindowStateIsSet) {
    CPlainTabData tab;
    EXPECT_EQ(LinesOf(tab), (std::vector<std::wstring>{L"PAGE1 1", L"PAGE2 2"}));

    tab.Page<CBootStrapData>().BootStrapCheck = 1;
    tab.Page<PageA>().SetWindowState(0);
    EXPECT_EQ(LinesOf(tab), (std::vector<std::wstring>{L"PAGE2 2", L"BOOTSTRAP / SAMPLES = 1000"}));

    // A clear window state silences the resampling page too, whatever its options say.
    tab.Page<PageB>().SetWindowState(0);
    tab.Page<CBootStrapData>().SetWindowState(0);
    EXPECT_TRUE(LinesOf(tab).empty());
}

TEST_F(TabDataTest, AnAskOrderChangesTheLinesButNotTheArchive) {
    COrderedTabData ordered;
    CPlainTabData plain;
    ordered.Page<CBootStrapData>().BootStrapCheck = 1;
    plain.Page<CBootStrapData>().BootStrapCheck = 1;
    EXPECT_EQ(LinesOf(ordered),
              (std::vector<std::wstring>{L"PAGE2 2", L"PAGE1 1", L"BOOTSTRAP / SAMPLES = 1000"}));
    EXPECT_EQ(Store(ordered), Store(plain));
}

TEST_F(TabDataTest, AnAskOrderThatIsNoOrderOfThePagesIsReportedAndPageOrderUsed) {
    CBadOrderTabData tab;
    EXPECT_EQ(LinesOf(tab), (std::vector<std::wstring>{L"PAGE1 1", L"PAGE2 2"}));
    ASSERT_EQ(host.assertions.size(), 1u);
    EXPECT_EQ(host.assertions[0].file, L"TabData.cpp");
}

TEST_F(TabDataTest, PrintSettingIsReadBeforeThePagesAndPutBackAfterThem) {
    // The module's kernel holds 3; the host's own copy a different value, so the source shows.
    FakeKernel moduleKernel;
    moduleKernel.print = 3;
    host.modules[L"TvkKernel"] = &moduleKernel;
    host.kernel.print = 1;
    CDlgStat1 module(&host);
    g_pDlgStat1 = &module;

    CPrintTabData tab;
    g_kernelToChange = &moduleKernel;
    EXPECT_EQ(LinesOf(tab), (std::vector<std::wstring>{L"PAGE1 1", L"PAGE2 2", L"PLENGTH LONG"}));

    // Even with no page contributing, the reset closes the lines.
    moduleKernel.print = 1;
    tab.Page<PageA>().SetWindowState(0);
    tab.Page<PageB>().SetWindowState(0);
    EXPECT_EQ(LinesOf(tab), (std::vector<std::wstring>{L"PLENGTH SHORT"}));
    g_pDlgStat1 = nullptr;
}

TEST_F(TabDataTest, WithoutAModuleKernelThePrintSettingComesFromTheHost) {
    CDlgStat1* const module = std::exchange(g_pDlgStat1, nullptr);
    host.kernel.print = 0;
    CPrintTabData tab;
    EXPECT_EQ(LinesOf(tab).back(), L"PLENGTH NONE");
    g_pDlgStat1 = module;
}

TEST_F(TabDataTest, ArchiveIsTheBasePartFollowedByEachPagesOwnArchive) {
    CPlainTabData tab;
    tab.Page<PageA>().value = 11;
    tab.Page<PageA>().text = L"first";
    tab.Page<PageB>().SetWindowState(0);
    tab.Page<CBootStrapData>().SamplesEdit.SetUserValue(500);
    tab.SetWindowState(0);

    std::vector<std::uint8_t> expected = {1, 0, 0, 0, 0, 0, 0, 0};  // version 1, window state 0
    for (int i = 0; i < tab.GetPageCount(); ++i) {
        const auto page = Store(*tab.GetPage(i));
        expected.insert(expected.end(), page.begin(), page.end());
    }
    EXPECT_EQ(Store(tab), expected);
}

// The every-record test checks that copies keep every field; here, whose pages they are.
TEST_F(TabDataTest, ACopysPagesBelongToTheCopy) {
    CPlainTabData original;
    CPlainTabData copy(original);
    CPlainTabData assigned;
    assigned = original;
    for (CPlainTabData* tab : {&copy, &assigned})
        for (int i = 0; i < tab->GetPageCount(); ++i)
            EXPECT_EQ(tab->GetPage(i)->GetParent(), tab);
}

TEST_F(TabDataTest, SetParentReportsAParentAndMakesTheCompositeEveryPagesParent) {
    CPlainTabData tab;
    tab.SetParent(nullptr);
    EXPECT_TRUE(host.assertions.empty());

    CPlainTabData other;
    tab.SetParent(&other);
    ASSERT_EQ(host.assertions.size(), 1u);
    EXPECT_EQ(host.assertions[0].file, L"TabData.cpp");
    EXPECT_EQ(tab.GetParent(), &other);
    for (int i = 0; i < tab.GetPageCount(); ++i)
        EXPECT_EQ(tab.GetPage(i)->GetParent(), &tab);
    EXPECT_EQ(tab.GetPage(3), nullptr);
    EXPECT_EQ(tab.GetPage(-1), nullptr);
}

TEST_F(TabDataTest, SourceListsAndDefaultsAreAskedOfThePagesInPageOrder) {
    CPlainTabData tab;
    tab.FillListSource();
    tab.ReassignDefaultValue();
    EXPECT_EQ(g_calls, (std::vector<std::wstring>{L"PAGE1 fill", L"PAGE2 fill", L"PAGE1 reassign",
                                                  L"PAGE2 reassign"}));
}

TEST_F(TabDataTest, APageFindsItsCompositeAndItsSisters) {
    CPlainTabData tab;
    const PageA& a = tab.Page<PageA>();
    EXPECT_EQ(GetParentTab(a), &tab);
    EXPECT_EQ(FindSisterPage<CBootStrapData>(a), &tab.Page<CBootStrapData>());
    EXPECT_EQ(FindSisterPage<PageB>(a), &tab.Page<PageB>());
    // A page is not its own sister.
    EXPECT_EQ(FindSisterPage<PageA>(a), nullptr);

    PageA alone;
    EXPECT_EQ(GetParentTab(alone), nullptr);
    EXPECT_EQ(FindSisterPage<CBootStrapData>(alone), nullptr);
}

}  // namespace
