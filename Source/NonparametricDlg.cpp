#include "Private/NonparametricDlg.h"

#include "TvkUseRes/CTvkAssertDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

void Report(long line) {
    CTvkAssertDlg(L"NonparametricDlg.cpp", line).DoPrint();
}

void ExchangeSaveStatistic(CGUIBaseDlg& dlg, CDataExchange* pDX, UINT check, UINT edit, int& flag,
                           CString& file) {
    dlg.DDX_SaveFile(pDX, edit, file);
    dlg.DDX_Check(pDX, check, flag);
}

}  // namespace

// ---- Kruskal-Wallis, two-sample Kolmogorov-Smirnov, several variances ------------------------------------

CKwDlg::CKwDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    AddListPair({IDC_SOURCE_LIST, IDC_GROUP_LIST, IDC_GROUP_ADD, IDC_GROUP_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CKwDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
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
    CGUIBaseDlg::DoDataExchange(pDX);
    if (GetDlgCaptionID() == CKwData::kTwoSampleKS)
        DDX_ListCtrlArrayKW(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList, IsSelectionListMandatory());
    else
        DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList, 0, 1);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList, 0, 1);
    DDX_ListCtrlArray(pDX, IDC_GROUP_LIST, m_Data.GroupVariablesList, 0, 1);
    DDV_DistinctVariables(pDX, {IDC_SELECTED_LIST, IDC_GROUP_LIST});
    ExchangeSaveStatistic(*this, pDX, IDC_SAVE_CHECK, IDC_SAVE_FILE, m_Data.SaveStatisticCheck,
                          m_Data.SaveStatisticEdit);
}

void CKwDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
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

void CKwDlg::DDX_ListCtrlArrayKW(CDataExchange* pDX, UINT id, CVariableList& list, int mandatory) {
    if (pDX->m_bSaveAndValidate && mandatory && ListCtrl(id).GetItemCount() == 0) {
        TKMessageBox(GetString(kSelectionMissing));
        pDX->Fail(id);
    }
    DDX_ListCtrlArray(pDX, id, list, 0, 1);
}

// ---- Quade, Friedman ------------------------------------------------------------------------------------

CQuadeDlg::CQuadeDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    AddListPair({IDC_SOURCE_LIST, IDC_GROUP_LIST, IDC_GROUP_ADD, IDC_GROUP_REMOVE, kVariableTypeAny});
    AddListPair({IDC_SOURCE_LIST, IDC_BLOCK_LIST, IDC_BLOCK_ADD, IDC_BLOCK_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CQuadeDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    if (GetDlgCaptionID() == CQuadeData::kFriedman)
        EnableCtrl(IDC_PAIRWISE_CHECK, 0);
    return 1;
}

void CQuadeDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList, 0, 1);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList, 0, 1);
    DDX_ListCtrlArray(pDX, IDC_GROUP_LIST, m_Data.GroupVariableList, 0, 1);
    DDX_ListCtrlArray(pDX, IDC_BLOCK_LIST, m_Data.BlockVariableList, 0, 1);
    DDV_DistinctVariables(pDX, {IDC_SELECTED_LIST, IDC_GROUP_LIST, IDC_BLOCK_LIST});
    // Friedman has no pairwise comparisons: the stored choice is kept for Quade.
    if (GetDlgCaptionID() != CQuadeData::kFriedman)
        DDX_Check(pDX, IDC_PAIRWISE_CHECK, m_Data.PairwiseComparisonsCheck);
    ExchangeSaveStatistic(*this, pDX, IDC_SAVE_CHECK, IDC_SAVE_FILE, m_Data.SaveStatisticCheck,
                          m_Data.SaveStatisticEdit);
    DDX_ControlWarn(pDX, IDC_GROUP_LIST, GroupBlockMessage());
}

void CQuadeDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_GROUP_ADD,
               L"If grouping variable is specified, then blocking variable should also be specified.", 0);
    AddToolTip(IDC_BLOCK_ADD,
               L"If blocking variable is specified, then grouping variable should also be specified.", 0);
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
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CRunsDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
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
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList, 0, 1);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList, 0, 1);
    ExchangeSaveStatistic(*this, pDX, IDC_SAVE_CHECK, IDC_SAVE_FILE, m_Data.SaveStatisticCheck,
                          m_Data.SaveStatisticEdit);
}

void CRunsDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    if (GetDlgCaptionID() == CRunsData::kRuns)
        AddToolTip(IDC_CUT_EDIT, L"(-inf, +inf)", 0);
}
