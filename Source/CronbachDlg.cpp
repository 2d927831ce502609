#include "Private/CronbachDlg.h"

#include "Source/ScalingCommon.h"

CCronbachDlg::CCronbachDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    // Alpha needs two items at least.
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SelectedVariablesList)
        .AtLeast(2, kTargetMessage)
        .Menu(IDC_LIST_MENU_LABEL);
}

const CTabDlgBase::PageCaptionTable& CCronbachTabDlg::GetPageCaptions() const {
    return PlainPageCaptions<CCronbachTabData>();
}
