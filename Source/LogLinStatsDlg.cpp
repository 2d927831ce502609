#include "Private/LogLinStatsDlg.h"

CLogLinStatsDlg::CLogLinStatsDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {}

void CLogLinStatsDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_FITTED_CHECK, m_Data.FittedCheck);
    DDX_Check(pDX, IDC_RESIDUALS_CHECK, m_Data.ResidualsCheck);
    DDX_Check(pDX, IDC_STD_RESIDUALS_CHECK, m_Data.StdResidualsCheck);
    DDX_Check(pDX, IDC_ADJ_RESIDUALS_CHECK, m_Data.AdjResidualsCheck);
    DDX_Check(pDX, IDC_GOODNESS_CHECK, m_Data.GoodnessCheck);
    DDX_Check(pDX, IDC_AIC_CHECK, m_Data.AicCheck);
    DDX_Check(pDX, IDC_PARTIAL_CHECK, m_Data.PartialAssocCheck);
    DDX_Check(pDX, IDC_PARAMETERS_CHECK, m_Data.ParametersCheck);
    DDX_Check(pDX, IDC_CORRELATION_CHECK, m_Data.CorrelationCheck);
    DDX_Range(pDX, IDC_CONFIDENCE_EDIT, m_Data.ConfidenceEdit, 0.0, 1.0, eExclusive, eExclusive);
}

void CLogLinStatsDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const BOOL parameters = IsCtrlChecked(IDC_PARAMETERS_CHECK);
    EnableCtrl(IDC_CONFIDENCE_EDIT, parameters);
    EnableCtrl(IDC_CONFIDENCE_LABEL, parameters);
}
