// The archive forms that stored files depend on, byte by byte, and how loading refuses what is short
// or malformed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "ArchiveTestUtil.h"
#include "Platform/CArchive.h"
#include "TvkBaseGui/CGUIArray.h"
#include "TvkBaseGui/CGUIData.h"

namespace {

template <class T>
T LoadFrom(const Bytes& bytes) {
    CArchive ar(bytes);
    T loaded;
    loaded.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    return loaded;
}

// Every field holds a different value so that a swapped pair shows.
TEST(ArchiveForm, IntHolderIsTwentyBytesInArchiveOrder) {
    CGUIData<int> holder(0x0A0B0C0D);
    holder.SetUserValue(-2);
    holder.SetDefault(3);
    holder.SetSecond(2);
    holder.SetLast(5);

    const Bytes expected{0x03, 0,    0,    0,    0x02, 0,    0,    0, 0x0D, 0x0C,
                         0x0B, 0x0A, 0xFE, 0xFF, 0xFF, 0xFF, 0x05, 0, 0,    0};
    const Bytes stored = Store(holder);
    EXPECT_EQ(stored, expected) << Hex(stored);
    EXPECT_EQ(LoadFrom<CGUIData<int>>(stored), holder);
}

TEST(ArchiveForm, DoubleHolderIsTwentyEightBytesInArchiveOrder) {
    CGUIData<double> holder(1.5);  // 3FF8000000000000
    holder.SetUserValue(-2.0);     // C000000000000000
    holder.SetSecond(2);
    holder.SetLast(0);

    const Bytes expected{0x00, 0,    0, 0, 0x02, 0, 0, 0, 0, 0,    0, 0, 0, 0,
                         0xF8, 0x3F, 0, 0, 0,    0, 0, 0, 0, 0xC0, 0, 0, 0, 0};
    const Bytes stored = Store(holder);
    EXPECT_EQ(stored, expected) << Hex(stored);
    EXPECT_EQ(LoadFrom<CGUIData<double>>(stored), holder);
}

TEST(ArchiveForm, ShortHolderLeavesTheHolderAsItWas) {
    CGUIData<double> stored(4.25);
    stored.SetUserValue(8.0);
    const Bytes bytes = Store(stored);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        CGUIData<double> holder(1.0);
        CArchive ar(Prefix(bytes, cut));
        EXPECT_THROW(holder.Serialize(ar), CArchiveException) << "cut at " << cut;
        EXPECT_EQ(holder, CGUIData<double>(1.0)) << "cut at " << cut;
    }
}

// ---- count form -----------------------------------------------------------------------------------

TEST(ArchiveForm, CountBelowFFFFTakesTwoBytes) {
    EXPECT_EQ(StoreWith([](CArchive& ar) { ar.WriteCount(0); }), (Bytes{0x00, 0x00}));
    EXPECT_EQ(StoreWith([](CArchive& ar) { ar.WriteCount(0xFFFE); }), (Bytes{0xFE, 0xFF}));
}

TEST(ArchiveForm, CountFromFFFFEscapesToFourBytes) {
    EXPECT_EQ(StoreWith([](CArchive& ar) { ar.WriteCount(0xFFFF); }),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(StoreWith([](CArchive& ar) { ar.WriteCount(0x12345678); }),
              (Bytes{0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}));
}

// A real list at both sides of the escape, stored and loaded back whole.
TEST(ArchiveForm, ListCountFormAtTheEscape) {
    for (const std::size_t count : {std::size_t{0xFFFE}, std::size_t{0xFFFF}}) {
        CGUIArray<CGUIData<int>> list;
        for (std::size_t i = 0; i < count; ++i)
            list.Add(CGUIData<int>(static_cast<int>(i)));
        const Bytes stored = Store(list);
        const Bytes header = count == 0xFFFE ? Bytes{0xFE, 0xFF} : Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00};
        ASSERT_EQ(stored.size(), header.size() + count * 20) << count;
        EXPECT_TRUE(std::equal(header.begin(), header.end(), stored.begin())) << count;
        // The last element follows immediately: its default value is its index.
        const std::size_t last = stored.size() - 20;
        EXPECT_EQ(stored[last + 8] | (stored[last + 9] << 8), static_cast<int>((count - 1) & 0xFFFF));
        EXPECT_EQ(LoadFrom<decltype(list)>(stored), list) << count;
    }
}

