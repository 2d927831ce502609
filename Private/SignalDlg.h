#pragma once

#include "Private/SignalData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The signal detection dialog: responses and stimuli, the model and its options, saving.
class CSignalDlg : public CRecordDlg<CSignalData> {
public:
    enum : UINT {
        IDD = 2214,
        IDC_SOURCE_LIST = 4416,
        IDC_STIMULUS_LIST = 4431,
        IDC_ADD_STIMULUS = 4402,
        IDC_REMOVE_STIMULUS = 4422,
        IDC_RESPONSE_LIST = 4423,
        IDC_ADD_RESPONSE = 4401,
        IDC_REMOVE_RESPONSE = 4421,
        IDC_LIST_MENU_LABEL = 4406,
        IDC_MODEL_COMBO = 4417,
        IDC_ITERATIONS_EDIT = 4414,
        IDC_ITERATIONS_LABEL = 4415,
        IDC_CONVERGE_EDIT = 4403,
        IDC_CONVERGE_LABEL = 4404,
        IDC_M0_EDIT = 4410,
        IDC_R_EDIT = 4411,
        IDC_M0_LABEL = 4412,
        IDC_R_LABEL = 4413,
        IDC_CONSTANT_EDIT = 4428,
        IDC_CONSTANT_LABEL = 4429,
        IDC_MEAN_EDIT = 4419,
        IDC_MEAN_LABEL = 4420,
        IDC_DF_EDIT = 4408,
        IDC_DF_LABEL = 4409,
        IDC_START_FRAME = 4430,
        IDC_START_DEFAULT = 4407,
        IDC_START_ESTIMATED = 4405,
        IDC_SAVE_CHECK = 4425,
        IDC_SAVE_TYPE_COMBO = 4426,
        IDC_SAVE_FILE = 4427,
        kResponseMessage = 12881,
        kStimulusMessage = 12883,
    };

    explicit CSignalDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlChanged(UINT id) override;

protected:
    // The dialog's defaults leave the constant's second mark at 0.
    void KeepOnDefault(CSignalData& fresh) override;
};
