#pragma once

#include "Private/PowerDlgBase.h"
#include "Private/PowerGenericData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the generic power model (noncentral F); launched without a caption identifier, it
// keeps its template's caption.
class CPowerGenericDlg : public CRecordDlg<CPowerGenericData, CPowerDlgBase> {
public:
    enum : UINT {
        IDD = 2248,
        IDC_NUMERATOR_EDIT = 3820,
        IDC_C1_EDIT = 3821,
        IDC_C0_EDIT = 3822,
        IDC_NONCENTRALITY_EDIT = 3823,
    };

    explicit CPowerGenericDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
};
