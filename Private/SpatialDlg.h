#pragma once

#include "Private/OpenTabDlg.h"
#include "Private/SpatialData.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The pages of spatial statistics. Each enables what its choices use.

// Coordinates and variable, one variable each; the cell side follows the declustering check.
class CSpatialDlg : public CRecordDlg<CSpatialData> {
public:
    enum : UINT {
        IDD = 2409,
        IDC_SOURCE_LIST = 1001,
        IDC_X_LIST = 1002,
        IDC_ADD_X = 1003,
        IDC_REMOVE_X = 1004,
        IDC_LIST_MENU_LABEL = 1005,
        IDC_Y_LIST = 1006,
        IDC_ADD_Y = 1007,
        IDC_REMOVE_Y = 1008,
        IDC_VALUE_LIST = 1009,
        IDC_ADD_VALUE = 1010,
        IDC_REMOVE_VALUE = 1011,
        IDC_DECLUSTER_CHECK = 1012,
        IDC_CELL_SIZE_EDIT = 1013,
    };

    explicit CSpatialDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};

// Lags and their width; the number of directions and their tolerance follow the directional check.
class CSpatialVarioDlg : public CRecordDlg<CSpatialVarioData> {
public:
    enum : UINT {
        IDD = 2410,
        IDC_LAGS_EDIT = 1001,
        IDC_WIDTH_EDIT = 1003,
        IDC_DIRECTIONAL_CHECK = 1005,
        IDC_DIRECTIONS_EDIT = 1006,
        IDC_DIRECTIONS_LABEL = 1007,
        IDC_TOLERANCE_EDIT = 1008,
        IDC_TOLERANCE_LABEL = 1009,
    };

    explicit CSpatialVarioDlg(CGUIBaseDlg* parent = nullptr) : CRecordDlg(IDD, parent) {}

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};

// The model; nugget, sill and range are typed only when the model is not fitted.
class CSpatialModelOptsDlg : public CRecordDlg<CSpatialModelOptsData> {
public:
    enum : UINT {
        IDD = 2411,
        IDC_MODEL_COMBO = CSpatialModelOptsData::kModelCombo,
        IDC_FIT_CHECK = 1002,
        IDC_NUGGET_EDIT = 1003,
        IDC_NUGGET_LABEL = 1004,
        IDC_SILL_EDIT = 1005,
        IDC_SILL_LABEL = 1006,
        IDC_RANGE_EDIT = 1007,
        IDC_RANGE_LABEL = 1008,
    };

    explicit CSpatialModelOptsDlg(CGUIBaseDlg* parent = nullptr) : CRecordDlg(IDD, parent) {
        FillComboFromResource(IDC_MODEL_COMBO, CSpatialModelOptsData::kModelCombo);
    }

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};

// The kriging type and neighbourhood; the mean belongs to simple kriging.
class CSpatialKRigDlg : public CRecordDlg<CSpatialKRigData> {
public:
    enum : UINT {
        IDD = 2412,
        IDC_ORDINARY_RADIO = CSpatialKRigData::kTypeRadioGroup,
        IDC_SIMPLE_RADIO = 5642,
        IDC_UNIVERSAL_RADIO = 5643,
        IDC_MEAN_EDIT = 1001,
        IDC_MEAN_LABEL = 1002,
        IDC_MIN_POINTS_EDIT = 1003,
        IDC_MAX_POINTS_EDIT = 1004,
        IDC_RADIUS_EDIT = 1005,
    };

    explicit CSpatialKRigDlg(CGUIBaseDlg* parent = nullptr) : CRecordDlg(IDD, parent) {
        FillRadioFromResource(CSpatialKRigData::kTypeRadioGroup);
    }

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};

// The grid; its extent is typed only when the data's is not taken.
class CSpatialGridDlg : public CRecordDlg<CSpatialGridData> {
public:
    enum : UINT {
        IDD = 2413,
        IDC_EXTENT_CHECK = 1001,
        IDC_XMIN_EDIT = 1002,
        IDC_XMAX_EDIT = 1003,
        IDC_YMIN_EDIT = 1004,
        IDC_YMAX_EDIT = 1005,
        IDC_SPACING_EDIT = 1006,
        IDC_SAVE_CHECK = 1007,
        IDC_SAVE_FILE = 1008,
    };

    explicit CSpatialGridDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};

class CSpatialTabDlg final
    : public COpenTabDlg<CSpatialTabData, CSpatialDlg, CSpatialVarioDlg, CSpatialModelOptsDlg,
                         CSpatialKRigDlg, CSpatialGridDlg, CBootStrapDlg> {};
