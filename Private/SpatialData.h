#pragma once

#include <array>

#include "Private/TabData.h"
#include "Records/SpatialData.h"
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
    TVK_OPTIONS(SPATIAL_OPTIONS)
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
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
    TVK_OPTIONS(SPATIAL_VARIO_OPTIONS)
    void GetCommandInfoList(CCmdList& lines) const override;
};

// The variogram model page.
//   ModelCombo   int               0  combo 5606: spherical, exponential, gaussian, linear
//   FitCheck     int               1  fit the model to the variogram (else the values below hold)
//   NuggetEdit   CGUIData<double>  0  [0, +inf)
//   SillEdit     CGUIData<double>  1  (nugget, +inf), the total sill
//   RangeEdit    CGUIData<double>  1  (0, +inf)
// Line: "MODEL", then after " /": " TYPE = EXPONENTIAL", " GAUSSIAN" or " LINEAR"; unless fitting
// " FIXED" and " NUGGET = ", " SILL = ", " RANGE = " by the value rule.
class CSpatialModelOptsData : public CRecordOptions<CSpatialModelOptsData>,
                              public CSpatialModelOptsDataValues {
public:
    static constexpr std::array<const wchar_t*, 4> kModelKeywords = {L"", L"EXPONENTIAL", L"GAUSSIAN",
                                                                     L"LINEAR"};

    TVK_OPTIONS(SPATIAL_MODEL_OPTIONS)
    void GetCommandInfoList(CCmdList& lines) const override;
};

// The kriging page.
//   TypeRadio       int               0   radio 5641: ordinary, simple, universal kriging
//   MeanEdit        CGUIData<double>  0   the known mean of simple kriging
//   MinPointsEdit   CGUIData<int>     4   [1, 100], the fewest points of a neighbourhood
//   MaxPointsEdit   CGUIData<int>     16  [fewest, 500], the most
//   RadiusEdit      CGUIData<double>  0   (0, +inf), the search radius; 0 (second mark 2): no limit
// Line: "KRIGE", then after " /": " TYPE = SIMPLE" with " MEAN = " and the mean, or " TYPE = UNIVERSAL";
// " MINPOINTS = ", " MAXPOINTS = ", " RADIUS = " by the value rule.
class CSpatialKRigData : public CRecordOptions<CSpatialKRigData>, public CSpatialKRigDataValues {
public:
    enum Type { TypeOrdinary, TypeSimple, TypeUniversal };
    static constexpr std::array<const wchar_t*, 3> kTypeKeywords = {L"", L"SIMPLE", L"UNIVERSAL"};

    TVK_OPTIONS(SPATIAL_KRIG_OPTIONS)
    void GetCommandInfoList(CCmdList& lines) const override;
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
    TVK_OPTIONS(SPATIAL_GRID_OPTIONS)
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Spatial statistics: the five pages and resampling, archived in that order. The kernel takes the lines
// in another order: data, model, grid, variogram, kriging, resampling.
class CSpatialTabData : public CTabData<CSpatialData, CSpatialVarioData, CSpatialModelOptsData,
                                        CSpatialKRigData, CSpatialGridData, CBootStrapData>,
                        public CSpatialTabDataValues {
public:
    static CSpatialData GetDefaultSpatial() { return {}; }
    static CSpatialVarioData GetDefaultSpatialVario() { return {}; }
    static CSpatialModelOptsData GetDefaultSpatialModelOpts() { return {}; }
    static CSpatialKRigData GetDefaultSpatialKRig() { return {}; }
    static CSpatialGridData GetDefaultSpatialGrid() { return {}; }
    static CBootStrapData GetDefaultBootStrap() { return {}; }

protected:
    std::vector<int> GetAskOrder() const override { return {0, 2, 4, 1, 3, 5}; }
};
