// Every registered record class: its archive reads back to the same bytes, copies and assignments
// keep every archived field, and a short archive is refused without touching the record.

#include <gtest/gtest.h>

#include <string>

#include "ArchiveTestUtil.h"
#include "FakeHost.h"
#include "Source/RecordRegistry.h"

namespace {

class EveryRecord : public ::testing::TestWithParam<RecordFactory> {
protected:
    void SetUp() override {
        host.data.cases = 20;
        host.data.AddString(L"label");
        host.data.AddNumeric(L"sales");
        host.data.AddNumeric(L"cost");
        host.data.AddNumeric(L"units");
    }

    // A record away from its defaults in every way the common operations allow.
    std::unique_ptr<CGUIBaseObj> Worked() const {
        auto record = GetParam().make();
        record->SetWindowState(7);
        record->ReassignDefaultValue();
        record->FillListSource();
        record->SetEditAttribute();
        return record;
    }

    static Bytes Store(CGUIBaseObj& record) { return ::Store(record); }

    FakeHost host;
};

TEST_P(EveryRecord, StoreLoadStoreGivesTheSameBytes) {
    std::unique_ptr<CGUIBaseObj> records[] = {GetParam().make(), Worked()};
    for (auto& record : records) {
        const Bytes first = Store(*record);
        auto loaded = GetParam().make();
        CArchive ar(first);
        loaded->LoadFromArchive(ar);
        EXPECT_TRUE(ar.AtEnd()) << "left " << ar.GetRemaining() << " bytes";
        EXPECT_EQ(Store(*loaded), first) << Hex(first);
    }
}

TEST_P(EveryRecord, CopyAndAssignmentKeepEveryField) {
    const auto& factory = GetParam();
    ASSERT_NE(factory.copy, nullptr) << factory.name << " cannot be copied";
    ASSERT_NE(factory.assign, nullptr) << factory.name << " cannot be assigned";
    auto original = Worked();
    original->SetVariantID(4242);
    const Bytes bytes = Store(*original);

    auto copy = factory.copy(*original);
    EXPECT_EQ(Store(*copy), bytes);
    EXPECT_EQ(copy->GetVariantID(), 4242u);

    auto assigned = factory.make();
    factory.assign(*assigned, *original);
    EXPECT_EQ(Store(*assigned), bytes);
    EXPECT_EQ(assigned->GetVariantID(), 4242u);

    factory.assign(*assigned, *assigned);
    EXPECT_EQ(Store(*assigned), bytes);

    // A copy is its own: changing it leaves the original alone.
    copy->SetWindowState(99);
    EXPECT_EQ(Store(*original), bytes);
}

TEST_P(EveryRecord, EveryTruncationThrowsAndLeavesTheRecordUnchanged) {
    auto source = Worked();
    const Bytes bytes = Store(*source);
    auto target = GetParam().make();
    target->SetWindowState(3);
    const Bytes before = Store(*target);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        CArchive ar(Prefix(bytes, cut));
        ASSERT_THROW(target->LoadFromArchive(ar), CArchiveException) << "cut at " << cut;
        ASSERT_EQ(Store(*target), before) << "cut at " << cut;
    }
}

TEST_P(EveryRecord, StartsWithTheBasePart) {
    auto record = Worked();
    const Bytes bytes = Store(*record);
    ASSERT_GE(bytes.size(), CGUIBaseObj::kBaseArchiveBytes);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), (Bytes{1, 0, 0, 0, 7, 0, 0, 0}));
}

TEST_P(EveryRecord, LoadingFromAStoringArchiveThrows) {
    auto record = GetParam().make();
    CArchive storing;
    EXPECT_THROW(record->LoadFromArchive(storing), CArchiveException);
    EXPECT_TRUE(storing.GetBuffer().empty());
}

INSTANTIATE_TEST_SUITE_P(Registered, EveryRecord, ::testing::ValuesIn(RecordFactories()),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(RecordRegistry, IsSortedAndHoldsTheAutocorrelationRecord) {
    const auto& factories = RecordFactories();
    ASSERT_FALSE(factories.empty());
    for (std::size_t i = 1; i < factories.size(); ++i)
        EXPECT_LT(std::string(factories[i - 1].name), std::string(factories[i].name));
    bool acf = false;
    for (const auto& f : factories)
        acf = acf || std::string(f.name) == "CAcfData";
    EXPECT_TRUE(acf);
}

}  // namespace
