#pragma once

#include "Private/StemPlotData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The stem-and-leaf page of the column (2048) and row (2273) composites.
class CStemPlotDlg : public CRecordDlg<CStemPlotData> {
public:
    enum : UINT {
        IDD = 2232,
        IDC_SOURCE_LIST = 4818,
        IDC_SELECTED_LIST = 4820,
        IDC_ADD = 4817,
        IDC_REMOVE = 4819,
        IDC_LINES_LABEL = 4821,
        IDC_LINES_EDIT = 4822,
        IDC_LIST_MENU_LABEL = 4823,
    };

    explicit CStemPlotDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    int SetAllDefault() override;
    void AddToolTips() override;
};
