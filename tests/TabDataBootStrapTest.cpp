// The resampling page record that the composites end with.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <string>
#include <vector>

#include "FakeHost.h"
#include "TvkDlgBase/CBootStrapData.h"

namespace {

TEST(BootStrapData, BootstrapLinesCarryTheSampleCountAndOnlyChosenSizeAndSeed) {
    FakeHost host;
    host.allValues = true;
    CBootStrapData record;
    record.BootStrapCheck = 1;
    EXPECT_EQ(LinesOf(record), (std::vector<std::wstring>{L"BOOTSTRAP / SAMPLES = 1000"}));

    record.SamplesEdit.SetUserValue(200);
    record.SampleSizeEdit.SetUserValue(30);
    record.SeedEdit.SetUserValue(4711);
    EXPECT_EQ(LinesOf(record),
              (std::vector<std::wstring>{L"BOOTSTRAP / SAMPLES = 200 SIZE = 30 SEED = 4711"}));

    record.MethodCombo = CBootStrapData::MethodBalanced;
    EXPECT_EQ(
        LinesOf(record),
        (std::vector<std::wstring>{L"BOOTSTRAP / METHOD = BALANCED SAMPLES = 200 SIZE = 30 SEED = 4711"}));
}

TEST(BootStrapData, TheJackknifeDrawsNothingAndSaysOnlyItsMethod) {
    CBootStrapData record;
    record.BootStrapCheck = 1;
    record.MethodCombo = CBootStrapData::MethodJackknife;
    record.SeedEdit.SetUserValue(4711);
    record.SampleSizeEdit.SetUserValue(30);
    EXPECT_EQ(LinesOf(record), (std::vector<std::wstring>{L"BOOTSTRAP / METHOD = JACKKNIFE"}));
}

TEST(BootStrapData, ArchiveBytesOfANonDefaultRecord) {
    CBootStrapData record;
    record.BootStrapCheck = 1;
    record.MethodCombo = CBootStrapData::MethodJackknife;
    record.SamplesEdit.SetValue(250);
    record.SamplesEdit.SetDefault(0);
    record.SampleSizeEdit.SetValue(40);
    record.SampleSizeEdit.SetDefault(0);
    record.SeedEdit.SetValue(4711);
    record.SeedEdit.SetDefault(0);
    CArchive ar;
    record.Serialize(ar);
    const std::vector<std::uint8_t> expected = {
        1, 0, 0, 0, 1, 0, 0, 0,  // base part: version 1, window state 1
        1, 0, 0, 0,              // BootStrapCheck
        2, 0, 0, 0,              // MethodCombo
        // SamplesEdit: default mark, second mark, default value 1000, value 250, last flag
        0, 0, 0, 0, 0, 0, 0, 0, 0xE8, 3, 0, 0, 0xFA, 0, 0, 0, 1, 0, 0, 0,
        // SampleSizeEdit: second mark 2, default 0, value 40
        0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0,
        // SeedEdit: second mark 2, default 0, value 4711
        0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0x67, 0x12, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(ar.GetBuffer(), expected);
}

}  // namespace
