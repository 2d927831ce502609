#pragma once

#include "Private/LogLinZeroData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The structural-zeros page of the loglinear composite.
class CLogLinZeroDlg : public CRecordDlg<CLogLinZeroData> {
public:
    enum : UINT {
        IDD = 2148,
        IDC_SOURCE_LIST = 1280,
        IDC_INDICATOR_LIST = 1281,
        IDC_ADD = 1282,
        IDC_REMOVE = 1283,
        IDC_CELLS_CHECK = 1284,
        IDC_CELLS_EDIT = 1285,
        IDC_INDICATOR_CHECK = 1286,
        IDC_LIST_MENU_LABEL = 1287,
    };
    static constexpr UINT kBadCellsMessage = 32115;
    static constexpr UINT kOneVariableMessage = 32116;

    explicit CLogLinZeroDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;

private:
    // The model page's table factors, in the order a cell gives their levels.
    CVariableList TableFactors() const;
    // Every cell names one level of each factor, none beyond the levels the factor has in the data.
    void CheckCellLevels(CDataExchange* pDX);
};
