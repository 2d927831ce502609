#pragma once

#include "Private/TransformData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of series transformation.
class CTransformDlg : public CRecordDlg<CTransformData> {
public:
    enum : UINT {
        IDD = 2053,
        IDC_SOURCE_LIST = 5252,
        IDC_SELECTED_LIST = 5256,
        IDC_ADD = 5251,
        IDC_REMOVE = 5253,
        IDC_LIST_MENU_LABEL = 5257,
        IDC_LAG_EDIT = 5260,
        IDC_LAG_LABEL = 5261,
        IDC_BASE_EDIT = 5258,
        IDC_BASE_LABEL = 5259,
        IDC_PROPORTION_EDIT = 5262,
        IDC_PROPORTION_LABEL = 5263,
        IDC_SAVE_CHECK = 5254,
        IDC_SAVE_FILE = 5255,
        IDC_TYPE_COMBO = 5264,
        IDC_SAVE_COMBO = 5266,
    };
    // Message for an empty selected list.
    static constexpr UINT kSelectedListMessage = 12831;

    explicit CTransformDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    // Only the buffer takes the defaults: the record keeps what it had until OK.
    int GetAllDefault() override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlChanged(UINT id) override;
    // Enables the edit of the chosen transformation's parameter and disables the others'; a
    // transformation the record does not know changes nothing.
    void OnSelchangeSeriesEnableDisable();
};
