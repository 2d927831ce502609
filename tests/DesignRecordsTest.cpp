// Archives and lines of the power analysis and experimental-design records: one non-default record of
// each class as exact bytes, golden lines for every model and design type, and the edge cases as rows.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <functional>
#include <memory>

#include "FakeHost.h"
#include "Private/ExperimentalDesignData.h"
#include "Private/PowerCorr2Data.h"
#include "Private/PowerGenericData.h"
#include "Private/PowerOneSampleData.h"
#include "Private/PowerTwoSampleData.h"
#include "Private/PowerTwoWayData.h"

namespace {

using LineList = std::vector<std::wstring>;
using Make = std::function<std::unique_ptr<CGUIBaseObj>()>;
using One = CPowerOneSampleData;
using Two = CPowerTwoSampleData;
using Corr2 = CPowerCorr2Data;
using Generic = CPowerGenericData;
using Way = CPowerTwoWayData;
using Design = CExperimentalDesignData;

// Types values into holders, as a user would: Type(holder, value, holder, value, ...).
void Type() {}
template <class T, class V, class... Rest>
void Type(CGUIData<T>& holder, V value, Rest&&... rest) {
    holder.SetUserValue(static_cast<T>(value));
    Type(rest...);
}

// A record of the class with the variant set and `edit` applied.
template <class Record>
Make Variant(UINT variant, std::function<void(Record&)> edit = {}) {
    return [=] {
        auto r = std::make_unique<Record>();
        r->SetVariantID(variant);
        if (edit)
            edit(*r);
        return std::unique_ptr<CGUIBaseObj>(std::move(r));
    };
}

// ---- archives: every field a value of its own, so that a swapped pair shows -----------------------

struct ArchiveCase {
    const char* name;
    Make make;
    std::function<Bytes()> expected;
};

const ArchiveCase kArchives[] = {
    {"CPowerOneSampleData",
     Variant<One>(0,
                  [](One& r) {
                      r.SetWindowState(2);
                      r.SaveFileCheck = 1, r.SampleSizeSpecificPowerRadio = 2, r.AlternativeCombo = 1;
                      r.TestLevelCombo = L"0.01", r.AlternativePowerCombo = L"0.9", r.SaveFileEdit = L"p.tvz";
                      Type(r.TestAgainstNullEdit, 1.5, r.PopulationMeanEdit, 0.5, r.StdDevEdit, 2);
                      Type(r.SampleSizeEdit, 20, r.SmallestSampleSizeEdit, 10, r.LargestSampleSizeEdit, 50);
                      r.DifferenceSamplesEdit.SetSecond(2);
                  }),
     [] {
         ExpectedArchive a;
         a.Base(2).Int(1).Int(2).Text(u"0.01").Text(u"0.9").Int(1).Text(u"p.tvz");
         a.Holder(0, 0, 0.0, 1.5, 1).Holder(0, 0, 0.0, 0.5, 1).Holder(0, 0, 0.0, 2.0, 1);
         a.Holder(0, 0, 0, 20, 1).Holder(0, 0, 0, 10, 1).Holder(0, 0, 0, 50, 1).Holder(1, 2, 1, 1, 1);
         return a.bytes();
     }},
    {"CPowerTwoSampleData",
     Variant<Two>(0,
                  [](Two& r) {
                      r.SaveFileEdit = L"t.tvz", r.AlternativePowerCombo = L"0.95", r.TestLevelCombo = L"0.1";
                      r.SaveFileCheck = 1, r.IndividualEffectsRadio = 2, r.SampleSizeSpecificPowerRadio = 1;
                      r.AlternativeCombo = 0;
                      Type(r.Mean1Edit, 1, r.Mean2Edit, 2, r.MeanDifferenceEdit, 3, r.AvgeSqEdit, 4);
                      Type(r.SampleSizeEdit, 5, r.DifferenceSamplesEdit, 6, r.GroupStdDevEdit, 7);
                  }),
     [] {
         ExpectedArchive a;
         a.Base().Text(u"t.tvz").Int(1).Int(2).Int(1).Int(0).Text(u"0.95").Text(u"0.1");
         a.Holder(0, 0, 0.0, 1.0, 1).Holder(0, 0, 0.0, 2.0, 1).Holder(0, 0, 0.0, 3.0, 1);
         a.Holder(0, 0, 0.0, 4.0, 1).Holder(0, 0, 0, 5, 1).Holder(1, 0, 0, 0, 1).Holder(1, 0, 0, 0, 1);
         a.Holder(0, 0, 1, 6, 1).Holder(0, 0, 0.0, 7.0, 1);
         return a.bytes();
     }},
    {"CPowerCorr2Data",
     Variant<Corr2>(0,
                    [](Corr2& r) {
                        r.SaveFileEdit = L"c.tvz", r.TestlevelCombo = L"", r.AlternativePowerCombo = L"0.7";
                        r.EqualsampleSizeRadio = 1, r.SampleSizeSpecificPowerRadio = 2,
                        r.AlternativeCombo = 1;
                        Type(r.Correlation1Edit, 0.1, r.Correlation2Edit, 0.2, r.SampleSize1Edit, 30);
                        Type(r.SampleSize2Edit, 40, r.GroupUnEqualRatioEdit, 1.5, r.LargestSampleSizeEdit,
                             90);
                    }),
     [] {
         ExpectedArchive a;
         a.Base().Text(u"c.tvz").Int(0).Int(1).Int(2).Int(1).Text(u"").Text(u"0.7");
         a.Holder(0, 0, 0.0, 0.1, 1).Holder(0, 0, 0.0, 0.2, 1).Holder(0, 0, 0, 30, 1).Holder(0, 0, 0, 40, 1);
         a.Holder(0, 0, 0.0, 1.5, 1).Holder(1, 0, 0, 0, 1).Holder(1, 0, 0, 0, 1).Holder(0, 0, 0, 90, 1);
         a.Holder(1, 0, 1, 1, 1);
         return a.bytes();
     }},
    {"CPowerGenericData",
     Variant<Generic>(0,
                      [](Generic& r) {
                          r.SaveFileCheck = 1, r.SampleSizeForSpecificPowerRadio = 1;
                          r.AlternativePowerCombo = L"0.85", r.SaveFileEdit = L"g.tvz";
                          Type(r.NumeratordegreesEdit, 3, r.DenominatorDegreesEdit, 2, r.DenomSampleSizeEdit,
                               -1);
                          Type(r.NonCentralityEdit, 0.5, r.SampleSizeEdit, 12);
                      }),
     [] {
         ExpectedArchive a;
         a.Base().Int(1).Int(1).Text(u"0.05").Text(u"0.85").Text(u"g.tvz");
         a.Holder(0, 0, 0, 3, 1).Holder(0, 0, 0.0, 2.0, 1).Holder(0, 0, 0.0, -1.0, 1);
         a.Holder(0, 0, 0.0, 0.5, 1).Holder(0, 0, 0, 12, 1).Holder(1, 0, 0, 0, 1).Holder(1, 0, 0, 0, 1);
         a.Holder(1, 0, 1, 1, 1);
         return a.bytes();
     }},
    {"CPowerTwoWayData",
     Variant<Way>(0,
                  [](Way& r) {
                      r.IndividualEffectsEdit = L"0 1", r.SaveFileEdit = L"w.tvz", r.TestLevelCombo = L"0.02";
                      r.IndividualEffectsRadio = 1, r.RowEffectsRadio = 2, r.SampleSizeSpecificPowerRadio = 1;
                      Type(r.EffectRangeEdit, 1, r.AvgeSqEdit, 2, r.RowNumberEdit, 3, r.ColumnNumberEdit, 4);
                      Type(r.CellStdDevEdit, 5, r.SmallestSampleSizeEdit, 6);
                  }),
     [] {
         ExpectedArchive a;
         a.Base().Text(u"0 1").Text(u"w.tvz").Int(0).Int(1).Int(2).Int(1).Text(u"0.02").Text(u"0.80");
         a.Holder(0, 0, 0.0, 1.0, 1).Holder(0, 0, 0.0, 2.0, 1).Holder(0, 0, 0, 3, 1).Holder(0, 0, 0, 4, 1);
         a.Holder(0, 0, 0.0, 5.0, 1).Holder(1, 0, 0, 0, 1).Holder(0, 0, 0, 6, 1).Holder(1, 0, 0, 0, 1);
         a.Holder(1, 0, 1, 1, 1);
         return a.bytes();
     }},
    {"CExperimentalDesignData",
     Variant<Design>(0,
                     [](Design& r) {
                         r.LettersForLabelsCheck = 1, r.RandomCheck = 1, r.SaveFileCheck = 1;
                         r.TypeCombo = 4, r.MixturetypeCombo = 1, r.TaguchitypeCombo = 3;
                         r.SaveFileEdit = L"d.tvz";
                         Type(r.LevelsEdit, 3, r.FactorsEdit, 5, r.RunsEdit, 16);
                         r.ReplicationsEdit.SetLast(0);
                     }),
     [] {
         ExpectedArchive a;
         a.Base().Int(1).Int(0).Int(1).Int(0).Int(1).Int(4).Int(1).Int(3).Text(u"d.tvz");
         a.Holder(0, 0, 2, 3, 1).Holder(0, 0, 2, 5, 1).Holder(0, 0, 4, 16, 1).Holder(1, 0, 1, 1, 0);
         return a.bytes();
     }},
};

TEST(DesignRecordArchives, OneNonDefaultRecordOfEachClassInItsOwnOrder) {
    for (const ArchiveCase& c : kArchives) {
        SCOPED_TRACE(c.name);
        auto record = c.make();
        EXPECT_EQ(Hex(Store(*record)), Hex(c.expected()));
    }
}

// ---- lines --------------------------------------------------------------------------------------

struct LinesCase {
    const char* name;
    Make make;
    LineList expected;
};

const wchar_t* const kPower080 = L"ESTIMATE / ALPHA = 0.05 POWER = 0.80";

const LinesCase kLines[] = {
    // Power: every model, its clauses, the three estimates and the alternative clause.
    {"T1EmptyLevelAndPowerFallBack",
     Variant<One>(One::kVariantT1, [](One& r) { r.TestLevelCombo = L"", r.AlternativePowerCombo = L""; }),
     {L"POWER", L"MODEL T1 /", kPower080}},
    {"T1OneSampleSize",
     Variant<One>(One::kVariantT1,
                  [](One& r) {
                      Type(r.TestAgainstNullEdit, 10, r.PopulationMeanEdit, 8, r.StdDevEdit, 4);
                      Type(r.SampleSizeEdit, 30, r.SmallestSampleSizeEdit, 5);
                      r.TestLevelCombo = L"0.01", r.SampleSizeSpecificPowerRadio = 1;
                  }),
     {L"POWER", L"MODEL T1 / M1 = 10 NULL = 8 SD=4", L"ESTIMATE / ALPHA = 0.01 LOW = 30"}},
    {"Z1RangeGreaterAndSaved",
     Variant<One>(One::kVariantZ1,
                  [](One& r) {
                      Type(r.TestAgainstNullEdit, 1, r.PopulationMeanEdit, 0.5, r.StdDevEdit, 2);
                      Type(r.SampleSizeEdit, 30, r.SmallestSampleSizeEdit, 10, r.LargestSampleSizeEdit, 50);
                      Type(r.DifferenceSamplesEdit, 5);
                      r.AlternativeCombo = 0, r.SampleSizeSpecificPowerRadio = 2;
                      r.SaveFileCheck = 1, r.SaveFileEdit = L"z.tvz";
                  }),
     {L"POWER", L"SAVE \"z.tvz\"", L"MODEL Z1 / M1 = 1 NULL = 0.5 SIGMA = 2 ALTER = GREATER",
      L"ESTIMATE / ALPHA = 0.05 LOW = 10 HIGH = 50 INCREMENT = 5"}},
    {"Corr1LessWithoutSpreadNorSave",
     Variant<One>(One::kVariantCorr1,
                  [](One& r) {
                      Type(r.TestAgainstNullEdit, 0.3, r.PopulationMeanEdit, 0.1, r.StdDevEdit, 9);
                      r.AlternativeCombo = 1, r.SaveFileEdit = L"unsaved.tvz";
                  }),
     {L"POWER", L"MODEL CORR1 / COEF1 = 0.3 NULL = 0.1 ALTER = LESS", kPower080}},
    {"PairedWithoutNull",
     Variant<One>(One::kVariantPaired,
                  [](One& r) { Type(r.TestAgainstNullEdit, 2, r.PopulationMeanEdit, 7, r.StdDevEdit, 3); }),
     {L"POWER", L"MODEL PAIRED / DIFF = 2 WITHIN = 3", kPower080}},
    {"Prop1",
     Variant<One>(One::kVariantProp1,
                  [](One& r) {
                      Type(r.TestAgainstNullEdit, 0.6, r.PopulationMeanEdit, 0.5, r.StdDevEdit, 0.4);
                      r.AlternativePowerCombo = L"0.9";
                  }),
     {L"POWER", L"MODEL PROP1 / P1 = 0.6 NULL = 0.5 SD = 0.4", L"ESTIMATE / ALPHA = 0.05 POWER = 0.9"}},
    {"UnknownVariantWritesTheModuleAlone", Variant<One>(0), {L"POWER"}},
    {"T2Means",
     Variant<Two>(
         Two::kVariantT2,
         [](Two& r) { Type(r.Mean1Edit, 5, r.Mean2Edit, 6, r.MeanDifferenceEdit, 9, r.GroupStdDevEdit, 2); }),
     {L"POWER", L"MODEL T2 / M1 = 5 M2 = 6 WITHIN = 2", kPower080}},
    {"T2Standardised",
     Variant<Two>(Two::kVariantT2,
                  [](Two& r) {
                      Type(r.AvgeSqEdit, 0.5, r.GroupStdDevEdit, 2);
                      r.IndividualEffectsRadio = 2, r.AlternativeCombo = 1;
                  }),
     {L"POWER", L"MODEL T2 / STEFF = 0.5 WITHIN = 2 ALTER = LESS", kPower080}},
    {"Z2RangePooled",
     Variant<Two>(Two::kVariantZ2,
                  [](Two& r) {
                      Type(r.MeanDifferenceEdit, 3, r.Mean1Edit, 5, r.GroupStdDevEdit, 2);
                      r.IndividualEffectsRadio = 1;
                  }),
     {L"POWER", L"MODEL Z2 / RANGE = 3 POOLED = 2", kPower080}},
    {"Z2StandardisedAlone",
     Variant<Two>(Two::kVariantZ2,
                  [](Two& r) {
                      Type(r.AvgeSqEdit, 0.5, r.GroupStdDevEdit, 2);
                      r.IndividualEffectsRadio = 2;
                  }),
     {L"POWER", L"MODEL Z2 / STEFF = 0.5", kPower080}},
    {"Corr2OneSampleSizeIsHigh",
     Variant<Corr2>(Corr2::kVariantCorr2,
                    [](Corr2& r) {
                        Type(r.Correlation1Edit, 0.5, r.Correlation2Edit, 0.3, r.SampleSizeEdit, 50);
                        r.SampleSizeSpecificPowerRadio = 1;
                    }),
     {L"POWER", L"MODEL CORR2 / COEF1 = 0.5 COEF2 = 0.3", L" ESTIMATE / ALPHA = 0.05 HIGH = 50"}},
    {"Corr2EqualGroupsLoseTheTrailingSlash",
     Variant<Corr2>(Corr2::kVariantCorr2),
     {L"POWER", L"MODEL CORR2 ", L" ESTIMATE / ALPHA = 0.05 POWER = 0.80"}},
    {"Corr2UnequalGroupsEstimateNothing",
     Variant<Corr2>(Corr2::kVariantCorr2,
                    [](Corr2& r) {
                        Type(r.SampleSize1Edit, 40, r.SampleSize2Edit, 60, r.GroupUnEqualRatioEdit, 2);
                        Type(r.SampleSizeEdit, 50);
                        r.EqualsampleSizeRadio = 1, r.SampleSizeSpecificPowerRadio = 1,
                        r.AlternativeCombo = 0;
                    }),
     {L"POWER", L"MODEL CORR2 / N1 = 40 N2 = 60 ALTER = GREATER", L" ESTIMATE / ALPHA = 0.05"}},
    {"Prop2UnequalRatio",
     Variant<Corr2>(Corr2::kVariantProp2,
                    [](Corr2& r) {
                        Type(r.Correlation1Edit, 0.4, r.Correlation2Edit, 0.6, r.SampleSize1Edit, 40);
                        Type(r.GroupUnEqualRatioEdit, 2, r.SampleSizeEdit, 25);
                        r.EqualsampleSizeRadio = 1, r.SampleSizeSpecificPowerRadio = 1;
                    }),
     {L"POWER", L"MODEL PROP2 / P1 = 0.4 P2 = 0.6 RATIO = 2", L"ESTIMATE /  ALPHA = 0.05 LOW = 25"}},
    {"Prop2EqualKeepsItsSlash",
     Variant<Corr2>(Corr2::kVariantProp2),
     {L"POWER", L"MODEL PROP2 /", L"ESTIMATE /  ALPHA = 0.05 POWER = 0.80"}},
    {"OneWayIndividualEffects",
     Variant<Way>(Way::kVariantOneWay,
                  [](Way& r) {
                      Type(r.RowNumberEdit, 3, r.ColumnNumberEdit, 4, r.CellStdDevEdit, 2, r.EffectRangeEdit,
                           1);
                      r.IndividualEffectsEdit = L"0 1 2";
                  }),
     {L"POWER", L"MODEL ONEWAY / GROUPS = 3 WITHIN = 2 EFFECT = 0 1 2", kPower080}},
    {"TwoWayAverageSquareWithoutSpread",
     Variant<Way>(Way::kVariantTwoWay,
                  [](Way& r) {
                      Type(r.RowNumberEdit, 2, r.ColumnNumberEdit, 3, r.CellStdDevEdit, 2, r.AvgeSqEdit,
                           0.25);
                      r.IndividualEffectsRadio = 2, r.RowEffectsRadio = 1;
                  }),
     {L"POWER", L"MODEL TWOWAY / ROWS = 2 COLUMNS = 3 CEFFECTS AVGESQ = 0.25", kPower080}},
    {"TwoWayInteractionRange",
     Variant<Way>(Way::kVariantTwoWay,
                  [](Way& r) {
                      Type(r.CellStdDevEdit, 2, r.EffectRangeEdit, 1.5);
                      r.IndividualEffectsRadio = 1, r.RowEffectsRadio = 2;
                  }),
     {L"POWER", L"MODEL TWOWAY / WITHIN = 2 IEFFECTS RANGE = 1.5", kPower080}},
    {"Generic",
     Variant<Generic>(
         0,
         [](Generic& r) {
             Type(r.NumeratordegreesEdit, 2, r.DenominatorDegreesEdit, 1, r.DenomSampleSizeEdit, -3);
             Type(r.NonCentralityEdit, 0.5, r.SmallestSampleSizeEdit, 10, r.LargestSampleSizeEdit, 20);
             r.SampleSizeForSpecificPowerRadio = 2;
         }),
     {L"POWER", L"MODEL GENERIC / NDF = 2 C1 = 1 C0 = -3 NCP = 0.5",
      L"ESTIMATE / ALPHA = 0.05 LOW = 10 HIGH = 20"}},

    // Experimental designs: each type's clauses; values at their defaults stay out.
    {"DesignDefaults", Variant<Design>(0), {L"DESIGN", L"FACTORIAL/"}},
    {"FactorialSkipsOtherTypesOptions",
     Variant<Design>(0,
                     [](Design& r) {
                         Type(r.LevelsEdit, 3, r.FactorsEdit, 4, r.ReplicationsEdit, 2, r.RunsEdit, 8);
                         r.LettersForLabelsCheck = r.RandomCheck = r.PrintLatinSqCheck =
                             r.InclBlockFactorCheck = 1;
                     }),
     {L"DESIGN", L"FACTORIAL/ LEVELS=3 FACTORS=4 REPS=2 LETTERS RAND"}},
    {"TypedBackToTheDefaultIsLeftOut",
     Variant<Design>(0, [](Design& r) { Type(r.LevelsEdit, 2); }),
     {L"DESIGN", L"FACTORIAL/"}},
    {"BoxHunter",
     Variant<Design>(0,
                     [](Design& r) {
                         Type(r.LevelsEdit, 3, r.FactorsEdit, 7, r.RunsEdit, 8);
                         r.TypeCombo = 1;
                     }),
     {L"DESIGN", L"BOXHUNTER/ FACTORS=7 RUNS=8"}},
    {"LatinSquare",
     Variant<Design>(0,
                     [](Design& r) {
                         Type(r.LevelsEdit, 5, r.FactorsEdit, 4);
                         r.TypeCombo = 2, r.PrintLatinSqCheck = 1;
                     }),
     {L"DESIGN", L"LATIN/ LEVELS=5 SQUARE"}},
    {"Plackett",
     Variant<Design>(0,
                     [](Design& r) {
                         Type(r.RunsEdit, 12, r.FactorsEdit, 4);
                         r.TypeCombo = 3;
                     }),
     {L"DESIGN", L"PLACKETT/ RUNS=12"}},
    {"BoxBehnkenBlockedAndSaved",
     Variant<Design>(0,
                     [](Design& r) {
                         Type(r.FactorsEdit, 3);
                         r.TypeCombo = 4, r.InclBlockFactorCheck = 1, r.SaveFileCheck = 1,
                         r.SaveFileEdit = L"d.tvz";
                     }),
     {L"DESIGN", L"SAVE \"d.tvz\"", L"BOXBEHNKEN/ FACTORS=3 BLOCK"}},
    {"MixtureLattice",
     Variant<Design>(0,
                     [](Design& r) {
                         Type(r.LevelsEdit, 3, r.FactorsEdit, 4);
                         r.TypeCombo = 5;
                     }),
     {L"DESIGN", L"MIXTURE/ LEVELS=3 FACTORS=4 TYPE=LATTICE"}},
    {"MixtureCentroidHasNoLevels",
     Variant<Design>(0,
                     [](Design& r) {
                         Type(r.LevelsEdit, 3);
                         r.TypeCombo = 5, r.MixturetypeCombo = 1;
                     }),
     {L"DESIGN", L"MIXTURE/ TYPE=CENTROID"}},
    {"TaguchiAutomaticHasNoType",
     Variant<Design>(0, [](Design& r) { r.TypeCombo = 6; }),
     {L"DESIGN", L"TAGUCHI/"}},
    {"TaguchiArray",
     Variant<Design>(0,
                     [](Design& r) {
                         Type(r.ReplicationsEdit, 2);
                         r.TypeCombo = 6, r.TaguchitypeCombo = 2;
                     }),
     {L"DESIGN", L"TAGUCHI/ REPS=2 TYPE=L8"}},
};

void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.name;
}

class DesignLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(DesignLines, GoldenLines) {
    FakeHost host;
    const auto record = GetParam().make();
    EXPECT_EQ(LinesOf(*record), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Variants, DesignLines, ::testing::ValuesIn(kLines),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(DesignLinesRules, PowerUnderTheAllValuesSwitchAndACommaDecimal) {
    FakeHost host;
    host.allValues = true;
    host.decimal = L',';
    One record;
    record.SetVariantID(One::kVariantZ1);
    Type(record.StdDevEdit, 1.5);
    // Every holder of the model is written; the test level and power keep their digits, with a comma.
    EXPECT_EQ(LinesOf(record), (LineList{L"POWER", L"MODEL Z1 / M1 = 0 NULL = 0 SIGMA = 1,5",
                                         L"ESTIMATE / ALPHA = 0,05 POWER = 0,80"}));
    record.TestLevelCombo = L"0.010";
    record.AlternativePowerCombo = L"";
    EXPECT_EQ(LinesOf(record).back(), L"ESTIMATE / ALPHA = 0,010 POWER = 0,80");
    // A text that is no level (a damaged store's) is the usual level.
    for (const wchar_t* level : {L"abc", L"1", L"0.1 0.2"}) {
        record.TestLevelCombo = level;
        EXPECT_EQ(LinesOf(record).back(), L"ESTIMATE / ALPHA = 0,05 POWER = 0,80");
    }
}

}  // namespace