TEST(ArchiveForm, ImpossibleCountIsRefusedBeforeAnyElementIsRead) {
    // Three elements announced, room for two.
    Bytes bytes{0x03, 0x00};
    for (int i = 0; i < 2; ++i)
        AppendLe32(AppendLe32(AppendLe32(AppendLe32(AppendLe32(bytes, 1), 0), 7), 7), 1);
    CGUIArray<CGUIData<int>> list;
    list.Add(CGUIData<int>(9));
    const auto before = list;
    CArchive ar(bytes);
    try {
        list.Serialize(ar);
        FAIL() << "loaded an impossible count";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find("impossible count 3"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("byte offset 0"), std::string::npos) << e.what();
        EXPECT_EQ(e.GetOffset(), 0u);
    }
    EXPECT_EQ(list, before);

    // A four-byte count of four billion in a ten-byte archive must not try to reserve for it.
    CArchive huge(Bytes{0xFF, 0xFF, 0x00, 0x00, 0x00, 0xF0, 1, 2, 3, 4});
    EXPECT_THROW(list.Serialize(huge), CArchiveException);
}

// ---- wide-string form -----------------------------------------------------------------------------

struct StringCase {
    std::size_t length;
    Bytes header;  // marker and length
};

class WideStringForm : public ::testing::TestWithParam<StringCase> {};

TEST_P(WideStringForm, LengthFormAndUnitsAreExact) {
    const auto& param = GetParam();
    const CString text(L'\x1234', static_cast<int>(param.length));
    const Bytes stored = StoreWith([&](CArchive& ar) { ar.WriteString(text); });

    ASSERT_EQ(stored.size(), param.header.size() + 2 * param.length);
    EXPECT_TRUE(std::equal(param.header.begin(), param.header.end(), stored.begin()))
        << Hex(Bytes(stored.begin(), stored.begin() + static_cast<long>(param.header.size())));
    for (std::size_t i = param.header.size(); i < stored.size(); i += 2)
        ASSERT_TRUE(stored[i] == 0x34 && stored[i + 1] == 0x12) << "code unit at byte " << i;

    CArchive ar(stored);
    EXPECT_EQ(ar.ReadString("text"), text);
    EXPECT_TRUE(ar.AtEnd());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, WideStringForm,
    ::testing::Values(StringCase{0, {0xFF, 0xFE, 0xFF, 0x00}}, StringCase{254, {0xFF, 0xFE, 0xFF, 0xFE}},
                      StringCase{255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
                      StringCase{65533, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
                      StringCase{65534, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}}),
    [](const auto& p) { return "Length" + std::to_string(p.param.length); });

TEST(ArchiveForm, CharacterOutsideTheBmpTakesASurrogatePair) {
    const CString text(L"a\U0001F600b");
    const Bytes stored = StoreWith([&](CArchive& ar) { ar.WriteString(text); });
    EXPECT_EQ(stored, (Bytes{0xFF, 0xFE, 0xFF, 0x04, 'a', 0, 0x3D, 0xD8, 0x00, 0xDE, 'b', 0})) << Hex(stored);
    CArchive ar(stored);
    EXPECT_EQ(ar.ReadString("text"), text);
}

// The length counts code units, so 128 such characters already need the escaped length.
TEST(ArchiveForm, LengthCountsCodeUnitsNotCharacters) {
    const CString fits(L'\U00010348', 127);
    const CString escapes(L'\U00010348', 128);
    const Bytes a = StoreWith([&](CArchive& ar) { ar.WriteString(fits); });
    const Bytes b = StoreWith([&](CArchive& ar) { ar.WriteString(escapes); });
    EXPECT_EQ(a[3], 254);
    EXPECT_EQ(Bytes(b.begin() + 3, b.begin() + 6), (Bytes{0xFF, 0x00, 0x01}));
    EXPECT_EQ(b.size(), 6u + 512u);
    CArchive ar(b);
    EXPECT_EQ(ar.ReadString("text"), escapes);
}

// A lone surrogate from an outside archive reads back and stores again unchanged.
TEST(ArchiveForm, UnpairedSurrogateSurvivesARoundTrip) {
    const Bytes bytes{0xFF, 0xFE, 0xFF, 0x03, 0x00, 0xD8, 'x', 0, 0x00, 0xDC};
    CArchive in(bytes);
    const CString text = in.ReadString("text");
    EXPECT_EQ(StoreWith([&](CArchive& ar) { ar.WriteString(text); }), bytes);
}

TEST(ArchiveForm, EveryPrefixOfAStringThrows) {
    const Bytes stored = StoreWith([](CArchive& ar) { ar.WriteString(CString(L'z', 300)); });
    for (std::size_t cut = 0; cut < stored.size(); ++cut) {
        CArchive ar(Prefix(stored, cut));
        EXPECT_THROW(ar.ReadString("text"), CArchiveException) << "cut at " << cut;
    }
}

// ---- refusals -------------------------------------------------------------------------------------

// The message names what was being read and the offset where the bad item starts.
void ExpectRefused(const Bytes& bytes, const std::string& message, std::size_t offset) {
    CArchive ar(bytes);
    ar.ReadInt32("lead");
    try {
        ar.ReadString("title");
        FAIL() << "accepted " << Hex(bytes);
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("byte offset " + std::to_string(offset)), std::string::npos)
            << e.what();
        EXPECT_EQ(e.GetOffset(), offset);
    }
}

