// The text helpers records use to build and join their lines, and the narrow-text conversion of
// file names and output.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Platform/CString.h"
#include "TvkBaseGui/CStringUtil.h"

namespace {

CLIST<CCmdInfo> LinesOf(std::initializer_list<const wchar_t*> texts) {
    CLIST<CCmdInfo> lines;
    for (const wchar_t* t : texts)
        lines.AddTail(CCmdInfo(t, 0));
    return lines;
}

std::vector<std::wstring> Texts(const CLIST<CCmdInfo>& lines) {
    std::vector<std::wstring> texts;
    for (const auto& line : lines)
        texts.emplace_back(line.GetCommand().str());
    return texts;
}

TEST(CStringUtf8, RoundTripsEveryPlane) {
    const CString text(L"a\u00e9\u20ac\U0001F600z");
    EXPECT_EQ(text.ToUtf8(), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(CString::FromUtf8(text.ToUtf8()), text);
}

TEST(CStringUtf8, MalformedInputBecomesReplacementCharacters) {
    // A stray continuation byte, an overlong slash, an encoded surrogate, and a sequence cut short.
    EXPECT_EQ(CString::FromUtf8("a\x80"
                                "b"),
              CString(L"a\uFFFDb"));
    EXPECT_EQ(CString::FromUtf8("\xC0\xAF"), CString(L"\uFFFD\uFFFD"));
    EXPECT_EQ(CString::FromUtf8("\xE0\x80\xAF"), CString(L"\uFFFD\uFFFD\uFFFD"));
    EXPECT_EQ(CString::FromUtf8("\xED\xA0\x80"), CString(L"\uFFFD\uFFFD\uFFFD"));
    EXPECT_EQ(CString::FromUtf8("ok\xE2\x82"), CString(L"ok\uFFFD"));
    // The smallest of each length is not overlong.
    EXPECT_EQ(CString::FromUtf8("\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80"), CString(L"\u0080\u0800\U00010000"));
}

TEST(CStringMembers, PiecesClampLikeTheirNamesakes) {
    const CString text(L"abcdef");
    EXPECT_EQ(text.Left(10), L"abcdef");
    EXPECT_EQ(text.Left(-1), L"");
    EXPECT_EQ(text.Right(2), L"ef");
    EXPECT_EQ(text.Mid(4), L"ef");
    EXPECT_EQ(text.Mid(2, 2), L"cd");
    EXPECT_EQ(text.Mid(9, 2), L"");
    EXPECT_EQ(text.Find(L"cd"), 2);
    EXPECT_EQ(text.Find(L"cd", 3), -1);
    EXPECT_EQ(text.Find(L'a', 7), -1);
    EXPECT_EQ(CString(L"a/b/c").ReverseFind(L'/'), 3);
}

TEST(CStringMembers, ReplaceDoesNotRescanWhatItPutIn) {
    CString text(L"aaa");
    EXPECT_EQ(text.Replace(L"a", L"aa"), 3);
    EXPECT_EQ(text, L"aaaaaa");
    CString other(L"1.5 2.5");
    EXPECT_EQ(other.Replace(L".", L","), 2);
    EXPECT_EQ(other, L"1,5 2,5");
    EXPECT_EQ(other.Replace(L"", L"x"), 0);
}

TEST(CStringUtilText, TrailingCharacterGoesWithTheBlanksAfterIt) {
    CString line(L"TABULATE x / ");
    CStringUtil::RemoveTrailingChar(line, L'/');
    EXPECT_EQ(line, L"TABULATE x ");
    CString none(L"TABULATE x ");
    CStringUtil::RemoveTrailingChar(none, L'/');
    EXPECT_EQ(none, L"TABULATE x ");  // nothing to remove: left exactly as it was
    CString onlySlash(L"/");
    CStringUtil::RemoveTrailingChar(onlySlash, L'/');
    EXPECT_EQ(onlySlash, L"");
}

TEST(CStringUtilText, BlankTextCountsAsEmpty) {
    EXPECT_TRUE(CStringUtil::IsEmpty(L""));
    EXPECT_TRUE(CStringUtil::IsEmpty(L" \t "));
    EXPECT_FALSE(CStringUtil::IsEmpty(L" x "));
}

TEST(CStringUtilText, LinesSplitOnNewlinesKeepingEmptyOnes) {
    std::vector<CString> lines{L"stale"};
    CStringUtil::GetStringLines(L"a\r\nb\n\nc\n", lines);
    EXPECT_EQ(lines, (std::vector<CString>{L"a", L"b", L"", L"c"}));
}

TEST(CStringUtilLines, SearchesFindTheFirstLineOrMinusOne) {
    const auto lines = LinesOf({L"SERIES", L"TABULATE a / FREQ", L"PRINT TABULATE"});
    EXPECT_EQ(CStringUtil::SearchString(lines, L"TABULATE"), 1);
    EXPECT_EQ(CStringUtil::SearchStringAtBeginning(lines, L"PRINT"), 2);
    EXPECT_EQ(CStringUtil::SearchStringAtBeginning(lines, L"FREQ"), -1);
    EXPECT_EQ(CStringUtil::SearchString(lines, L"ACF"), -1);
    EXPECT_TRUE(CStringUtil::StringFoundAtIndex(lines, L"FREQ", 1));
    EXPECT_FALSE(CStringUtil::StringFoundAtIndex(lines, L"FREQ", 2));
    EXPECT_FALSE(CStringUtil::StringFoundAtIndex(lines, L"FREQ", 3));
    EXPECT_FALSE(CStringUtil::StringFoundAtIndex(lines, L"FREQ", -1));
}

TEST(CStringUtilLines, InsertBeforeAnIndexOrAppendWithoutOne) {
    auto lines = LinesOf({L"A", L"B"});
    CStringUtil::InsertStringAt(lines, L"X", 1, nullptr);
    CStringUtil::InsertStringAt(lines, L"Y", -1, nullptr);
    CStringUtil::InsertStringAt(lines, L"Z", 9, nullptr);
    EXPECT_EQ(Texts(lines), (std::vector<std::wstring>{L"A", L"X", L"B", L"Y", L"Z"}));
}

TEST(CStringUtilLines, ConcatJoinsTheLineOrDropsTheClause) {
    auto lines = LinesOf({L"TABULATE a", L"PRINT"});
    CStringUtil::ConcatStringAt(lines, L"CHISQ", 0, L" / ");
    CStringUtil::ConcatStringAt(lines, L" LONG", 1, nullptr);
    CStringUtil::ConcatStringAt(lines, L"LOST", -1, L" / ");
    CStringUtil::ConcatStringAt(lines, L"LOST", 2, L" / ");
    EXPECT_EQ(Texts(lines), (std::vector<std::wstring>{L"TABULATE a / CHISQ", L"PRINT LONG"}));
}

TEST(CStringUtilLines, RedundantSlashesCollapse) {
    auto lines = LinesOf({L"TABULATE a / / CHISQ /", L"X // Y", L"/"});
    auto kept = lines;  // sharing the texts, which the cuts below leave alone
    CStringUtil::RemoveRedundantSlash(kept, 0);
    CStringUtil::RemoveRedundantSlash(lines, 1);
    EXPECT_EQ(Texts(kept), (std::vector<std::wstring>{L"TABULATE a / CHISQ /", L"X / Y", L"/"}));
    EXPECT_EQ(Texts(lines), (std::vector<std::wstring>{L"TABULATE a / CHISQ ", L"X / Y", L""}));
}

}  // namespace
