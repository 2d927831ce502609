#include "Private/RsMixtureDlg.h"

#include <numeric>

#include "Msg/Launcher.h"
#include "Msg/MonteCarloMsg.h"
#include "TvkUseRes/ResourceTables.h"

CRsMixtureDlg::CRsMixtureDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillRadioFromResource(CRsMixtureData::kTypeRadioGroup);
}

void CRsMixtureDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Radio(pDX, CRsMixtureData::kTypeRadioGroup, m_Data.TypeRadio);
    DDX_Range(pDX, IDC_COMPONENTS_EDIT, m_Data.ComponentsEdit, 2, CRsMixtureData::kMaximumComponents);
    DDX_Range(pDX, IDC_DEGREE_EDIT, m_Data.DegreeEdit, 1, 6);
    DDX_Text(pDX, IDC_LOWER_EDIT, m_Data.LowerBoundsEdit);
    DDX_Text(pDX, IDC_UPPER_EDIT, m_Data.UpperBoundsEdit);
    CheckBounds(pDX);
    DDX_Range(pDX, IDC_REPLICATIONS_EDIT, m_Data.ReplicationsEdit, 1, 100);
    DDX_Check(pDX, IDC_RANDOM_CHECK, m_Data.RandomCheck);
}

std::optional<std::vector<double>> CRsMixtureDlg::ParseBounds(const CString& bounds, int components) {
    auto values = ParseNumberList(bounds);
    if (!values || (!values->empty() && static_cast<int>(values->size()) != components))
        return std::nullopt;
    for (double v : *values)
        if (v < 0 || v > 1)
            return std::nullopt;
    return values;
}

void CRsMixtureDlg::CheckBounds(CDataExchange* pDX) {
    if (!pDX->m_bSaveAndValidate || !IsCtrlEnabled(IDC_LOWER_EDIT))
        return;
    const int components = m_Data.ComponentsEdit.GetValue();
    const auto lower = ParseBounds(m_Data.LowerBoundsEdit, components);
    if (!lower)
        Refuse(pDX, IDC_LOWER_EDIT, kBoundsMessage);
    const auto upper = ParseBounds(m_Data.UpperBoundsEdit, components);
    if (!upper)
        Refuse(pDX, IDC_UPPER_EDIT, kBoundsMessage);
    // Without bounds the region is the whole simplex, whose vertices are the pure components.
    if (lower->empty() && upper->empty())
        Refuse(pDX, IDC_LOWER_EDIT, kNoBoundsMessage);
    // Some blend must lie within the bounds and sum to 1.
    if (std::accumulate(lower->begin(), lower->end(), 0.0) > 1)
        Refuse(pDX, IDC_LOWER_EDIT, kBoundsMessage);
    if (!upper->empty() && std::accumulate(upper->begin(), upper->end(), 0.0) < 1)
        Refuse(pDX, IDC_UPPER_EDIT, kUpperSumMessage);
    for (std::size_t i = 0; i < lower->size() && i < upper->size(); ++i)
        if ((*upper)[i] < (*lower)[i])
            Refuse(pDX, IDC_UPPER_EDIT, kUpperBelowLowerMessage);
}

void CRsMixtureDlg::Refuse(CDataExchange* pDX, UINT id, UINT message) {
    TKMessageBox(GetString(message));
    pDX->Fail(id);
}

void CRsMixtureDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableCtrl(IDC_DEGREE_EDIT, IsCtrlChecked(IDC_LATTICE_RADIO));
    EnableCtrl(IDC_DEGREE_LABEL, IsCtrlChecked(IDC_LATTICE_RADIO));
    for (UINT id : {IDC_LOWER_EDIT, IDC_LOWER_LABEL, IDC_UPPER_EDIT, IDC_UPPER_LABEL})
        EnableCtrl(id, IsCtrlChecked(IDC_VERTICES_RADIO));
}

REGISTER_MENU_ROWS(CMonteCarloMsg, DialogRow<CRsMixtureData, CRsMixtureDlg>(1088, 0, MenuRule::Always));
