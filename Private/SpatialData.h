#pragma once

#include <array>

#include "Private/TabData.h"
#include "Source/OpenCommon.h"
#include "TvkBaseGui/CRecordOptions.h"
#include "TvkDlgBase/CBootStrapData.h"

// Spatial statistics: a variable observed at points of the plane, its variogram, a variogram model,
// kriging onto a grid. Each page's archive follows its declared order; only the first page writes the
// module line (SPATIAL).

// The data page.
//   ListOfVariablesList  the data's numeric variables
//   XVariableList, YVariableList, ValueVariableList  one variable each: the coordinates and the variable
//                        (the data's first three, in this order, to begin with)
//   DeclusterCheck  int               0  weight the points by cell declustering
//   CellSizeEdit    CGUIData<double>  1  (0, +inf), the declustering cells' side
// Lines: SPATIAL; "SPATIAL" and the variable, then " / X = ", " Y = " and the coordinates;
// " DECLUSTER = " and the cell side while declustering.
class CSpatialData : public CRecordOptions<CSpatialData> {
public:
    static int GetDefaultDeclusterCheck() { return 0; }
    static CGUIData<double> GetDefaultCellSizeEdit() { return CGUIData<double>(1.0); }

    auto Options() {
        return std::tie(ListOfVariablesList, XVariableList, YVariableList, ValueVariableList, DeclusterCheck,
                        CellSizeEdit);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList XVariableList;
    CVariableList YVariableList;
    CVariableList ValueVariableList;
    int DeclusterCheck = GetDefaultDeclusterCheck();
    CGUIData<double> CellSizeEdit = GetDefaultCellSizeEdit();
};

// The variogram page.
//   LagsEdit            CGUIData<int>     10    [1, 100], the number of lags
//   LagWidthEdit        CGUIData<double>  0     (0, +inf), the lag width; 0 (second mark 2): the largest
//                                               distance over twice the lags
//   DirectionalCheck    int               0     directional variograms
//   DirectionsEdit      CGUIData<int>     4     [2, 12], their number (evenly spread over 180 degrees)
//   AngleToleranceEdit  CGUIData<double>  22.5  (0, 90], their half-width in degrees
// Line: "VARIOGRAM", then after " /": " LAGS = ", " WIDTH = " by the value rule; while directional
// " DIRECTIONS = " and the number, " TOLERANCE = " by the value rule.
class CSpatialVarioData : public CRecordOptions<CSpatialVarioData> {
public:
    static CGUIData<int> GetDefaultLagsEdit() { return CGUIData<int>(10); }
    static CGUIData<double> GetDefaultLagWidthEdit() { return AutomaticDefault(0.0); }
    static int GetDefaultDirectionalCheck() { return 0; }
    static CGUIData<int> GetDefaultDirectionsEdit() { return CGUIData<int>(4); }
    static CGUIData<double> GetDefaultAngleToleranceEdit() { return CGUIData<double>(22.5); }

    auto Options() {
        return std::tie(LagsEdit, LagWidthEdit, DirectionalCheck, DirectionsEdit, AngleToleranceEdit);
    }

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CGUIData<int> LagsEdit = GetDefaultLagsEdit();
    CGUIData<double> LagWidthEdit = GetDefaultLagWidthEdit();
    int DirectionalCheck = GetDefaultDirectionalCheck();
    CGUIData<int> DirectionsEdit = GetDefaultDirectionsEdit();
    CGUIData<double> AngleToleranceEdit = GetDefaultAngleToleranceEdit();
};

// The variogram model page.
//   ModelCombo   int               0  combo 5606: spherical, exponential, gaussian, linear
//   FitCheck     int               1  fit the model to the variogram (else the values below hold)
//   NuggetEdit   CGUIData<double>  0  [0, +inf)
//   SillEdit     CGUIData<double>  1  (nugget, +inf), the total sill
//   RangeEdit    CGUIData<double>  1  (0, +inf)
// Line: "MODEL", then after " /": " TYPE = EXPONENTIAL", " GAUSSIAN" or " LINEAR"; unless fitting
// " FIXED" and " NUGGET = ", " SILL = ", " RANGE = " by the value rule.
class CSpatialModelOptsData : public CRecordOptions<CSpatialModelOptsData> {
public:
    static constexpr UINT kModelCombo = 5606;
    static constexpr std::array<const wchar_t*, 4> kModelKeywords = {L"", L"EXPONENTIAL", L"GAUSSIAN",
                                                                     L"LINEAR"};

    static int GetDefaultModelCombo() { return 0; }
    static int GetDefaultFitCheck() { return 1; }
    static CGUIData<double> GetDefaultNuggetEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultSillEdit() { return CGUIData<double>(1.0); }
    static CGUIData<double> GetDefaultRangeEdit() { return CGUIData<double>(1.0); }

    auto Options() { return std::tie(ModelCombo, FitCheck, NuggetEdit, SillEdit, RangeEdit); }

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

