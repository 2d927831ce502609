#pragma once

#include "Private/LogLinZeroData.h"
#include "Templates/2148_loglinzero.h"
#include "TvkBaseGui/CRecordDlg.h"

// The structural-zeros page of the loglinear composite.
class CLogLinZeroDlg : public CRecordDlg<CLogLinZeroData>, public Template2148, public CLogLinZeroDlgValues {
public:
    TVK_DIALOG(CLogLinZeroDlg, DoDataExchange, UpdateDependentWindows);

private:
    // The model page's table factors, in the order a cell gives their levels.
    CVariableList TableFactors() const;
    // Every cell names one level of each factor, none beyond the levels the factor has in the data.
    void CheckCellLevels(CDataExchange* pDX);
};
