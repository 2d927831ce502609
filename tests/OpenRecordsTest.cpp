// Lines and pre-selected variables of the mixture, item analysis, scalogram, conjoint, mapping, path
// and spatial records: one golden table of lines (defaults, changed options, the value rule's edges),
// the spatial composite's order of lines, and the variables each record takes to begin with.

#include <gtest/gtest.h>

#include "RecordTestUtil.h"

#include <functional>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "Private/ConjointData.h"
#include "Private/PermapData.h"
#include "Private/PosacData.h"
#include "Private/RamonaData.h"
#include "Private/RsMixtureData.h"
#include "Private/SpatialData.h"
#include "Private/TestAtClData.h"
#include "Private/TestAtLogData.h"

namespace {

using Lines = std::vector<std::wstring>;

struct LinesCase {
    const char* name;
    friend void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }
    std::function<Lines(FakeHost&)> lines;
    Lines expected;
};

// The record as the launcher prepares it on data a, b, c (numeric) and s (string), changed by `change`.
template <class Record>
std::function<Lines(FakeHost&)> Prepared(std::function<void(Record&, FakeHost&)> change = {}) {
    return [change](FakeHost& host) {
        Record record;
        record.FillListSource();
        if (change)
            change(record, host);
        return LinesOf(record);
    };
}

class OpenLines : public ::testing::TestWithParam<LinesCase> {
protected:
    OpenLines() {
        host.data.AddNumeric(L"a");
        host.data.AddString(L"s");
        host.data.AddNumeric(L"b");
        host.data.AddNumeric(L"c");
    }
    FakeHost host;
};

TEST_P(OpenLines, AreGolden) {
    EXPECT_EQ(GetParam().lines(host), GetParam().expected);
}