TEST(ArchiveForm, MalformedStringsAreRefusedWithWhatAndWhere) {
    ExpectRefused({1, 0, 0, 0, 0xFE, 0xFE, 0xFF, 0x00}, "no wide-string marker FF FE FF for title", 4);
    ExpectRefused({1, 0, 0, 0, 0xFF, 0xFF, 0xFE, 0x00}, "no wide-string marker FF FE FF for title", 4);
    ExpectRefused({1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0x05, 'a', 0}, "impossible length 5 for title", 4);
    ExpectRefused({1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
                  "impossible length 2147483647 for title", 4);
    ExpectRefused({1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0x10}, "archive ends while reading title length", 8);
}

TEST(ArchiveForm, WrongDirectionThrows) {
    CArchive storing;
    EXPECT_THROW(storing.ReadInt32("int"), CArchiveException);
    EXPECT_THROW(storing.ReadString("text"), CArchiveException);
    EXPECT_THROW(storing.ReadCount("list", 1), CArchiveException);

    CArchive loading(Bytes{1, 2, 3, 4});
    EXPECT_THROW(loading.WriteInt32(1), CArchiveException);
    EXPECT_THROW(loading.WriteDouble(1.0), CArchiveException);
    EXPECT_THROW(loading.WriteString(L"x"), CArchiveException);
    EXPECT_THROW(loading.WriteCount(1), CArchiveException);
    // Nothing was added to what it loads from, and it still reads.
    EXPECT_EQ(loading.GetBuffer().size(), 4u);
    EXPECT_EQ(loading.ReadInt32("int"), 0x04030201);
}

TEST(ArchiveForm, NumbersAreLittleEndianWhateverTheMachine) {
    const Bytes stored = StoreWith([](CArchive& ar) {
        ar.WriteInt32(-1);
        ar.WriteUInt32(0x01020304u);
        ar.WriteDouble(-0.0);
        ar.WriteDouble(std::numeric_limits<double>::infinity());
    });
    EXPECT_EQ(stored, (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1, 0, 0, 0,    0,
                             0,    0,    0,    0x80, 0, 0, 0, 0, 0, 0, 0xF0, 0x7F}));
    CArchive ar(stored);
    EXPECT_EQ(ar.ReadInt32("a"), -1);
    EXPECT_EQ(ar.ReadUInt32("b"), 0x01020304u);
    EXPECT_TRUE(std::signbit(ar.ReadDouble("c")));
    EXPECT_EQ(ar.ReadDouble("d"), std::numeric_limits<double>::infinity());
}

}  // namespace
