// Archives of the transformation, time label, cross-correlation, Fourier, trend analysis and lowess
// records: one non-default record of each as exact bytes, and what every record shares (round trip,
// copies, registration).

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "ArchiveTestUtil.h"
#include "Private/CcfData.h"
#include "Private/FourierData.h"
#include "Private/LowessData.h"
#include "Private/TimeData.h"
#include "Private/TransformData.h"
#include "Private/TrendAnalysisData.h"
#include "Source/RecordRegistry.h"

namespace {

// ---- one non-default record of each class, and its archive -------------------------------------

template <class T>
struct Sample;

template <>
struct Sample<CTransformData> {
    static constexpr const char* kName = "CTransformData";
    static CTransformData Make() {
        CTransformData r;
        r.SetWindowState(2);
        r.ListOfVariablesList.Add(Numeric(L"V1"));
        r.ListOfVariablesList.Add(Numeric(L"V2"));
        r.SelectedVariableList.Add(Numeric(L"V2"));
        r.SeriesLagEdit.SetUserValue(3);
        r.SeriesProportionEdit.SetUserValue(0.25);
        r.SaveFileEdit = L"d.tvz";
        r.SaveFileCheck = 1;
        r.SeriesTypeCombo = 6;
        r.SeriesSaveCombo = 1;
        return r;
    }
    static Bytes Archive() {
        return ExpectedArchive()
            .Base(2)
            .Text(u"d.tvz")                        // SaveFileEdit
            .Int(1)                                // SaveFileCheck
            .Int(6)                                // SeriesTypeCombo
            .Int(1)                                // SeriesSaveCombo
            .List({{u"V1", 2, 0}, {u"V2", 2, 0}})  // source
            .List({{u"V2", 2, 0}})                 // selected
            .Holder(0, 0, 1, 3, 1)                 // lag
            .Holder(1, 0, 1, 1, 1)                 // base
            .Holder(0, 0, 0.5, 0.25, 1)            // proportion
            .bytes();
    }
};

template <>
struct Sample<CTimeData> {
    static constexpr const char* kName = "CTimeData";
    static CTimeData Make() {
        CTimeData r;
        r.OriginEdit.SetUserValue(1990);
        r.PeriodEdit.SetUserValue(12);
        r.FirstEdit.SetUserValue(4);
        r.DateFormatCombo = 3;
        return r;
    }
    static Bytes Archive() {
        return ExpectedArchive()
            .Base(1)
            .Int(3)                    // DateFormatCombo
            .Holder(0, 1, 0, 1990, 1)  // origin, second mark 1 from its default
            .Holder(0, 0, 1, 12, 1)    // period
            .Holder(0, 0, 1, 4, 1)     // first
            .bytes();
    }
};

template <>
struct Sample<CCcfData> {
    static constexpr const char* kName = "CCcfData";
    static CCcfData Make() {
        CCcfData r;
        r.ListOfVariablesList.Add(Numeric(L"V1"));
        r.ListOfVariablesList.Add(Numeric(L"V2"));
        r.SelectedVariableList.Add(Numeric(L"V2"));
        r.SelectedVariableList.Add(Numeric(L"V1"));
        r.LagEdit.SetUserValue(12);
        r.SaveFileEdit = L"c.tvz";
        r.SaveFileCheck = 1;
        return r;
    }
    static Bytes Archive() {
        return ExpectedArchive()
            .Base(1)
            .Text(u"c.tvz")
            .Int(1)
            .List({{u"V1", 2, 0}, {u"V2", 2, 0}})
            .List({{u"V2", 2, 0}, {u"V1", 2, 0}})
            .Holder(0, 0, 50, 12, 1)
            .bytes();
    }
};

template <>
struct Sample<CFourierData> {
    static constexpr const char* kName = "CFourierData";
    static CFourierData Make() {
        CFourierData r;
        r.SetWindowState(0);
        r.ListOfVariablesList.Add(Numeric(L"V1"));
        r.SelectedVariableList.Add(Numeric(L"V1"));
        r.LagEdit.SetUserValue(7);
        r.LagEdit.SetLast(0);
        r.SaveFileCheck = 1;
        r.SaveFileEdit = L"f.tvz";
        return r;
    }
    static Bytes Archive() {
        return ExpectedArchive()
            .Base(0)
            .Int(1)  // SaveFileCheck before the file name here
            .Text(u"f.tvz")
            .Holder(0, 2, 0, 7, 0)
            .List({{u"V1", 2, 0}})
            .List({{u"V1", 2, 0}})
            .bytes();
    }
};

template <>
struct Sample<CTrendAnalysisData> {
    static constexpr const char* kName = "CTrendAnalysisData";
    static CTrendAnalysisData Make() {
        CTrendAnalysisData r;
        r.ListOfVariablesList.Add(Numeric(L"y"));
        r.ListOfVariablesList.Add(Numeric(L"t"));
        r.ListOfVariablesList.Add(CGUIDataVariable(L"s", kVariableTypeString, 4));
        r.SeriesVariableList.Add(Numeric(L"y"));
        r.TimeVariableList.Add(Numeric(L"t"));
        r.SeasonVariableList.Add(CGUIDataVariable(L"s", kVariableTypeString, 4));
        r.ConfiEdit.SetUserValue(0.9);
        r.TestsSkCheck = 0;
        r.TestsMkCheck = 1;
        r.TestsHomogeneityCheck = 1;
        r.SlopeCheck = 1;
        r.TestsMkRadio = 1;
        r.AlternativeCombo = 2;
        return r;
    }
    static Bytes Archive() {
        return ExpectedArchive()
            .Base(1)
            .Int(0)  // TestsSkCheck
            .Int(1)  // TestsMkCheck
            .Int(1)  // TestsHomogeneityCheck
            .Int(1)  // SlopeCheck
            .Int(1)  // TestsMkRadio
            .Int(2)  // AlternativeCombo
            .List({{u"y", 2, 0}, {u"t", 2, 0}, {u"s", 1, 4}})
            .List({{u"y", 2, 0}})
            .List({{u"t", 2, 0}})
            .List({{u"s", 1, 4}})
            .Holder(0, 0, 0.95, 0.9, 1)
            .bytes();
    }
};

template <>
struct Sample<CLowessData> {
    static constexpr const char* kName = "CLowessData";
    static CLowessData Make() {
        CLowessData r;
        r.ListOfVariablesList.Add(Numeric(L"V1"));
        r.SelectedVariableList.Add(Numeric(L"V1"));
        r.TensionEdit.SetUserValue(0.3);
        r.SaveFileCheck = 1;
        r.SaveFileEdit = L"l.tvz";
        return r;
    }
    static Bytes Archive() {
        return ExpectedArchive()
            .Base(1)
            .Int(1)
            .Text(u"l.tvz")
            .Holder(0, 0, 0.5, 0.3, 1)
            .List({{u"V1", 2, 0}})
            .List({{u"V1", 2, 0}})
            .bytes();
    }
};

template <class T>
class TimeSeriesRecords2Archive : public ::testing::Test {};

using Records =
    ::testing::Types<CTransformData, CTimeData, CCcfData, CFourierData, CTrendAnalysisData, CLowessData>;
TYPED_TEST_SUITE(TimeSeriesRecords2Archive, Records);

TYPED_TEST(TimeSeriesRecords2Archive, NonDefaultRecordIsStoredExactly) {
    TypeParam record = Sample<TypeParam>::Make();
    const Bytes stored = Store(record);
    EXPECT_EQ(stored, Sample<TypeParam>::Archive()) << Hex(stored);
}

TYPED_TEST(TimeSeriesRecords2Archive, LoadedBackItStoresTheSameBytesAndNothingIsLeftOver) {
    TypeParam original = Sample<TypeParam>::Make();
    const Bytes stored = Store(original);
    TypeParam loaded;
    CArchive ar(stored);
    loaded.LoadFromArchive(ar);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(Store(loaded), stored);
    EXPECT_EQ(loaded.GetWindowState(), original.GetWindowState());
}

TYPED_TEST(TimeSeriesRecords2Archive, CopiesAndAssignmentsCarryEveryOption) {
    const TypeParam original = Sample<TypeParam>::Make();
    TypeParam copy(original);
    TypeParam assigned;
    assigned = original;
    EXPECT_EQ(Store(copy), Sample<TypeParam>::Archive());
    EXPECT_EQ(Store(assigned), Sample<TypeParam>::Archive());
}

TYPED_TEST(TimeSeriesRecords2Archive, RegisteredUnderItsClassNameAndMadeWithItsDefaults) {
    const auto& factories = RecordFactories();
    const auto it = std::find_if(factories.begin(), factories.end(), [](const RecordFactory& f) {
        return std::strcmp(f.name, Sample<TypeParam>::kName) == 0;
    });
    ASSERT_NE(it, factories.end());
    auto made = it->make();
    TypeParam fresh;
    EXPECT_EQ(Store(*made), Store(fresh));
    EXPECT_NE(dynamic_cast<TypeParam*>(made.get()), nullptr);
}

// ---- defaults, as stored ------------------------------------------------------------------------

TEST(TimeSeriesRecords2Defaults, HoldersAndOptionsOfNewRecords) {
    CTimeData time;
    EXPECT_EQ(Store(time), ExpectedArchive()
                               .Base(1)
                               .Int(0)
                               .Holder(1, 1, 0, 0, 1)
                               .Holder(1, 0, 1, 1, 1)
                               .Holder(1, 0, 1, 1, 1)
                               .bytes());
    CFourierData fourier;
    EXPECT_EQ(Store(fourier),
              ExpectedArchive().Base(1).Int(0).Text(u"").Holder(1, 2, 0, 0, 1).List({}).List({}).bytes());
    CTrendAnalysisData trend;
    ExpectedArchive expected;
    expected.Base(1).Int(1);
    for (int i = 0; i < 5; ++i)
        expected.Int(0);
    expected.List({}).List({}).List({}).List({}).Holder(1, 0, 0.95, 0.95, 1);
    EXPECT_EQ(Store(trend), expected.bytes());
}

}  // namespace
