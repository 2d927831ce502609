#include "Private/TransformDlg.h"

#include "Private/TimeSeriesDlgCommon.h"
#include "TvkDlgBase/TvkDlgBase.h"

CTransformDlg::CTransformDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetBaseRunFlag(1);
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CTransformDlg::OnInitDialog() {
    // The combos hold their items before the base shows the record's indexes in them.
    FillComboFromResource(IDC_TYPE_COMBO, CTransformData::kTypeCombo);
    FillComboFromResource(IDC_SAVE_COMBO, CTransformData::kSaveCombo);
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    return 1;
}

void CTransformDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    const int cases = CGUIBaseObj::GetRowCount();
    DDX_STText(pDX, IDC_LAG_EDIT, m_SeriesLagEdit);
    DDV_MinMaxInt(pDX, IDC_LAG_EDIT, m_SeriesLagEdit, 1, cases);
    DDX_STText(pDX, IDC_BASE_EDIT, m_SeriesBaseEdit);
    DDV_MinMaxInt(pDX, IDC_BASE_EDIT, m_SeriesBaseEdit, 1, cases);
    DDX_STText(pDX, IDC_PROPORTION_EDIT, m_SeriesProportionEdit);
    DDV_MinMaxDouble(pDX, IDC_PROPORTION_EDIT, m_SeriesProportionEdit, 0.0, 1.0, eExclusive, eInclusive);
    DDX_Text(pDX, IDC_SAVE_FILE, m_SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_SaveFileCheck);
    DDX_CBIndex(pDX, IDC_TYPE_COMBO, m_SeriesTypeCombo);
    DDX_CBIndex(pDX, IDC_SAVE_COMBO, m_SeriesSaveCombo);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_SelectedVariableList, kSelectedListMessage, 1, 0);
}

int CTransformDlg::GetAll() {
    return GetRecord() ? GetRecord()->GetAll(m_ListOfVariablesList, m_SelectedVariableList, m_SeriesLagEdit,
                                             m_SeriesBaseEdit, m_SeriesProportionEdit, m_SaveFileEdit,
                                             m_SaveFileCheck, m_SeriesTypeCombo, m_SeriesSaveCombo)
                       : 0;
}

int CTransformDlg::SetAll() {
    return GetRecord() ? GetRecord()->SetAll(m_ListOfVariablesList, m_SelectedVariableList, m_SeriesLagEdit,
                                             m_SeriesBaseEdit, m_SeriesProportionEdit, m_SaveFileEdit,
                                             m_SaveFileCheck, m_SeriesTypeCombo, m_SeriesSaveCombo)
                       : 0;
}

int CTransformDlg::GetAllDefault() {
    // Only the copies: the record keeps what it had until OK.
    m_SelectedVariableList.RemoveAll();
    m_SeriesLagEdit = CTransformData::GetDefaultSeriesLagEdit();
    m_SeriesBaseEdit = CTransformData::GetDefaultSeriesBaseEdit();
    m_SeriesProportionEdit = CTransformData::GetDefaultSeriesProportionEdit();
    m_SaveFileEdit = CTransformData::GetDefaultSaveFileEdit();
    m_SaveFileCheck = CTransformData::GetDefaultSaveFileCheck();
    m_SeriesTypeCombo = CTransformData::GetDefaultSeriesTypeCombo();
    m_SeriesSaveCombo = CTransformData::GetDefaultSeriesSaveCombo();
    return 1;
}

void CTransformDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_LAG_EDIT, L"[1, #cases - 1)", 0);
    AddToolTip(IDC_BASE_EDIT, L"[1, #cases - 1)", 0);
    AddToolTip(IDC_PROPORTION_EDIT, L"(0, 1]", 0);
}

void CTransformDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableCtrl(IDC_SAVE_COMBO, IsCtrlChecked(IDC_SAVE_CHECK));
    OnSelchangeSeriesEnableDisable();
}

void CTransformDlg::OnSelchangeSeriesEnableDisable() {
    const CTKCtrl& combo = Ctrl(IDC_TYPE_COMBO);
    const auto* transformation = CTransformData::FindTransformation(
        CComboUtil::GetComboItem(CTransformData::kTypeCombo, combo.m_nComboIndex));
    if (!transformation)
        return;
    using Parameter = CTransformData::Parameter;
    const struct {
        Parameter parameter;
        UINT edit;
        UINT label;
    } kParameterControls[] = {
        {Parameter::lag, IDC_LAG_EDIT, IDC_LAG_LABEL},
        {Parameter::base, IDC_BASE_EDIT, IDC_BASE_LABEL},
        {Parameter::proportion, IDC_PROPORTION_EDIT, IDC_PROPORTION_LABEL},
    };
    for (const auto& c : kParameterControls) {
        const BOOL enable = transformation->parameter == c.parameter ? 1 : 0;
        EnableCtrl(c.edit, enable, 1);
        EnableCtrl(c.label, enable, 1);
    }
}

void CTransformDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id == IDC_TYPE_COMBO)
        UpdateDependentWindows();
}

void CTransformDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    ResetToFirstSourceVariable(ListCtrl(IDC_SELECTED_LIST), m_ListOfVariablesList);
}
