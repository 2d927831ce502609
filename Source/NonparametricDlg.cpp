#include "Private/NonparametricDlg.h"

#include "TvkUseRes/CTvkAssertDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

void Report(long line) {
    CTvkAssertDlg(L"NonparametricDlg.cpp", line).DoPrint();
}

}  // namespace

// ---- Kruskal-Wallis, two-sample Kolmogorov-Smirnov, several variances ------------------------------------

CKwDlg::CKwDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2085>(m_Data.SelectedVariableList);
    AddListPair({IDC_SOURCE_LIST, IDC_GROUP_LIST, IDC_GROUP_ADD, IDC_GROUP_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.GroupVariablesList);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveStatisticCheck, IDC_SAVE_FILE, m_Data.SaveStatisticEdit);
}

BOOL CKwDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    const UINT variant = GetDlgCaptionID();
    if (variant == CKwData::kSeveralVariances) {
        for (UINT id : {IDC_SAVE_CHECK, IDC_SAVE_FILE}) {
            EnableCtrl(id, 0);
            ShowCtrlWindow(id, 0);
        }
    } else if (variant != CKwData::kKruskalWallis && variant != CKwData::kTwoSampleKS) {
        Report(__LINE__);
    }
    return 1;
}

void CKwDlg::DoDataExchange(CDataExchange* pDX) {
    // The two-sample test's variables are judged before the lists are taken.
    if (pDX->m_bSaveAndValidate && GetDlgCaptionID() == CKwData::kTwoSampleKS && IsSelectionListMandatory()) {
        TKMessageBox(GetString(kSelectionMissing));
        pDX->Fail(IDC_SELECTED_LIST);
    }
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_SELECTED_LIST, IDC_GROUP_LIST});
}

// The two-sample test takes two variables, or one variable and one grouping variable.
void CKwDlg::UpdateDependentWindows() {
    CRecordDlg::UpdateDependentWindows();
    if (GetDlgCaptionID() == CKwData::kSeveralVariances)
        EnableCtrl(IDC_SAVE_FILE, 0);
    if (GetDlgCaptionID() != CKwData::kTwoSampleKS)
        return;
    const int selected = ListCtrl(IDC_SELECTED_LIST).GetItemCount();
    const int groups = ListCtrl(IDC_GROUP_LIST).GetItemCount();
    if (selected == 1 && groups >= 1)
        EnableCtrl(IDC_ADD, 0);
    if (selected >= 2 || groups >= 1)
        EnableCtrl(IDC_GROUP_ADD, 0);
}

int CKwDlg::IsSelectionListMandatory() const {
    const CTKCtrl* groups = FindCtrl(IDC_GROUP_LIST);
    if (!groups)
        return 0;
    return ListCtrl(IDC_GROUP_LIST).GetItemCount() == 1 && ListCtrl(IDC_SELECTED_LIST).GetItemCount() == 0
               ? 1
               : 0;
}

// ---- Quade, Friedman ------------------------------------------------------------------------------------

CQuadeDlg::CQuadeDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2274>(m_Data.SelectedVariableList);
    AddListPair({IDC_SOURCE_LIST, IDC_GROUP_LIST, IDC_GROUP_ADD, IDC_GROUP_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.GroupVariableList);
    AddListPair({IDC_SOURCE_LIST, IDC_BLOCK_LIST, IDC_BLOCK_ADD, IDC_BLOCK_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.BlockVariableList);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveStatisticCheck, IDC_SAVE_FILE, m_Data.SaveStatisticEdit);
}

BOOL CQuadeDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    if (GetDlgCaptionID() == CQuadeData::kFriedman)
        EnableCtrl(IDC_PAIRWISE_CHECK, 0);
    return 1;
}

void CQuadeDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_SELECTED_LIST, IDC_GROUP_LIST, IDC_BLOCK_LIST});
    // Friedman has no pairwise comparisons: the stored choice is kept for Quade.
    if (GetDlgCaptionID() != CQuadeData::kFriedman)
        DDX_Check(pDX, IDC_PAIRWISE_CHECK, m_Data.PairwiseComparisonsCheck);
    DDX_ControlWarn(pDX, IDC_GROUP_LIST, GroupBlockMessage());
}

void CQuadeDlg::UpdateDependentWindows() {
    CRecordDlg::UpdateDependentWindows();
    // A string variable can group or block, never be tested.
    if (IsStringVariablePresent(IDC_SOURCE_LIST))
        EnableCtrl(IDC_ADD, 0);
}

UINT CQuadeDlg::GroupBlockMessage() const {
    const bool grouped = ListCtrl(IDC_GROUP_LIST).GetItemCount() > 0;
    const bool blocked = ListCtrl(IDC_BLOCK_LIST).GetItemCount() > 0;
    return grouped && !blocked ? kGroupWithoutBlock : blocked && !grouped ? kBlockWithoutGroup : 0;
}

void CQuadeDlg::ValidateGroupBlock(CString& message) const {
    const UINT id = GroupBlockMessage();
    message = id ? GetString(id) : CString();
}

// ---- runs, sign, Wilcoxon -------------------------------------------------------------------------------

CRunsDlg::CRunsDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2207>(m_Data.SelectedVariableList);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveStatisticCheck, IDC_SAVE_FILE, m_Data.SaveStatisticEdit);
}

BOOL CRunsDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    const UINT variant = GetDlgCaptionID();
    if (variant == CQuadeData::kFriedman || variant == CRunsData::kSign || variant == CRunsData::kWilcoxon) {
        EnableCtrl(IDC_CUT_EDIT, 0);
        EnableCtrl(IDC_CUT_LABEL, 0);
    } else if (variant != CRunsData::kRuns) {
        Report(__LINE__);
    }
    return 1;
}

void CRunsDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    const UINT variant = GetDlgCaptionID();
    if (variant == CRunsData::kRuns)
        DDX_Text(pDX, IDC_CUT_EDIT, m_Data.CutEdit);
    else if (variant != CQuadeData::kFriedman && variant != CRunsData::kSign &&
             variant != CRunsData::kWilcoxon)
        Report(__LINE__);
}

void CRunsDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    if (GetDlgCaptionID() == CRunsData::kRuns)
        AddToolTip(IDC_CUT_EDIT, L"(-inf, +inf)", 0);
}
