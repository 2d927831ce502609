#include "Source/OpenDlgCommon.h"

#include <limits>

#include "TvkUseRes/ResourceTables.h"

void ExchangeIterations(CGUIBaseDlg& dlg, CDataExchange* pDX, UINT iterations, UINT convergence,
                        CGUIData<int>& iterationsValue, CGUIData<double>& convergenceValue) {
    dlg.DDX_Range(pDX, iterations, iterationsValue, kMinimumIterations, std::numeric_limits<int>::max(),
                  eInclusive, eNoValidation);
    dlg.DDX_Range(pDX, convergence, convergenceValue, 0.0, kMaximumConvergence, eExclusive, eInclusive);
}

void AddIterationToolTips(CGUIBaseDlg& dlg, UINT iterations, UINT convergence) {
    dlg.AddToolTip(iterations, L"[1, +inf)", 0);
    dlg.AddToolTip(convergence, L"(0, 0.1]", 0);
}

void DDX_OneVariable(CGUIBaseDlg& dlg, CDataExchange* pDX, UINT id, CVariableList& list, bool required) {
    dlg.DDX_ListCtrlArray(pDX, id, list, required ? kVariableMessage : 0, 1, 0);
    if (pDX->m_bSaveAndValidate && dlg.IsCtrlEnabled(id) && dlg.ListCtrl(id).GetItemCount() > 1) {
        TKMessageBox(GetString(kOneVariableMessage));
        pDX->Fail(id);
    }
}

void LimitToOneVariable(CGUIBaseDlg& dlg, UINT list, UINT addButton) {
    if (dlg.ListCtrl(list).GetItemCount() > 0)
        dlg.EnableCtrl(addButton, 0);
}
