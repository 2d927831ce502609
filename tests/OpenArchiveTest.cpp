// Archives of the mixture, item analysis, scalogram, conjoint, mapping, path and spatial records: one
// non-default record of each page class as exact bytes, and the spatial composite in page order.
// Loading back, copies and truncation are RecordRoundTripTest's, for every record.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <functional>
#include <string>

#include "ArchiveTestUtil.h"
#include "Private/ConjointData.h"
#include "Private/PermapData.h"
#include "Private/PosacData.h"
#include "Private/RamonaData.h"
#include "Private/RsMixtureData.h"
#include "Private/SpatialData.h"
#include "Private/TestAtClData.h"
#include "Private/TestAtLogData.h"

namespace {

struct ArchiveCase {
    const char* name;
    friend void PrintTo(const ArchiveCase& c, std::ostream* os) { *os << c.name; }
    std::function<Bytes()> stored;
    std::function<Bytes()> expected;
};

template <class Record>
std::function<Bytes()> Stored(std::function<void(Record&)> change) {
    return [change] {
        Record record;
        change(record);
        return Store(record);
    };
}

// The iteration holders at their defaults.
ExpectedArchive& DefaultIterations(ExpectedArchive& b) {
    return b.Holder(1, 0, 100, 100, 1).Holder(1, 0, 0.0001, 0.0001, 1);
}

class OpenArchive : public ::testing::TestWithParam<ArchiveCase> {};

TEST_P(OpenArchive, IsExact) {
    const Bytes stored = GetParam().stored();
    EXPECT_EQ(stored, GetParam().expected()) << Hex(stored);
}

const ArchiveCase kArchives[] = {
    {"RsMixture", Stored<CRsMixtureData>([](CRsMixtureData& r) {
         r.TypeRadio = 2;
         r.ComponentsEdit.SetUserValue(4);
         r.LowerBoundsEdit = L"0.1 0 0 0";
         r.UpperBoundsEdit = L"1";
         r.ReplicationsEdit.SetUserValue(3);
         r.RandomCheck = 1;
         r.SaveFileEdit = L"m.tvz";
     }),
     [] {
         return ExpectedArchive()
             .Base()
             .Int(2)
             .Holder(0, 0, 3, 4, 1)
             .Holder(1, 0, 2, 2, 1)
             .Text(u"0.1 0 0 0")
             .Text(u"1")
             .Holder(0, 0, 1, 3, 1)
             .Int(1)
             .Text(u"m.tvz")
             .Int(0)
             .bytes();
     }},
    {"Permap", Stored<CPermapData>([](CPermapData& r) {
         r.SetWindowState(3);
         r.ListOfVariablesList = Variables({L"a", L"b"});
         r.SelectedVariablesList = Variables({L"b"});
         r.MethodCombo = 2;
         r.StandardizeCombo = 0;
         r.DimensionsEdit.SetUserValue(3);
         r.IterationsEdit.SetUserValue(7);
         r.SaveFileCheck = 1;
     }),
     [] {
         ExpectedArchive b;
         b.Base(3).List({{u"a"}, {u"b"}}).List({{u"b"}}).Int(2).Int(0).Holder(0, 0, 2, 3, 1);
         return b.Holder(0, 0, 100, 7, 1).Holder(1, 0, 0.0001, 0.0001, 1).Text(u"").Int(1).bytes();
     }},
    {"Posac", Stored<CPosacData>([](CPosacData& r) {
         r.ProfileVariablesList = Variables({L"p", L"q"});
         r.FrequencyVariableList = Variables({L"w"});
         r.CategoriesCheck = 1;
         r.CategoriesEdit.SetUserValue(6);
         r.ConvergenceEdit.SetUserValue(0.5);
     }),
     [] {
         ExpectedArchive b;
         b.Base().List({}).List({{u"p"}, {u"q"}}).List({{u"w"}}).Int(1).Holder(0, 0, 5, 6, 1);
         return b.Holder(1, 0, 100, 100, 1).Holder(0, 0, 0.0001, 0.5, 1).bytes();
     }},
    {"Conjoint", Stored<CConjointData>([](CConjointData& r) {
         r.PreferenceVariablesList = Variables({L"pref"});
         r.AttributeVariablesList = Variables({L"a1", L"a2"});
         r.ModelRadio = 1;
         r.LossCombo = 2;
     }),
     [] {
         ExpectedArchive b;
         b.Base().List({}).List({{u"pref"}}).List({{u"a1"}, {u"a2"}}).Int(1).Int(2);
         return DefaultIterations(b).bytes();
     }},
    {"TestAtCl", Stored<CTestAtClData>([](CTestAtClData& r) {
         r.ItemVariablesList = Variables({L"i1", L"i2"});
         r.TotalVariableList = Variables({L"t"});
         r.ItemStatsCheck = 0;
         r.GroupsEdit.SetUserValue(0.25);
         r.AlphaDeletedCheck = 1;
         r.KeyCheck = 1;
         r.KeyEdit = L"1 2";
     }),
     [] {
         ExpectedArchive b;
         b.Base().List({}).List({{u"i1"}, {u"i2"}}).List({{u"t"}}).Int(0).Holder(0, 0, 0.27, 0.25, 1);
         return b.Int(1).Int(1).Int(1).Text(u"1 2").bytes();
     }},
    {"TestAtLog", Stored<CTestAtLogData>([](CTestAtLogData& r) {
         r.ItemVariablesList = Variables({L"i"});
         r.ModelRadio = 2;
         r.IterationsEdit.SetUserValue(40);
         r.ScoresCombo = 1;
         r.SaveFileEdit = L"ab.tvz";
         r.SaveFileCheck = 1;
     }),
     [] {
         ExpectedArchive b;
         b.Base().List({}).List({{u"i"}}).Int(2).Holder(0, 0, 100, 40, 1).Holder(1, 0, 0.0001, 0.0001, 1);
         return b.Int(1).Text(u"ab.tvz").Int(1).bytes();
     }},
    {"Ramona", Stored<CRamonaData>([](CRamonaData& r) {
         r.ListOfVariablesList = Variables({L"x"});
         r.PathsEdit = L"F -> x";
         r.LatentEdit = L"F";
     }),
     [] { return ExpectedArchive().Base().List({{u"x"}}).Text(u"F -> x").Text(u"F").bytes(); }},
    {"RamonaOptions", Stored<CRamonaOptionsData>([](CRamonaOptionsData& r) {
         r.MethodCombo = 3;
         r.StartCheck = 1;
         r.StartValueEdit.SetUserValue(0.75);
     }),
     [] {
         ExpectedArchive b;
         b.Base().Int(3);
         return DefaultIterations(b).Int(1).Holder(0, 0, 0.5, 0.75, 1).Int(0).bytes();
     }},
    {"Spatial", Stored<CSpatialData>([](CSpatialData& r) {
         r.XVariableList = Variables({L"e"});
         r.YVariableList = Variables({L"n"});
         r.ValueVariableList = Variables({L"z"});
         r.DeclusterCheck = 1;
         r.CellSizeEdit.SetUserValue(2.5);
     }),
     [] {
         ExpectedArchive b;
         b.Base().List({}).List({{u"e"}}).List({{u"n"}}).List({{u"z"}});
         return b.Int(1).Holder(0, 0, 1.0, 2.5, 1).bytes();
     }},
    {"SpatialVario", Stored<CSpatialVarioData>([](CSpatialVarioData& r) {
         r.LagsEdit.SetUserValue(12);
         r.LagWidthEdit.SetUserValue(1.5);
         r.DirectionalCheck = 1;
     }),
     [] {
         return ExpectedArchive()
             .Base()
             .Holder(0, 0, 10, 12, 1)
             .Holder(0, 2, 0.0, 1.5, 1)
             .Int(1)
             .Holder(1, 0, 4, 4, 1)
             .Holder(1, 0, 22.5, 22.5, 1)
             .bytes();
     }},
    {"SpatialModelOpts", Stored<CSpatialModelOptsData>([](CSpatialModelOptsData& r) {
         r.ModelCombo = 1;
         r.FitCheck = 0;
         r.SillEdit.SetUserValue(3.0);
     }),
     [] {
         ExpectedArchive b;
         b.Base().Int(1).Int(0).Holder(1, 0, 0.0, 0.0, 1).Holder(0, 0, 1.0, 3.0, 1);
         return b.Holder(1, 0, 1.0, 1.0, 1).bytes();
     }},
    {"SpatialKRig", Stored<CSpatialKRigData>([](CSpatialKRigData& r) {
         r.TypeRadio = 1;
         r.MeanEdit.SetUserValue(-2.0);
         r.MaxPointsEdit.SetUserValue(30);
     }),
     [] {
         ExpectedArchive b;
         b.Base().Int(1).Holder(0, 0, 0.0, -2.0, 1).Holder(1, 0, 4, 4, 1).Holder(0, 0, 16, 30, 1);
         return b.Holder(1, 2, 0.0, 0.0, 1).bytes();
     }},
    {"SpatialGrid", Stored<CSpatialGridData>([](CSpatialGridData& r) {
         r.ExtentCheck = 1;
         r.XMaxEdit.SetUserValue(50.0);
         r.YMinEdit.SetUserValue(-10.0);
         r.SaveFileEdit = L"g.tvz";
     }),
     [] {
         ExpectedArchive b;
         b.Base().Int(1).Holder(1, 0, 0.0, 0.0, 1).Holder(0, 0, 100.0, 50.0, 1).Holder(0, 0, 0.0, -10.0, 1);
         return b.Holder(1, 0, 100.0, 100.0, 1).Holder(1, 2, 0.0, 0.0, 1).Text(u"g.tvz").Int(0).bytes();
     }},
    // The composite stores its pages in page order (data, variogram, model, kriging, grid, resampling),
    // whatever order it asks them for lines in.
    {"SpatialTab", Stored<CSpatialTabData>([](CSpatialTabData& r) {
         r.SetWindowState(2);
         r.Page<CSpatialVarioData>().SetWindowState(3);
         r.Page<CSpatialKRigData>().SetWindowState(4);
     }),
     [] {
         ExpectedArchive b;
         b.Base(2).Base().List({}).List({}).List({}).List({}).Int(0).Holder(1, 0, 1.0, 1.0, 1);
         b.Base(3).Holder(1, 0, 10, 10, 1).Holder(1, 2, 0.0, 0.0, 1).Int(0).Holder(1, 0, 4, 4, 1);
         b.Holder(1, 0, 22.5, 22.5, 1);
         b.Base().Int(0).Int(1).Holder(1, 0, 0.0, 0.0, 1).Holder(1, 0, 1.0, 1.0, 1).Holder(1, 0, 1.0, 1.0, 1);
         b.Base(4).Int(0).Holder(1, 0, 0.0, 0.0, 1).Holder(1, 0, 4, 4, 1).Holder(1, 0, 16, 16, 1);
         b.Holder(1, 2, 0.0, 0.0, 1);
         b.Base().Int(0).Holder(1, 0, 0.0, 0.0, 1).Holder(1, 0, 100.0, 100.0, 1).Holder(1, 0, 0.0, 0.0, 1);
         b.Holder(1, 0, 100.0, 100.0, 1).Holder(1, 2, 0.0, 0.0, 1).Text(u"").Int(0);
         // Resampling: off, ordinary bootstrap, 1000 samples, automatic size and seed.
         b.Base().Int(0).Int(0).Holder(1, 0, 1000, 1000, 1).Holder(1, 2, 0, 0, 1).Holder(1, 2, 0, 0, 1);
         return b.bytes();
     }},
};

INSTANTIATE_TEST_SUITE_P(Records, OpenArchive, ::testing::ValuesIn(kArchives),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
