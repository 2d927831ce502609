// Finding a list's variables by name: the index over item positions, the list control that builds it
// only when asked, keeps it through a few removals and forgets it on any other change, and a list's names
// looked up in the data.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeHost.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkBaseGui/CGUIControls.h"
#include "TvkBaseGui/CNameIndex.h"

namespace {

CGUIDataVariable Var(const std::wstring& name) {
    return CGUIDataVariable(CString(name), kVariableTypeNumeric);
}

TEST(NameIndex, FindsTheFirstOfEveryNameThroughGrowthAndMoves) {
    CVariableList items;
    CNameIndex index;
    EXPECT_EQ(index.Find(items, L"V0"), -1);  // never built
    for (int i = 0; i < 5000; ++i)
        EXPECT_TRUE(index.AddIfNew(items, Var(L"V" + std::to_wstring(i))));
    EXPECT_FALSE(index.AddIfNew(items, Var(L"V17")));
    EXPECT_EQ(items.GetSize(), 5000);
    // Positions, not addresses: the list may move.
    CVariableList moved = std::move(items);
    for (int i : {0, 1, 2047, 4999})
        EXPECT_EQ(index.Find(moved, CString(L"V" + std::to_wstring(i))), i);
    EXPECT_EQ(index.Find(moved, L"V5000"), -1);
    EXPECT_EQ(index.Find(moved, L"v1"), -1);

    // Built over duplicates, the first stays the one found.
    moved.Add(Var(L"V3"));
    index.Build(moved);
    EXPECT_EQ(index.Find(moved, L"V3"), 3);
    EXPECT_FALSE(index.Add(moved, 5000));
    index.Clear();
    EXPECT_EQ(index.Find(moved, L"V3"), -1);
}

TEST(NameIndex, ForgetsRemovedItemsAndRenumbersTheRest) {
    const auto name = [](int i) { return CString(L"V" + std::to_wstring(i)); };
    CVariableList items;
    CNameIndex index;
    for (int i = 0; i < 3000; ++i)
        index.AddIfNew(items, Var(name(i).GetString()));
    // Every seventh item, from the first: the table's runs of neighbouring slots lose members inside.
    std::vector<bool> drop(3000, false);
    for (int i = 0; i < 3000; i += 7)
        drop[static_cast<std::size_t>(i)] = true;
    ASSERT_TRUE(index.Remove(items, drop));
    CVariableList kept;
    for (int i = 0; i < 3000; ++i)
        if (!drop[static_cast<std::size_t>(i)])
            kept.Add(items[i]);
    EXPECT_EQ(index.Size(), static_cast<std::size_t>(kept.GetSize()));
    for (int i = 0, k = 0; i < 3000; ++i)
        ASSERT_EQ(index.Find(kept, name(i)), drop[static_cast<std::size_t>(i)] ? -1 : k++) << i;

    // The last item only: the others keep their places.
    std::vector<bool> last(static_cast<std::size_t>(kept.GetSize()), false);
    last.back() = true;
    const CString lastName = kept[kept.GetSize() - 1].GetVariableName();
    ASSERT_TRUE(index.Remove(kept, last));
    kept.RemoveAt(kept.GetSize() - 1);
    EXPECT_EQ(index.Find(kept, lastName), -1);
    EXPECT_EQ(index.Find(kept, name(2998)), kept.GetSize() - 1);
    EXPECT_EQ(index.Find(kept, name(1)), 0);

    // A list that names a variable twice is not one the index can follow.
    kept.Add(Var(L"V1"));
    index.Build(kept);
    EXPECT_FALSE(index.Remove(kept, std::vector<bool>(static_cast<std::size_t>(kept.GetSize()), false)));
    EXPECT_EQ(index.Find(kept, L"V1"), -1);
}

TEST(NameIndex, ListLookupsFollowEveryChangeOfItsItems) {
    CGUIListCtrl list(1, L"");
    CVariableList items;
    for (const wchar_t* name : {L"A", L"B", L"C"})
        items.Add(Var(name));
    list.SetItems(items);
    EXPECT_EQ(list.FindItem(L"C"), 2);
    list.RemoveItems({0});
    EXPECT_EQ(list.FindItem(L"C"), 1);
    EXPECT_EQ(list.FindItem(L"B"), 0);
    EXPECT_FALSE(list.Contains(L"A"));
    list.AddItem(Var(L"A"));
    EXPECT_EQ(list.FindItem(L"A"), 2);
    CVariableList from;
    for (const wchar_t* name : {L"D", L"A", L"D"})
        from.Add(Var(name));
    from.ElementAt(0).SetVariableType(kVariableTypeString);
    EXPECT_TRUE(list.ContainsAll(from, {1}));
    EXPECT_FALSE(list.ContainsAll(from, {1, 2}));
    EXPECT_TRUE(list.ContainsAll(from, {0, 1}, kVariableTypeNumeric));  // the string D does not count
    list.AppendNew(from, {1, 0, 2});                                    // only what is new, once
    ASSERT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(list.FindItem(L"D"), 3);
    EXPECT_EQ(list.GetItems()[3].GetVariableType(), kVariableTypeString);
    list.SetItems(items);
    EXPECT_FALSE(list.Contains(L"D"));
    list.RemoveAllItems();
    EXPECT_EQ(list.FindItem(L"A"), -1);
    list.AddItem(Var(L"Z"));
    EXPECT_TRUE(list.Contains(L"Z"));
}

TEST(NameIndex, AListsNamesAreLookedUpInTheData) {
    FakeHost host;
    for (const wchar_t* name : {L"Sales", L"Region", L"Cost"})
        host.data.AddNumeric(name);
    CVariableList list;
    for (const wchar_t* name : {L"Cost", L"Gone", L"Cost", L"Sales", L"sales"})
        list.Add(Var(name));
    EXPECT_EQ(CBaseGui::PresentInData(list), (std::vector<bool>{true, false, true, true, false}));
    host.data.variables.clear();
    EXPECT_EQ(CBaseGui::PresentInData(list), std::vector<bool>(5, false));

    // A list taken from the data holds the data's own texts; it is checked as such while they last.
    for (const wchar_t* name : {L"Sales", L"Region", L"Cost"})
        host.data.AddNumeric(name);
    CVariableList taken;
    CBaseGui::GetSourceVariable(taken, kSourceAllVariables, 0);
    taken.RemoveAt(1);
    EXPECT_EQ(CBaseGui::PresentInData(taken), (std::vector<bool>{true, true}));
    host.data.variables[2].name = L"Costs";
    EXPECT_EQ(CBaseGui::PresentInData(taken), (std::vector<bool>{true, false}));
    host.data.variables[2].name = L"Cost";  // the same name, another text
    taken.Add(taken[0]);
    EXPECT_EQ(CBaseGui::PresentInData(taken), (std::vector<bool>{true, true, true}));
}

}  // namespace
