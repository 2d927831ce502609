#pragma once

#include "Private/CcfDlg.h"
#include "Private/FourierData.h"

// The dialog of Fourier analysis.
class CFourierDlg : public CRecordDlg<CFourierData, CTwoSeriesDlg> {
public:
    enum : UINT {
        IDD = 2045,
        IDC_SOURCE_LIST = 1917,
        IDC_SELECTED_LIST = 1931,
        IDC_ADD = 1914,
        IDC_REMOVE = 1928,
        IDC_LAG_EDIT = 1915,
        IDC_LAG_LABEL = 1916,
        IDC_SAVE_CHECK = 1929,
        IDC_SAVE_FILE = 1930,
        IDC_LIST_MENU_LABEL = 1932,
    };
    // Message for an empty selected list.
    static constexpr UINT kSelectedListMessage = 12868;

    explicit CFourierDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
};
