#pragma once

#include "Private/TransformData.h"
#include "Templates/2053_transform.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of series transformation.
class CTransformDlg : public CRecordDlg<CTransformData>, public Template2053, public CTransformDlgValues {
public:
    TVK_DIALOG(CTransformDlg, DoDataExchange, UpdateDependentWindows, OnCtrlChanged);

    // Only the buffer takes the defaults: the record keeps what it had until OK.
    int GetAllDefault() override;
    // Enables the edit of the chosen transformation's parameter and disables the others'; a
    // transformation the record does not know changes nothing.
    void OnSelchangeSeriesEnableDisable();
};
