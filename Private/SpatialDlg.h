#pragma once

#include "Private/OpenTabDlg.h"
#include "Private/SpatialData.h"
#include "Templates/2409_spatial.h"
#include "Templates/2410_spatialvario.h"
#include "Templates/2411_spatialmodelopts.h"
#include "Templates/2412_spatialkrig.h"
#include "Templates/2413_spatialgrid.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The pages of spatial statistics. Each enables what its choices use.

// Coordinates and variable, one variable each; the cell side follows the declustering check.
class CSpatialDlg : public CRecordDlg<CSpatialData>, public Template2409 {
public:
    TVK_DIALOG(CSpatialDlg, DoDataExchange);
};

// Lags and their width; the number of directions and their tolerance follow the directional check.
class CSpatialVarioDlg : public CRecordDlg<CSpatialVarioData>, public Template2410 {
public:
    explicit CSpatialVarioDlg(CGUIBaseDlg* parent = nullptr) : CRecordDlg(IDD, parent) {}

    void DoDataExchange(CDataExchange* pDX) override;
};

// The model; nugget, sill and range are typed only when the model is not fitted.
class CSpatialModelOptsDlg : public CRecordDlg<CSpatialModelOptsData>, public Template2411 {
public:
    enum : UINT {
        IDC_MODEL_COMBO = CSpatialModelOptsData::kModelCombo,
    };

    explicit CSpatialModelOptsDlg(CGUIBaseDlg* parent = nullptr) : CRecordDlg(IDD, parent) {
        FillComboFromResource(IDC_MODEL_COMBO, CSpatialModelOptsData::kModelCombo);
    }

    void DoDataExchange(CDataExchange* pDX) override;
};

// The kriging type and neighbourhood; the mean belongs to simple kriging.
class CSpatialKRigDlg : public CRecordDlg<CSpatialKRigData>, public Template2412 {
public:
    enum : UINT {
        IDC_ORDINARY_RADIO = CSpatialKRigData::kTypeRadioGroup,
    };

    explicit CSpatialKRigDlg(CGUIBaseDlg* parent = nullptr) : CRecordDlg(IDD, parent) {
        FillRadioFromResource(CSpatialKRigData::kTypeRadioGroup);
    }

    void DoDataExchange(CDataExchange* pDX) override;
};

// The grid; its extent is typed only when the data's is not taken.
class CSpatialGridDlg : public CRecordDlg<CSpatialGridData>, public Template2413 {
public:
    TVK_DIALOG(CSpatialGridDlg, DoDataExchange);
};

class CSpatialTabDlg final
    : public COpenTabDlg<CSpatialTabData, CSpatialDlg, CSpatialVarioDlg, CSpatialModelOptsDlg,
                         CSpatialKRigDlg, CSpatialGridDlg, CBootStrapDlg> {};
