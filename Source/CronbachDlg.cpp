#include "Private/CronbachDlg.h"

#include "Source/ScalingCommon.h"

CCronbachDlg::CCronbachDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    // Alpha needs two items at least.
    AddSelectedPair<Template2035>(m_Data.SelectedVariablesList).AtLeast(2, kTargetMessage);
}

const CTabDlgBase::PageCaptionTable& CCronbachTabDlg::GetPageCaptions() const {
    return PlainPageCaptions<CCronbachTabData>();
}
