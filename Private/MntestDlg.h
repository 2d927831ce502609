#pragma once

#include "Private/MntestData.h"
#include "Templates/2143_mntest.h"
#include "TvkBaseGui/CRecordDlg.h"

// The multivariate normality dialog: the variables, and where the distances go.
class CMntestDlg : public CRecordDlg<CMntestData>, public Template2143 {
public:
    enum : UINT {
        kTargetMessage = 13081,
    };

    TVK_DIALOG(CMntestDlg);
};