    int ModelCombo = GetDefaultModelCombo();
    int FitCheck = GetDefaultFitCheck();
    CGUIData<double> NuggetEdit = GetDefaultNuggetEdit();
    CGUIData<double> SillEdit = GetDefaultSillEdit();
    CGUIData<double> RangeEdit = GetDefaultRangeEdit();
};

// The kriging page.
//   TypeRadio       int               0   radio 5641: ordinary, simple, universal kriging
//   MeanEdit        CGUIData<double>  0   the known mean of simple kriging
//   MinPointsEdit   CGUIData<int>     4   [1, 100], the fewest points of a neighbourhood
//   MaxPointsEdit   CGUIData<int>     16  [fewest, 500], the most
//   RadiusEdit      CGUIData<double>  0   (0, +inf), the search radius; 0 (second mark 2): no limit
// Line: "KRIGE", then after " /": " TYPE = SIMPLE" with " MEAN = " and the mean, or " TYPE = UNIVERSAL";
// " MINPOINTS = ", " MAXPOINTS = ", " RADIUS = " by the value rule.
class CSpatialKRigData : public CRecordOptions<CSpatialKRigData> {
public:
    static constexpr UINT kTypeRadioGroup = 5641;
    enum Type { TypeOrdinary, TypeSimple, TypeUniversal };
    static constexpr std::array<const wchar_t*, 3> kTypeKeywords = {L"", L"SIMPLE", L"UNIVERSAL"};
    static constexpr int kMaximumPoints = 500;

    static int GetDefaultTypeRadio() { return TypeOrdinary; }
    static CGUIData<double> GetDefaultMeanEdit() { return CGUIData<double>(0.0); }
    static CGUIData<int> GetDefaultMinPointsEdit() { return CGUIData<int>(4); }
    static CGUIData<int> GetDefaultMaxPointsEdit() { return CGUIData<int>(16); }
    static CGUIData<double> GetDefaultRadiusEdit() { return AutomaticDefault(0.0); }

    auto Options() { return std::tie(TypeRadio, MeanEdit, MinPointsEdit, MaxPointsEdit, RadiusEdit); }

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

    int TypeRadio = GetDefaultTypeRadio();
    CGUIData<double> MeanEdit = GetDefaultMeanEdit();
    CGUIData<int> MinPointsEdit = GetDefaultMinPointsEdit();
    CGUIData<int> MaxPointsEdit = GetDefaultMaxPointsEdit();
    CGUIData<double> RadiusEdit = GetDefaultRadiusEdit();
};

// The grid page.
//   ExtentCheck  int               0    a typed extent (else the data's)
//   XMinEdit, XMaxEdit, YMinEdit, YMaxEdit  CGUIData<double>  0, 100, 0, 100  the extent; each maximum
//                                       above its minimum
//   SpacingEdit  CGUIData<double>  0    (0, +inf), the cells' side; 0 (second mark 2): a fiftieth of the
//                                       extent's wider side
//   SaveFileEdit, SaveFileCheck         the kriged grid saved to a file
// Lines: SAVE "file" when saving; "GRID", then after " /": " XMIN = ", " XMAX = ", " YMIN = ",
// " YMAX = " and the extent when typed; " SPACING = " by the value rule.
class CSpatialGridData : public CRecordOptions<CSpatialGridData> {
public:
    static int GetDefaultExtentCheck() { return 0; }
    static CGUIData<double> GetDefaultXMinEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultXMaxEdit() { return CGUIData<double>(100.0); }
    static CGUIData<double> GetDefaultYMinEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultYMaxEdit() { return CGUIData<double>(100.0); }
    static CGUIData<double> GetDefaultSpacingEdit() { return AutomaticDefault(0.0); }
    static CString GetDefaultSaveFileEdit() { return {}; }
    static int GetDefaultSaveFileCheck() { return 0; }

    auto Options() {
        return std::tie(ExtentCheck, XMinEdit, XMaxEdit, YMinEdit, YMaxEdit, SpacingEdit, SaveFileEdit,
                        SaveFileCheck);
    }

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

    int ExtentCheck = GetDefaultExtentCheck();
    CGUIData<double> XMinEdit = GetDefaultXMinEdit();
    CGUIData<double> XMaxEdit = GetDefaultXMaxEdit();
    CGUIData<double> YMinEdit = GetDefaultYMinEdit();
    CGUIData<double> YMaxEdit = GetDefaultYMaxEdit();
    CGUIData<double> SpacingEdit = GetDefaultSpacingEdit();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
};

// Spatial statistics: the five pages and resampling, archived in that order. The kernel takes the lines
// in another order: data, model, grid, variogram, kriging, resampling.
class CSpatialTabData : public CTabData<CSpatialData, CSpatialVarioData, CSpatialModelOptsData,
                                        CSpatialKRigData, CSpatialGridData, CBootStrapData> {
public:
    static constexpr UINT kCaptionID = 2282;

    static CSpatialData GetDefaultSpatial() { return {}; }
    static CSpatialVarioData GetDefaultSpatialVario() { return {}; }
    static CSpatialModelOptsData GetDefaultSpatialModelOpts() { return {}; }
    static CSpatialKRigData GetDefaultSpatialKRig() { return {}; }
    static CSpatialGridData GetDefaultSpatialGrid() { return {}; }
    static CBootStrapData GetDefaultBootStrap() { return {}; }

protected:
    std::vector<int> GetAskOrder() const override { return {0, 2, 4, 1, 3, 5}; }
};
