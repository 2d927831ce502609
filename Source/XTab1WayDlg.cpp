#include "Private/XTab1WayDlg.h"

#include "Source/TablesDlgCommon.h"
#include "TvkBaseGui/DDXComboText.h"
#include "TvkUseRes/CTvkAssertDlg.h"

CXTab1WayDlg::CXTab1WayDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2270>(m_Data.SelectedVariableList).AtLeast(1, kNoTableVariableMessage);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveDataFileCheck, IDC_SAVE_FILE, m_Data.SaveDataFileEdit);
}

BOOL CXTab1WayDlg::OnInitDialog() {
    if (FindCtrl(IDC_CONFIDENCE_COMBO))
        FillComboFromResource(IDC_CONFIDENCE_COMBO, IDC_CONFIDENCE_COMBO);
    else
        CTvkAssertDlg(L"XTab1WayDlg.cpp", __LINE__).DoPrint();
    return CGUIBaseDlg::OnInitDialog();
}

void CXTab1WayDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_FREQUENCIES_CHECK, m_Data.FrequenciesCheck);
    DDX_Check(pDX, IDC_PERCENTAGES_CHECK, m_Data.PercentagesCheck);
    DDX_Check(pDX, IDC_CONFIDENCE_CHECK, m_Data.ConfIintervalCheck);
    DDX_Check(pDX, IDC_CHISQ_CHECK, m_Data.PearsonChiSqrCheck);
    DDX_Check(pDX, IDC_MISSING_CHECK, m_Data.IncludeMissingValCheck);
    DDX_Check(pDX, IDC_LIST_LAYOUT_CHECK, m_Data.ListLayoutCheck);

    DDX_Check(pDX, IDC_TCP_CHECK, m_Data.TCPCheck);
    ::DDX_ComboText(pDX, IDC_CONFIDENCE_COMBO, m_Data.ConfidenceLevelCombo);
    // The level is a number strictly inside (0, 1), whatever the combo's texts.
    CheckNumberText(pDX, IDC_CONFIDENCE_COMBO, m_Data.ConfidenceLevelCombo, 0.0, 1.0, eExclusive, eExclusive);
}

void CXTab1WayDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const BOOL percentages = IsCtrlChecked(IDC_PERCENTAGES_CHECK);
    EnableCtrl(IDC_CONFIDENCE_CHECK, percentages);
    EnableCtrl(IDC_CONFIDENCE_LABEL, percentages);
    EnableCtrl(IDC_CONFIDENCE_COMBO, percentages && IsCtrlChecked(IDC_CONFIDENCE_CHECK));
}
