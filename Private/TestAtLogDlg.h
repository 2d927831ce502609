#pragma once

#include "Private/OpenTabDlg.h"
#include "Private/TestAtLogData.h"
#include "Templates/2406_testatlog.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The page of logistic test analysis: items, model, iteration settings, and the abilities to save with
// their estimation method (which follows the save check).
class CTestAtLogDlg : public CRecordDlg<CTestAtLogData>, public Template2406 {
public:
    enum : UINT {
        IDC_ONE_PARAMETER_RADIO = CTestAtLogData::kModelRadioGroup,
        IDC_SCORES_COMBO = CTestAtLogData::kScoresCombo,
    };

    TVK_DIALOG(CTestAtLogDlg, DoDataExchange, AddToolTips);
};

class CTestAtLogTabDlg final : public COpenTabDlg<CTestAtLogTabData, CTestAtLogDlg, CBootStrapDlg> {};
