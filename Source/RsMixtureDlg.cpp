#include "Private/RsMixtureDlg.h"

#include <sstream>

#include "TvkUseRes/ResourceTables.h"

CRsMixtureDlg::CRsMixtureDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CRsMixtureDlg::OnInitDialog() {
    FillRadioFromResource(CRsMixtureData::kTypeRadioGroup);
    CGUIBaseDlg::OnInitDialog();
    for (UINT edit : {IDC_COMPONENTS_EDIT, IDC_DEGREE_EDIT, IDC_REPLICATIONS_EDIT})
        Ctrl(edit).m_bNoMinus = true;
    return 1;
}

void CRsMixtureDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Radio(pDX, CRsMixtureData::kTypeRadioGroup, m_Data.TypeRadio);
    DDX_Range(pDX, IDC_COMPONENTS_EDIT, m_Data.ComponentsEdit, 2, CRsMixtureData::kMaximumComponents);
    DDX_Range(pDX, IDC_DEGREE_EDIT, m_Data.DegreeEdit, 1, 6);
    DDX_Text(pDX, IDC_LOWER_EDIT, m_Data.LowerBoundsEdit);
    CheckBounds(pDX, IDC_LOWER_EDIT, m_Data.LowerBoundsEdit, true);
    DDX_Text(pDX, IDC_UPPER_EDIT, m_Data.UpperBoundsEdit);
    CheckBounds(pDX, IDC_UPPER_EDIT, m_Data.UpperBoundsEdit, false);
    DDX_Range(pDX, IDC_REPLICATIONS_EDIT, m_Data.ReplicationsEdit, 1, 100);
    DDX_Check(pDX, IDC_RANDOM_CHECK, m_Data.RandomCheck);
    DDX_Text(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_Data.SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);
    DDX_Check(pDX, IDC_SAVE_CHECK, m_Data.SaveFileCheck);
}

bool CRsMixtureDlg::ValidBounds(const CString& bounds, int components, bool lower) {
    std::wistringstream in{std::wstring(bounds.str())};
    int count = 0;
    double sum = 0;
    for (std::wstring word; in >> word; ++count) {
        const auto value = ParseDouble(CString(word));
        if (!value || *value < 0 || *value > 1)
            return false;
        sum += *value;
    }
    return count == 0 || (count == components && (!lower || sum <= 1));
}

void CRsMixtureDlg::CheckBounds(CDataExchange* pDX, UINT id, const CString& bounds, bool lower) {
    if (!pDX->m_bSaveAndValidate || !IsCtrlEnabled(id) ||
        ValidBounds(bounds, m_Data.ComponentsEdit.GetValue(), lower))
        return;
    TKMessageBox(GetString(kBoundsMessage));
    pDX->Fail(id);
}

void CRsMixtureDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_COMPONENTS_EDIT, L"[2, 12]", 0);
    AddToolTip(IDC_DEGREE_EDIT, L"[1, 6]", 0);
    AddToolTip(IDC_REPLICATIONS_EDIT, L"[1, 100]", 0);
    AddToolTip(IDC_SAVE_FILE, m_Data.SaveFileEdit, 0);
}

void CRsMixtureDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    EnableCtrl(IDC_DEGREE_EDIT, IsCtrlChecked(IDC_LATTICE_RADIO));
    EnableCtrl(IDC_DEGREE_LABEL, IsCtrlChecked(IDC_LATTICE_RADIO));
    for (UINT id : {IDC_LOWER_EDIT, IDC_LOWER_LABEL, IDC_UPPER_EDIT, IDC_UPPER_LABEL})
        EnableCtrl(id, IsCtrlChecked(IDC_VERTICES_RADIO));
}
