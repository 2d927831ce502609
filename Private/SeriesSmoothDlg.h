#pragma once

#include "Private/SeriesSmoothData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The series smoothing dialog: a running mean, a running median or weights.
class CSeriesSmoothDlg : public CRecordDlg<CSeriesSmoothData> {
public:
    enum : UINT {
        IDD = 2050,
        IDC_SOURCE_LIST = 4327,
        IDC_SELECTED_LIST = 4335,
        IDC_ADD = 4326,
        IDC_REMOVE = 4332,
        IDC_WEIGHT_EDIT = 4337,
        IDC_MEAN_EDIT = 4329,
        IDC_MEDIAN_EDIT = 4331,
        IDC_SAVE_CHECK = 4333,
        IDC_SAVE_FILE = 4334,
        IDC_MEAN_RADIO = 4328,
        IDC_MEDIAN_RADIO = 4330,
        IDC_WEIGHT_RADIO = 4338,
        IDC_LIST_MENU_LABEL = 4336,
    };
    // The message of the weights' text exchange.
    static constexpr UINT kWeightMessage = 12742;

    explicit CSeriesSmoothDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
};
