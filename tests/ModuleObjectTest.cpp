// The module object and the library's entry: what the host sees when it loads the module.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

#include "FakeHost.h"
#include "Platform/Windowing.h"
#include "Source/CDlgStat1.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

// The group constructors' own reports when they get no host, in group order.
const std::vector<Assertion> kGroupAssertions{
    {L"DescriptiveStatisticsMsg.cpp", 32},
    {L"DesignofExperimentsMsg.cpp", 41},
    {L"MonteCarloMsg.cpp", 36},
    {L"NonparametricTestsMsg.cpp", 38},
    {L"ScaleMsg.cpp", 33},
    {L"TablesMsg.cpp", 35},
    {L"TestingHypothesesMsg.cpp", 35},
    {L"TimeSeriesMsg.cpp", 40},
    {L"Stat1SingleMenuItemsMsg.cpp", 35},
};

std::vector<Assertion> Concat(std::vector<Assertion> head, const std::vector<Assertion>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// The built library: where ctest says, else beside the test's own folder.
std::string ModulePath() {
    if (const char* path = std::getenv("TVKHOST_MODULE"))
        return path;
    return (std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "libDlgStat1.so")
        .string();
}

TEST(ModuleObject, NullGlobalIsReportedByTheConstructorAndEveryGroupAndTheObjectIsBuilt) {
    FakeHost host(false);
    CDlgStat1 module(nullptr);
    EXPECT_EQ(host.assertions, Concat({{L"DlgStat1.cpp", 78}}, kGroupAssertions));
    EXPECT_EQ(module.GetGlobal(), nullptr);
    EXPECT_EQ(module.GetKernel(), nullptr);
    EXPECT_EQ(module.GetData(), nullptr);
    EXPECT_NE(module.GetTimeSeriesMsg(), nullptr);
}

TEST(ModuleObject, KeepsTheHostAndLooksUpKernelAndData) {
    FakeHost host;
    CDlgStat1 module(&host);
    EXPECT_TRUE(host.assertions.empty());
    EXPECT_EQ(module.GetGlobal(), &host);
    EXPECT_EQ(host.lookups, (std::vector<std::wstring>{L"TvkKernel", L"TvkData"}));
    EXPECT_EQ(module.GetKernel(), &host.kernel);
    EXPECT_EQ(module.GetData(), &host.data);
    EXPECT_NE(module.GetDlgBase(), nullptr);
    EXPECT_TRUE(module.GetName().IsEmpty());
    module.SetName(L"Stat1");
    EXPECT_EQ(module.GetName(), L"Stat1");
}

TEST(ModuleObject, ModuleOfTheWrongKindOrMissingLeavesItsPointerNull) {
    FakeHost host;
    host.modules[L"TvkKernel"] = &host.data;  // a data module answering to the kernel's name
    host.modules[L"TvkData"] = nullptr;
    CDlgStat1 module(&host);
    EXPECT_EQ(module.GetKernel(), nullptr);
    EXPECT_EQ(module.GetData(), nullptr);
    EXPECT_TRUE(host.assertions.empty());
}

TEST(ModuleObject, PrintWritesItsNameAndAnEndOfLine) {
    FakeHost host;
    CDlgStat1 module(&host);
    std::wostringstream captured;
    auto* previous = std::wcout.rdbuf(captured.rdbuf());
    module.Print();
    std::wcout.rdbuf(previous);
    EXPECT_EQ(captured.str(), L"DlgStat1 Module\n");
}

// ---- ReleaseHolder --------------------------------------------------------------------------------

struct HolderCase {
    long count;
    int eventCode;
    long countAfter;  // when the holder survives
    bool released;
};

class ReleaseHolder : public ::testing::TestWithParam<HolderCase> {};

TEST_P(ReleaseHolder, DropsReferencesAndReleasesAtZero) {
    const auto& c = GetParam();
    FakeHost host;
    CDlgStat1 module(&host);
    FakeModule held;
    auto* holder = new IModule::Holder{&held, c.count};
    EXPECT_FALSE(module.ReleaseHolder(holder, c.eventCode));
    EXPECT_EQ(held.releases, c.released ? 1 : 0);
    if (!c.released) {
        EXPECT_EQ(holder->nRefCount, c.countAfter);
        delete holder;
    }
}

INSTANTIATE_TEST_SUITE_P(EventCodes, ReleaseHolder,
                         ::testing::Values(HolderCase{3, 2, 3, false}, HolderCase{1, 3, 1, false},
                                           HolderCase{3, 0, 2, false}, HolderCase{1, 0, 0, true},
                                           HolderCase{3, 1, 1, false}, HolderCase{2, 1, 0, true},
                                           HolderCase{0, 0, 0, true}));

TEST(ModuleObject, ReleaseHolderOfNothingDoesNothing) {
    FakeHost host;
    CDlgStat1 module(&host);
    EXPECT_FALSE(module.ReleaseHolder(nullptr, 0));
    IModule::Holder empty{nullptr, 1};
    auto* holder = new IModule::Holder(empty);
    EXPECT_FALSE(module.ReleaseHolder(holder, 0));  // freed, nothing to release
}

// ---- the library as the host loads it ------------------------------------------------------------

class Library {
public:
    explicit Library(const std::string& path) : m_handle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
    ~Library() {
        if (m_handle)
            dlclose(m_handle);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    void* Handle() const { return m_handle; }
    GetModuleFactoryFn Entry() const {
        return reinterpret_cast<GetModuleFactoryFn>(dlsym(m_handle, "GetModuleFactory"));
    }

private:
    void* m_handle;
};

TEST(ModuleLibrary, NullGlobalIsReportedByEntryAndConstructorAndAnObjectIsReturned) {
    FakeHost host(false);
    Library library(ModulePath());
    ASSERT_NE(library.Handle(), nullptr) << dlerror();
    ASSERT_NE(library.Entry(), nullptr);
    IDlgStat1* module = library.Entry()(nullptr);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(host.assertions, Concat({{L"DlgStat1.cpp", 79}, {L"DlgStat1.cpp", 78}}, kGroupAssertions));
    EXPECT_NE(module->GetTablesMsg(), nullptr);
    module->Release();
}

TEST(ModuleLibrary, EntryBuildsAModuleOnTheHost) {
    FakeHost host;
    Library library(ModulePath());
    ASSERT_NE(library.Handle(), nullptr) << dlerror();
    IDlgStat1* module = library.Entry()(&host);
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(host.assertions.empty());
    EXPECT_EQ(module->GetGlobal(), &host);
    EXPECT_EQ(host.lookups, (std::vector<std::wstring>{L"TvkKernel", L"TvkData"}));
    std::set<CTKMsg*> groups{module->GetDescriptiveStatisticsMsg(),
                             module->GetDesignofExperimentsMsg(),
                             module->GetMonteCarloMsg(),
                             module->GetNonparametricTestsMsg(),
                             module->GetScaleMsg(),
                             module->GetTablesMsg(),
                             module->GetTestingHypothesesMsg(),
                             module->GetTimeSeriesMsg(),
                             module->GetStat1SingleMenuItemsMsg()};
    groups.erase(nullptr);
    EXPECT_EQ(groups.size(), 9u);
    module->Release();
}

// A fresh process, so that nothing registered the message or the library before the load.
TEST(ModuleLibraryDeathTest, LoadRegistersTheMessageAndTheExtensionLibrary) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string path = ModulePath();
    EXPECT_EXIT(
        {
            const bool before = FindRegisteredWindowMessage(L"UpdateStatusBar") == 0 &&
                                !AfxIsExtensionLibraryRegistered(L"DlgStat1");
            void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            const bool loaded = handle && FindRegisteredWindowMessage(L"UpdateStatusBar") >= 0xC000 &&
                                AfxIsExtensionLibraryRegistered(L"DlgStat1");
            std::fprintf(stderr, "before %d loaded %d\n", before, loaded);
            std::_Exit(before && loaded ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "before 1 loaded 1");
}

// Only the entry leaves the library; everything else stays inside.
TEST(ModuleLibrary, ExportsOnlyTheEntry) {
    const std::string command = "nm -D --defined-only '" + ModulePath() + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> symbols;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe)) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name)
            symbols.insert(name);
    }
    const int status = pclose(pipe);
    if (status != 0 && symbols.empty())
        GTEST_SKIP() << "nm is not available";
    EXPECT_EQ(symbols, std::set<std::string>{"GetModuleFactory"});
}

}  // namespace