const LinesCase kLines[] = {
    // ---- mixture designs
    {"MixtureDefaults", Prepared<CRsMixtureData>(), {L"MIXTURE", L"LATTICE"}},
    {"MixtureCentroidLeavesTheDegreeOut",
     Prepared<CRsMixtureData>([](CRsMixtureData& r, FakeHost&) {
         r.TypeRadio = CRsMixtureData::TypeCentroid;
         r.ComponentsEdit.SetUserValue(4);
         r.DegreeEdit.SetUserValue(3);
         r.LowerBoundsEdit = L"0.1 0 0 0";
         r.ReplicationsEdit.SetUserValue(2);
         r.RandomCheck = r.SaveFileCheck = 1;
         r.SaveFileEdit = L"mix.tvz";
     }),
     {L"MIXTURE", L"SAVE \"mix.tvz\"", L"CENTROID / COMPONENTS = 4 REPS = 2 RAND"}},
    {"MixtureVerticesWithBounds",
     Prepared<CRsMixtureData>([](CRsMixtureData& r, FakeHost&) {
         r.TypeRadio = CRsMixtureData::TypeVertices;
         r.LowerBoundsEdit = L" 0.1  0.2 0 ";
         r.UpperBoundsEdit = L"0.8 0.9 1";
     }),
     {L"MIXTURE", L"VERTICES / LOWER = 0.1 0.2 0 UPPER = 0.8 0.9 1"}},
    {"MixtureLatticeDegreeUnderAllValues",
     Prepared<CRsMixtureData>([](CRsMixtureData& r, FakeHost& h) {
         h.allValues = true;
         r.UpperBoundsEdit = L"1 1 1";
     }),
     {L"MIXTURE", L"LATTICE / COMPONENTS = 3 DEGREE = 2 REPS = 1"}},
    // ---- perceptual mapping
    {"PermapDefaults", Prepared<CPermapData>(), {L"MAPPING", L"PMAP a b"}},
    {"PermapNonmetricWithCommaDecimals",
     Prepared<CPermapData>([](CPermapData& r, FakeHost& h) {
         h.decimal = L',';
         r.SelectedVariablesList.Add(Numeric(L"c"));
         r.MethodCombo = CPermapData::MethodNonmetric;
         r.StandardizeCombo = 0;
         r.DimensionsEdit.SetUserValue(3);
         r.IterationsEdit.SetUserValue(50);
         r.ConvergenceEdit.SetUserValue(0.005);
     }),
     {L"MAPPING", L"PMAP a b c / METHOD = NONMETRIC STANDARDIZE = NONE DIM = 3 ITER = 50 CONV = 0,005"}},
    {"PermapMetricIgnoresIterations",
     Prepared<CPermapData>([](CPermapData& r, FakeHost&) {
         r.MethodCombo = CPermapData::MethodMetric;
         r.StandardizeCombo = 2;
         r.IterationsEdit.SetUserValue(50);
     }),
     {L"MAPPING", L"PMAP a b / METHOD = METRIC STANDARDIZE = RANGE"}},
    // ---- partial order scalogram analysis
    {"PosacDefaults", Prepared<CPosacData>(), {L"POSAC", L"POSAC a b c"}},
    {"PosacFrequencyCategoriesIterations",
     Prepared<CPosacData>([](CPosacData& r, FakeHost&) {
         r.FrequencyVariableList = Variables({L"w"});
         r.CategoriesCheck = 1;
         r.CategoriesEdit.SetUserValue(6);
         r.IterationsEdit.SetUserValue(200);
     }),
     {L"POSAC", L"POSAC a b c / FREQ = w CATEGORIES = 6 ITER = 200"}},
    {"PosacCategoriesOnlyWhileRecoding",
     Prepared<CPosacData>([](CPosacData& r, FakeHost&) {
         r.CategoriesEdit.SetUserValue(6);
         r.ConvergenceEdit.SetUserValue(0.01);
     }),
     {L"POSAC", L"POSAC a b c / CONV = 0.01"}},
    // ---- conjoint analysis
    {"ConjointDefaults", Prepared<CConjointData>(), {L"CONJOINT", L"CONJOINT a = b"}},
    {"ConjointMultiplicativeTau",
     Prepared<CConjointData>([](CConjointData& r, FakeHost&) {
         r.AttributeVariablesList.Add(Numeric(L"c"));
         r.ModelRadio = 1;
         r.LossCombo = CConjointData::LossTau;
         r.ConvergenceEdit.SetUserValue(0.001);
     }),
     {L"CONJOINT", L"CONJOINT a = b c / MODEL = MULTIPLICATIVE LOSS = TAU CONV = 0.001"}},
    {"ConjointLeastSquaresHasNoIterations",
     Prepared<CConjointData>([](CConjointData& r, FakeHost& h) {
         h.allValues = true;
         r.LossCombo = CConjointData::LossLeastSquares;
         r.IterationsEdit.SetUserValue(9);
     }),
     {L"CONJOINT", L"CONJOINT a = b / LOSS = LSQ"}},
    // ---- classical item analysis
    {"ClassicalDefaults", Prepared<CTestAtClData>(), {L"ITEMS", L"CLASSICAL a b c / STATS ALPHA"}},
    {"ClassicalEverything",
     Prepared<CTestAtClData>([](CTestAtClData& r, FakeHost&) {
         r.TotalVariableList = Variables({L"t"});
         r.GroupsEdit.SetUserValue(0.3);
         r.AlphaDeletedCheck = r.KeyCheck = 1;
         r.KeyEdit = L"1 3 2";
     }),
     {L"ITEMS", L"CLASSICAL a b c / TOTAL = t STATS GROUPS = 0.3 ALPHA DELETED KEY = 1 3 2"}},
    {"ClassicalNothingAsked",
     Prepared<CTestAtClData>([](CTestAtClData& r, FakeHost&) {
         r.ItemStatsCheck = r.ReliabilityCheck = 0;
         r.GroupsEdit.SetUserValue(0.3);
         r.AlphaDeletedCheck = 1;
         r.KeyEdit = L"1 3 2";
     }),
     {L"ITEMS", L"CLASSICAL a b c"}},
    // ---- logistic item analysis
    {"LogisticDefaults", Prepared<CTestAtLogData>(), {L"ITEMS", L"LOGISTIC a b c"}},
    {"LogisticSavedAbilities",
     Prepared<CTestAtLogData>([](CTestAtLogData& r, FakeHost&) {
         r.ModelRadio = 2;
         r.ScoresCombo = 1;
         r.SaveFileCheck = 1;
         r.SaveFileEdit = L"ab.tvz";
     }),
     {L"ITEMS", L"SAVE \"ab.tvz\"", L"LOGISTIC a b c / MODEL = 3PL SCORES = EAP"}},
    {"LogisticScoresOnlyWhenSaving",
     Prepared<CTestAtLogData>([](CTestAtLogData& r, FakeHost&) {
         r.ModelRadio = 1;
         r.ScoresCombo = 2;
         r.IterationsEdit.SetUserValue(30);
     }),
     {L"ITEMS", L"LOGISTIC a b c / MODEL = 2PL ITER = 30"}},
    // ---- path models
    {"PathDefaultsAreOneFactor",
     Prepared<CRamonaTabData>(),
     {L"PATH", L"MODEL F1 -> a b c / LATENT = F1", L"ESTIMATE"}},
    {"PathTypedModelIsTidied",
     Prepared<CRamonaTabData>([](CRamonaTabData& r, FakeHost&) {
         r.Page<CRamonaData>().PathsEdit = L"F1->a  b;F2 -> c ; ;F1<->F2";
         r.Page<CRamonaData>().LatentEdit = L" F1  F2 ";
         auto& options = r.Page<CRamonaOptionsData>();
         options.MethodCombo = 1;
         options.StartCheck = options.CorrelationCheck = 1;
         options.StartValueEdit.SetUserValue(0.3);
     }),
     {L"PATH", L"MODEL F1 -> a b; F2 -> c; F1 <-> F2 / LATENT = F1 F2",
      L"ESTIMATE / METHOD = GLS START = 0.3 CORR"}},
    {"PathUnparsedModelAsTyped",
     Prepared<CRamonaData>([](CRamonaData& r, FakeHost&) {
         r.PathsEdit = L" a -> b -> c ";
         r.LatentEdit = L"";
     }),
     {L"PATH", L"MODEL a -> b -> c"}},
    // ---- spatial statistics: run order, not page order
    {"SpatialDefaults",
     Prepared<CSpatialTabData>(),
     {L"SPATIAL", L"SPATIAL c / X = a Y = b", L"MODEL", L"GRID", L"VARIOGRAM", L"KRIGE"}},
    {"SpatialEveryPageChanged",
     Prepared<CSpatialTabData>([](CSpatialTabData& r, FakeHost&) {
         r.Page<CSpatialData>().DeclusterCheck = 1;
         r.Page<CSpatialData>().CellSizeEdit.SetUserValue(2.5);
         auto& vario = r.Page<CSpatialVarioData>();
         vario.LagsEdit.SetUserValue(12);
         vario.DirectionalCheck = 1;
         vario.AngleToleranceEdit.SetUserValue(30.0);
         auto& model = r.Page<CSpatialModelOptsData>();
         model.ModelCombo = 2;
         model.FitCheck = 0;
         model.NuggetEdit.SetUserValue(0.5);
         model.SillEdit.SetUserValue(2.0);
         auto& krig = r.Page<CSpatialKRigData>();
         krig.TypeRadio = CSpatialKRigData::TypeSimple;
         krig.MaxPointsEdit.SetUserValue(30);
         auto& grid = r.Page<CSpatialGridData>();
         grid.ExtentCheck = grid.SaveFileCheck = 1;
         grid.XMaxEdit.SetUserValue(50.0);
         grid.YMinEdit.SetUserValue(-10.0);
         grid.SpacingEdit.SetUserValue(2.0);
         grid.SaveFileEdit = L"g.tvz";
         r.Page<CBootStrapData>().BootStrapCheck = 1;
     }),
     {L"SPATIAL", L"SPATIAL c / X = a Y = b DECLUSTER = 2.5",
      L"MODEL / TYPE = GAUSSIAN FIXED NUGGET = 0.5 SILL = 2", L"SAVE \"g.tvz\"",
      L"GRID / XMIN = 0 XMAX = 50 YMIN = -10 YMAX = 100 SPACING = 2",
      L"VARIOGRAM / LAGS = 12 DIRECTIONS = 4 TOLERANCE = 30",
      L"KRIGE / TYPE = SIMPLE MEAN = 0 MAXPOINTS = 30", L"BOOTSTRAP / SAMPLES = 1000"}},
    {"SpatialAllValuesLeaveAutomaticOnesOut",
     Prepared<CSpatialTabData>([](CSpatialTabData& r, FakeHost& h) {
         h.allValues = true;
         r.Page<CSpatialData>().SetWindowState(0);
         r.Page<CSpatialModelOptsData>().SetWindowState(0);
         r.Page<CSpatialGridData>().SetWindowState(0);
     }),
     {L"VARIOGRAM / LAGS = 10", L"KRIGE / MINPOINTS = 4 MAXPOINTS = 16"}},
};

