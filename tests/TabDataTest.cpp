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

std::vector<std::uint8_t> Store(CGUIBaseObj& record) {
    CArchive ar;
    record.Serialize(ar);
    return ar.GetBuffer();
}

// A composite whose every page differs from its default.
template <class Tab>
void MakeNonDefault(Tab& tab) {
    tab.template Page<PageA>().value = 11;
    tab.template Page<PageA>().text = L"first";
    tab.template Page<PageB>().value = 22;
    tab.template Page<PageB>().SetWindowState(0);
    if constexpr (Tab::kPageCount == 3) {
        auto& resampling = tab.template Page<CBootStrapData>();
        resampling.BootStrapCheck = 1;
        resampling.MethodCombo = CBootStrapData::MethodBalanced;
        resampling.SamplesEdit.SetUserValue(500);
    }
}

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
    MakeNonDefault(tab);
    tab.SetWindowState(0);

    std::vector<std::uint8_t> expected = {1, 0, 0, 0, 0, 0, 0, 0};  // version 1, window state 0
    for (int i = 0; i < tab.GetPageCount(); ++i) {
        const auto page = Store(*tab.GetPage(i));
        expected.insert(expected.end(), page.begin(), page.end());
    }
    EXPECT_EQ(Store(tab), expected);
}

TEST_F(TabDataTest, StoringAndReloadingRestoresEveryPage) {
    CPlainTabData stored;
    MakeNonDefault(stored);
    const auto bytes = Store(stored);

    CPlainTabData loaded;
    CArchive in(bytes);
    loaded.LoadFromArchive(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded.Page<PageA>().value, 11);
    EXPECT_EQ(loaded.Page<PageA>().text, L"first");
    EXPECT_EQ(loaded.Page<PageB>().value, 22);
    EXPECT_EQ(loaded.Page<PageB>().GetWindowState(), 0);
    EXPECT_EQ(loaded.Page<CBootStrapData>().MethodCombo, CBootStrapData::MethodBalanced);
    EXPECT_EQ(loaded.Page<CBootStrapData>().SamplesEdit, stored.Page<CBootStrapData>().SamplesEdit);
    EXPECT_EQ(Store(loaded), bytes);
}

TEST_F(TabDataTest, AShortArchiveLeavesTheCompositeAsItWas) {
    CPlainTabData stored;
    MakeNonDefault(stored);
    auto bytes = Store(stored);
    bytes.resize(bytes.size() - 3);

    CPlainTabData target;
    const auto before = Store(target);
    CArchive in(bytes);
    EXPECT_THROW(target.LoadFromArchive(in), CArchiveException);
    EXPECT_EQ(Store(target), before);
}

TEST_F(TabDataTest, CopiesArePageByPageAndTheirPagesBelongToTheCopy) {
    CPlainTabData original;
    MakeNonDefault(original);

    CPlainTabData copy(original);
    EXPECT_EQ(Store(copy), Store(original));
    for (int i = 0; i < copy.GetPageCount(); ++i)
        EXPECT_EQ(copy.GetPage(i)->GetParent(), &copy);

    CPlainTabData assigned;
    assigned = original;
    EXPECT_EQ(Store(assigned), Store(original));
    for (int i = 0; i < assigned.GetPageCount(); ++i)
        EXPECT_EQ(assigned.GetPage(i)->GetParent(), &assigned);

    auto& self = assigned;
    assigned = self;
    EXPECT_EQ(Store(assigned), Store(original));
}

TEST_F(TabDataTest, GetAllAndSetAllMoveEveryPage) {
    CPlainTabData tab;
    PageA a;
    PageB b;
    CBootStrapData resampling;
    a.value = 5;
    b.text = L"b";
    resampling.SeedEdit.SetUserValue(42);
    EXPECT_EQ(tab.SetAll(a, b, resampling), 1);
    EXPECT_EQ(tab.Page<0>().value, 5);
    EXPECT_EQ(tab.Page<1>().text, L"b");
    EXPECT_EQ(tab.Page<2>().SeedEdit.GetValue(), 42);
    // The pages stay the composite's.
    EXPECT_EQ(tab.Page<0>().GetParent(), &tab);

    PageA outA;
    PageB outB;
    CBootStrapData outResampling;
    EXPECT_EQ(tab.GetAll(outA, outB, outResampling), 1);
    EXPECT_EQ(outA.value, 5);
    EXPECT_EQ(outB.text, L"b");
    EXPECT_EQ(outResampling.SeedEdit.GetValue(), 42);
    EXPECT_EQ(outA.GetParent(), nullptr);
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
