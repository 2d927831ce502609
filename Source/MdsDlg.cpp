#include "Private/MdsDlg.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "Source/ScalingCommon.h"
#include "TvkDlgBase/DistribFacts.h"
#include "TvkUseRes/ResourceTables.h"

CMdsDlg::CMdsDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    // Its lists are exchanged here: the selected list is refused with one variable only, not empty.
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny})
        .Menu(IDC_LIST_MENU_LABEL)
        .ResetToEmpty();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    for (UINT group : {CMdsData::kSplitGroup, CMdsData::kLossGroup, CMdsData::kShapeGroup})
        FillRadioFromResource(group);
    FillComboFromResource(IDC_REGRESSION_COMBO, CMdsData::kRegressionCombo);
    FillComboFromResource(IDC_SAVE_TYPE_COMBO, CMdsData::kSaveTypeCombo);
}

void CMdsDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList, 0, 1, 0);
    // An empty list leaves the choice for later; one variable alone cannot be scaled.
    const int variables = ListCtrl(IDC_SELECTED_LIST).GetItemCount();
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariablesList,
                      variables ? UINT{kTargetMessage} : 0u, variables ? 2 : 1, 0);
    DDX_Text(pDX, IDC_DIMENSIONS_EDIT, m_Data.DimensionsEdit);
    CheckRange(pDX, IDC_DIMENSIONS_EDIT, m_Data.DimensionsEdit, 1.0,
               static_cast<double>(std::min(variables, 5)), eInclusive, eInclusive, variables >= 2 ? 0 : 1);
    DDX_Text(pDX, IDC_POWER_EDIT, m_Data.PowerEdit);
    CheckRange(pDX, IDC_POWER_EDIT, m_Data.PowerEdit, 1.0, 0.0, eInclusive, eNoValidation, 0);
    DDX_Text(pDX, IDC_ITERATIONS_EDIT, m_Data.IterationsEdit);
    CheckRange(pDX, IDC_ITERATIONS_EDIT, m_Data.IterationsEdit, 0, 0, eInclusive, eNoValidation, 0);
    DDX_Text(pDX, IDC_CONVERGENCE_EDIT, m_Data.ConvergenceEdit);
    CheckRange(pDX, IDC_CONVERGENCE_EDIT, m_Data.ConvergenceEdit, 0.0, 1.0, eExclusive, eExclusive, 0);
    DDX_Range(pDX, IDC_ROWS_EDIT, m_Data.RowsEdit, 2, INT_MAX, eInclusive, eNoValidation);
    DDX_Check(pDX, IDC_WEIGHT_CHECK, m_Data.WeightCheck);

    DDX_Radio(pDX, CMdsData::kSplitGroup, m_Data.SplitRadio);
    DDX_Radio(pDX, CMdsData::kLossGroup, m_Data.LossRadio);
    DDX_Radio(pDX, CMdsData::kShapeGroup, m_Data.ShapeRadio);
    DDX_CBIndex(pDX, IDC_REGRESSION_COMBO, m_Data.RegressionCombo);
    DDX_CBIndex(pDX, IDC_SAVE_TYPE_COMBO, m_Data.SaveTypeCombo);
}

void CMdsDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_DIMENSIONS_EDIT, GetString(12963), 0);
    AddToolTip(IDC_POWER_EDIT, GetString(12960), 0);
    AddToolTip(IDC_ITERATIONS_EDIT, GetString(12961), 0);
    AddToolTip(IDC_CONVERGENCE_EDIT, GetString(12970), 0);
    AddToolTip(IDC_ROWS_EDIT, GetString(12962), 0);
}

void CMdsDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const BOOL regression = IsCtrlChecked(CMdsData::kLossKruskal) || IsCtrlChecked(CMdsData::kLossYoung);
    EnableCtrl(IDC_REGRESSION_COMBO, regression);
    EnableCtrl(IDC_REGRESSION_LABEL, regression);
    const BOOL rectangular = IsCtrlChecked(CMdsData::kShapeRectangular);
    for (UINT id : {static_cast<UINT>(IDC_ROWS_EDIT), static_cast<UINT>(IDC_ROWS_LABEL), CMdsData::kSplitRow})
        EnableCtrl(id, rectangular);
    // A square matrix cannot be split by row: the closed choice falls back to no split.
    if (!rectangular && IsCtrlChecked(CMdsData::kSplitRow)) {
        SetCtrlChecked(CMdsData::kSplitRow, 0);
        SetCtrlChecked(CMdsData::kSplitNone, 1);
    }
}

void CMdsDlg::KeepOnDefault(CMdsData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    fresh.ReassignDefaultValue();
}

CMdsConfigDlg::CMdsConfigDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    FillRadioFromResource(CMdsConfigData::kSourceGroup);
}

bool CMdsConfigDlg::IsDimensionFormatCorrect(const CString& row, int count) {
    return CMdsConfigData::IsRowOfNumbers(row.str(), count);
}

bool CMdsConfigDlg::IsMatrixCorrect(const CString& matrix, int dimensions, int variables) {
    const std::size_t rows =
        CMdsConfigData::ForEachCountedRow(matrix.str(), dimensions, [](std::wstring_view) {});
    return variables >= 0 && rows == static_cast<std::size_t>(variables);
}

bool CMdsConfigDlg::IsCommandsEditParseCorrect() const {
    const CMdsConfigData* config = GetRecord();
    const CMdsData* scaling = config ? FindSisterPage<CMdsData>(*config) : nullptr;
    if (!scaling)
        return false;
    // The variables as the scaling page shows them now, when it is shown.
    int variables = scaling->GetSelectedVariableListCount();
    if (auto* tab = dynamic_cast<CTabDlgBase*>(GetParentDlgWindow()))
        if (CMdsDlg* page = tab->FindPage<CMdsDlg>(); page && page->HasWindow())
            variables = page->ListCtrl(CMdsDlg::IDC_SELECTED_LIST).GetItemCount();
    return IsMatrixCorrect(m_Data.ConfigEdit, scaling->GetDimensionCount(), variables);
}

void CMdsConfigDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Radio(pDX, CMdsConfigData::kSourceGroup, m_Data.ConfigRadio);
    if (GetDecimalSymbol() != L',') {
        DDX_Text(pDX, IDC_MATRIX_EDIT, m_Data.ConfigEdit);
    } else if (pDX->m_bSaveAndValidate) {
        // Typed with decimal commas, kept with points: the rows then read the same under either symbol.
        // A text left as shown keeps its bytes.
        const CString typed = GetCtrlWindowText(IDC_MATRIX_EDIT);
        if (typed != ShownNumberText(m_Data.ConfigEdit, L','))
            pDX->Replace(m_Data.ConfigEdit, StoredNumberText(typed, L','));
    } else {
        ShowText(Ctrl(IDC_MATRIX_EDIT), ShownNumberText(m_Data.ConfigEdit, L','));
    }
    if (pDX->m_bSaveAndValidate && IsCtrlEnabled(IDC_MATRIX_EDIT) && !IsCommandsEditParseCorrect()) {
        TKMessageBox(GetString(kMatrixMessage));
        pDX->Fail(IDC_MATRIX_EDIT);
    }
}

void CMdsConfigDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableCtrl(IDC_MATRIX_EDIT, IsCtrlChecked(CMdsConfigData::kSourceTyped));
}

bool CMdsTabDlg::OnOK() {
    CMdsDlg& scaling = PageDlg<0>();
    if (scaling.HasWindow() && scaling.IsCtrlChecked(CMdsData::kLossYoung) &&
        scaling.Ctrl(CMdsDlg::IDC_REGRESSION_COMBO).m_nComboIndex == kPowerRegression) {
        TKMessageBox(GetString(kYoungPowerMessage));
        return false;
    }
    return CTabDlgBase::OnOK();
}

const CTabDlgBase::PageCaptionTable& CMdsTabDlg::GetPageCaptions() const {
    return PlainPageCaptions<CMdsTabData>();
}