INSTANTIATE_TEST_SUITE_P(Records, OpenLines, ::testing::ValuesIn(kLines),
                         [](const auto& p) { return std::string(p.param.name); });

// ---- the variables each record takes to begin with ----------------------------------------------

TEST(OpenSources, FirstNumericVariablesAreTakenOnlyWhenNothingIsChosen) {
    FakeHost host;
    for (const wchar_t* name : {L"a", L"b"})
        host.data.AddNumeric(name);
    host.data.AddString(L"s");
    host.data.AddNumeric(L"c");
    using Names = std::vector<std::wstring>;

    CSpatialData spatial;
    spatial.FillListSource();
    EXPECT_EQ(NamesOf(spatial.ListOfVariablesList), (Names{L"a", L"b", L"c"}));
    EXPECT_EQ(NamesOf(spatial.XVariableList), Names{L"a"});
    EXPECT_EQ(NamesOf(spatial.YVariableList), Names{L"b"});
    EXPECT_EQ(NamesOf(spatial.ValueVariableList), Names{L"c"});

    // One list chosen: the others stay as the user left them.
    CConjointData conjoint;
    conjoint.AttributeVariablesList = Variables({L"c"});
    conjoint.FillListSource();
    EXPECT_TRUE(conjoint.PreferenceVariablesList.IsEmpty());
    EXPECT_EQ(NamesOf(conjoint.AttributeVariablesList), Names{L"c"});

    // Fewer variables than lists: the first lists are served.
    host.data.variables.resize(1);
    CSpatialData few;
    few.FillListSource();
    EXPECT_EQ(NamesOf(few.XVariableList), Names{L"a"});
    EXPECT_TRUE(few.YVariableList.IsEmpty());
    EXPECT_TRUE(few.ValueVariableList.IsEmpty());

    // A path model typed (or a data set of one variable) keeps its model.
    CRamonaData path;
    path.FillListSource();
    EXPECT_TRUE(path.PathsEdit.IsEmpty());
    path.PathsEdit = L"F -> a";
    host.data.AddNumeric(L"b");
    path.FillListSource();
    EXPECT_EQ(path.PathsEdit, L"F -> a");
    EXPECT_TRUE(path.LatentEdit.IsEmpty());
}

}  // namespace
