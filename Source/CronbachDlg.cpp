#include "Private/CronbachDlg.h"

#include "Source/ScalingCommon.h"

CCronbachDlg::CCronbachDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
}

BOOL CCronbachDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CCronbachDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList, 0, 1, 0);
    // Alpha needs two items at least.
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariablesList, kTargetMessage, 2,
                      ListCtrl(IDC_SELECTED_LIST).GetItemCount() == 0 ? 1 : 0);
}

const CTabDlgBase::PageCaptionTable& CCronbachTabDlg::GetPageCaptions() const {
    return PlainPageCaptions<CCronbachTabData>();
}
