#include "Source/TablesDlgCommon.h"

#include "TvkUseRes/ResourceTables.h"

void RefuseUnless(CDataExchange* pDX, UINT control, bool ok, UINT message) {
    if (!pDX->m_bSaveAndValidate || ok)
        return;
    TKMessageBox(GetString(message));
    pDX->Fail(control);
}

void DDX_AtMostOne(CGUIBaseDlg& dlg, CDataExchange* pDX, UINT list, CVariableList& variables, UINT message) {
    const CGUIListCtrl& control = dlg.ListCtrl(list);
    RefuseUnless(pDX, list, !control.m_bEnabled || control.GetItemCount() <= 1, message);
    dlg.DDX_ListCtrlArray(pDX, list, variables);
}
