// Texts and lists shared between copies: a change to one copy never shows in another, whichever member
// makes it, and reading never unshares.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "Platform/CString.h"
#include "TvkBaseGui/CGUIBaseObj.h"

namespace {

TEST(SharedText, EveryChangeLeavesTheOtherCopiesAlone) {
    const CString original(L"  Alpha beta  ");
    CString appended = original;
    appended += L"!";
    CString replaced = original;
    replaced.Replace(L"beta", L"gamma");
    CString upper = original;
    upper.MakeUpper();
    CString trimmed = original;
    trimmed.Trim();
    CString emptied = original;
    emptied.Empty();
    CString buffered = original;
    buffered.GetBuffer(0)[2] = L'a';
    buffered.ReleaseBuffer();

    EXPECT_EQ(original, L"  Alpha beta  ");
    EXPECT_EQ(appended, L"  Alpha beta  !");
    EXPECT_EQ(replaced, L"  Alpha gamma  ");
    EXPECT_EQ(upper, L"  ALPHA BETA  ");
    EXPECT_EQ(trimmed, L"Alpha beta");
    EXPECT_TRUE(emptied.IsEmpty());
    EXPECT_EQ(buffered, L"  alpha beta  ");
}

TEST(SharedText, AppendingGrowsAndMayAppendItself) {
    CString text(L"ab");
    const CString before = text;
    text += text;  // read from the very text being extended
    EXPECT_EQ(text, L"abab");
    text.Reserve(64);
    const wchar_t* room = text.GetString();
    text += text;
    EXPECT_EQ(text.GetString(), room);  // reserved room is used in place
    EXPECT_EQ(text, L"abababab");
    EXPECT_EQ(before, L"ab");
    CString built;
    for (int i = 0; i < 1000; ++i)
        built += static_cast<wchar_t>(L'a' + i % 26);
    EXPECT_EQ(built.GetLength(), 1000);
    EXPECT_EQ(built.GetAt(999), L'a' + 999 % 26);
    EXPECT_EQ(built.GetString()[1000], L'\0');
}

TEST(SharedText, BufferTakesTheLengthGivenOrUpToTheFirstNul) {
    CString text;
    wchar_t* chars = text.GetBuffer(5);
    std::wstring(L"hello").copy(chars, 5);
    text.ReleaseBuffer(3);
    EXPECT_EQ(text, L"hel");
    text.GetBuffer(10)[1] = L'\0';
    text.ReleaseBuffer();
    EXPECT_EQ(text, L"h");
    CString full;  // every character written, no NUL: the length is the room asked for
    std::fill_n(full.GetBuffer(4), 4, L'z');
    full.ReleaseBuffer();
    EXPECT_EQ(full, L"zzzz");
    CString empty;
    empty.GetBuffer(0);
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(CString(L'x', 3), L"xxx");
    EXPECT_TRUE(CString(L'x', -1).IsEmpty());
}

TEST(SharedText, BlanksOnlyTrimToEmptyAndIndexesOutsideThrow) {
    CString blanks(L" \t ");
    EXPECT_TRUE(blanks.TrimLeft().IsEmpty());
    CString right(L"a \t");
    EXPECT_EQ(right.TrimRight(), L"a");
    EXPECT_THROW(CString(L"ab").GetAt(2), std::out_of_range);
    EXPECT_THROW(CString().GetAt(0), std::out_of_range);
    EXPECT_EQ(*CString().GetString(), L'\0');
}

std::vector<std::wstring> Names(const CVariableList& list) {
    std::vector<std::wstring> names;
    for (const auto& v : list)
        names.emplace_back(v.GetVariableName().str());
    return names;
}

TEST(SharedList, EveryChangeLeavesTheOtherCopiesAlone) {
    const auto var = [](const wchar_t* name) { return CGUIDataVariable(name, kVariableTypeNumeric); };
    CVariableList original;
    for (const wchar_t* name : {L"A", L"B", L"C"})
        original.Add(var(name));
    CVariableList other;
    other.Add(var(L"X"));
    CArchive stored;
    other.Serialize(stored);
    struct Case {
        const char* change;
        std::function<void(CVariableList&)> make;
        std::vector<std::wstring> after;
    };
    const Case cases[] = {
        {"Add", [&](CVariableList& l) { l.Add(var(L"D")); }, {L"A", L"B", L"C", L"D"}},
        {"InsertAt", [&](CVariableList& l) { l.InsertAt(1, var(L"D")); }, {L"A", L"D", L"B", L"C"}},
        {"RemoveAt", [](CVariableList& l) { l.RemoveAt(0); }, {L"B", L"C"}},
        {"RemoveAll", [](CVariableList& l) { l.RemoveAll(); }, {}},
        {"SetSize", [](CVariableList& l) { l.SetSize(2); }, {L"A", L"B"}},
        {"ElementAt", [](CVariableList& l) { l.ElementAt(2).SetVariableName(L"Z"); }, {L"A", L"B", L"Z"}},
        {"MutableItems",
         [](CVariableList& l) { l.MutableItems().front().SetVariableName(L"Z"); },
         {L"Z", L"B", L"C"}},
        {"Serialize (load)",
         [&](CVariableList& l) {
             CArchive load(stored.GetBuffer());
             l.Serialize(load);
         },
         {L"X"}},
    };
    for (const Case& c : cases) {
        CVariableList copy = original;
        ASSERT_EQ(&copy.GetAt(0), &original.GetAt(0)) << c.change << ": a copy shares the elements";
        c.make(copy);
        EXPECT_EQ(Names(copy), c.after) << c.change;
        EXPECT_EQ(Names(original), (std::vector<std::wstring>{L"A", L"B", L"C"})) << c.change;
    }

    // Reading a copy through a changeable reference, storing it too, keeps it shared.
    CVariableList copy = original;
    CVariableList& reader = copy;
    for (const auto& v : reader)
        EXPECT_FALSE(v.GetVariableName().IsEmpty());
    EXPECT_EQ(reader[1].GetVariableName(), L"B");
    EXPECT_EQ(reader.GetAt(2).GetVariableName(), L"C");
    CArchive ar;
    reader.Serialize(ar);
    EXPECT_TRUE(reader == original);
    EXPECT_EQ(&reader.GetAt(0), &original.GetAt(0));
}

}  // namespace
