#pragma once

#include "Private/OpenTabDlg.h"
#include "Private/RamonaData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The model page of path models. A double-click on a variable writes its name into the paths; the
// model must parse, and every name in it be a variable of the data or a latent variable (no latent
// variable carrying a data variable's name).
class CRamonaDlg : public CRecordDlg<CRamonaData> {
public:
    enum : UINT {
        IDD = 2407,
        IDC_SOURCE_LIST = 1001,
        IDC_PATHS_EDIT = 1002,
        IDC_LATENT_EDIT = 1004,
    };
    static constexpr UINT kPathsMessage = 24506;
    static constexpr UINT kNamesMessage = 24507;

    explicit CRamonaDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void MoveSourceListToTargetListOnDblClk(UINT list) override;

    // 0 when the model suits the data's variables, else the message that says what is wrong.
    static UINT ValidateModel(const CRamonaData& model);
};

// The estimation page of path models: the start value follows its check.
class CRamonaOptionsDlg : public CRecordDlg<CRamonaOptionsData> {
public:
    enum : UINT {
        IDD = 2408,
        IDC_METHOD_COMBO = CRamonaOptionsData::kMethodCombo,
        IDC_ITERATIONS_EDIT = 1011,
        IDC_CONVERGENCE_EDIT = 1013,
        IDC_START_CHECK = 1015,
        IDC_START_EDIT = 1016,
        IDC_CORRELATION_CHECK = 1017,
    };

    explicit CRamonaOptionsDlg(CGUIBaseDlg* parent = nullptr) : CRecordDlg(IDD, parent) {
        FillComboFromResource(IDC_METHOD_COMBO, CRamonaOptionsData::kMethodCombo);
    }

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};

class CRamonaTabDlg final : public COpenTabDlg<CRamonaTabData, CRamonaDlg, CRamonaOptionsDlg> {};
