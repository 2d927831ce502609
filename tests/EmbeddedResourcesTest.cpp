// The framework's tables are made of what loaded libraries register: a library's files come with it, a
// path two libraries hold answers with the first one's file, and the tables see a library that loads
// after they were first read.
#include <gtest/gtest.h>

#include <algorithm>

#include "TvkUseRes/EmbeddedResources.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

constexpr UINT kLateString = 4'000'000'001;

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

}  // namespace
