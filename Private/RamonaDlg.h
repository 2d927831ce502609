#pragma once

#include "Private/OpenTabDlg.h"
#include "Private/RamonaData.h"
#include "Templates/2407_ramona.h"
#include "Templates/2408_ramonaoptions.h"
#include "TvkBaseGui/CRecordDlg.h"

// The model page of path models. A double-click on a variable writes its name into the paths; the
// model must parse, and every name in it be a variable of the data or a latent variable (no latent
// variable carrying a data variable's name).
class CRamonaDlg : public CRecordDlg<CRamonaData>, public Template2407, public CRamonaDlgValues {
public:
    TVK_DIALOG(CRamonaDlg, DoDataExchange);

    void MoveSourceListToTargetListOnDblClk(UINT list) override;

    // 0 when the model suits the data's variables, else the message that says what is wrong.
    static UINT ValidateModel(const CRamonaData& model);
};

// The estimation page of path models: the start value follows its check.
class CRamonaOptionsDlg : public CRecordDlg<CRamonaOptionsData>, public Template2408 {
public:
    enum : UINT {
        IDC_METHOD_COMBO = CRamonaOptionsData::kMethodCombo,
    };

    explicit CRamonaOptionsDlg(CGUIBaseDlg* parent = nullptr) : CRecordDlg(IDD, parent) {
        FillComboFromResource(IDC_METHOD_COMBO, CRamonaOptionsData::kMethodCombo);
    }

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
};

class CRamonaTabDlg final : public COpenTabDlg<CRamonaTabData, CRamonaDlg, CRamonaOptionsDlg> {};
