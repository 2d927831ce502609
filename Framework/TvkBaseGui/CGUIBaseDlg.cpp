// The dialog base: the record, the caption and the dialog's life from opening to OK or Cancel.
#include "TvkBaseGui/CGUIBaseDlg.h"

#include "TvkUseRes/ResourceTables.h"

namespace {

IDialogDriver* g_driver = nullptr;

}  // namespace

void InstallDialogDriver(IDialogDriver* driver) {
    g_driver = driver;
}
IDialogDriver* GetDialogDriver() {
    return g_driver;
}

void CGUIBaseDlg::SetDlgCaptionID(UINT captionId) {
    m_nCaptionID = captionId;
    if (CGUIBaseObj* record = GetData())
        record->SetVariantID(captionId);
}

CString CGUIBaseDlg::GetDlgCaption() const {
    if (!m_strMenuCaption.IsEmpty())
        return m_strMenuCaption;
    if (m_nCaptionID != 0) {
        const CString text = GetString(m_nCaptionID);
        if (!text.IsEmpty())
            return text;
    }
    if (const DialogTemplate* t = ResourceTables::Get().FindTemplate(GetTemplateID()))
        return t->caption;
    return {};
}

int CGUIBaseDlg::DoModal() {
    m_bEnded = false;
    m_nResult = 0;
    CreateWindowFromTemplate();
    OnInitDialog();
    UpdateDependentWindows();
    if (IDialogDriver* driver = GetDialogDriver()) {
        const int result = driver->Run(*this);
        if (!m_bEnded)
            EndDialog(result);
    } else if (!OnOK()) {
        EndDialog(IDCANCEL);
    }
    return m_nResult;
}

BOOL CGUIBaseDlg::OnInitDialog() {
    GetAll();
    UpdateData(0);
    InitializeListCtrl();
    AddToolTips();
    return 1;
}

bool CGUIBaseDlg::OnOK() {
    if (!TKUpdateData(1))
        return false;
    SetAll();
    EndDialog(IDOK);
    return true;
}

BOOL CGUIBaseDlg::OKLike() {
    if (!HasWindow()) {
        if (m_bUnshownDrops)
            SetAll();
        return 1;
    }
    if (!TKUpdateData(1))
        return 0;
    SetAll();
    return 1;
}

BOOL CGUIBaseDlg::InitDialogLike() {
    if (!HasWindow())
        return 1;
    GetAll();
    UpdateData(0);
    UpdateDependentWindows();
    return 1;
}

void CGUIBaseDlg::EndDialog(int result) {
    m_nResult = result;
    m_bEnded = true;
}

void CGUIBaseDlg::OnReset() {
    GetAllDefault();
    UpdateData(0);
    for (const auto& [id, ctrl] : Controls())
        if (ctrl->IsEdit())
            ctrl->m_color = kColorWhite;
    ResetListPairs();
}

void CGUIBaseDlg::DropVariablesTheDataLacksUnshown() {
    // Only the target of a list pair drops variables: a page without one need not be opened.
    if (HasWindow() || GetListPairs().empty())
        return;
    const std::size_t before = DroppedVariableCount();
    CreateWindowFromTemplate();
    OnInitDialog();
    DiscardCheckedWindow();
    // The copies hold the record less the dropped variables until OK stores them (OKLike); Cancel
    // leaves the record as it was.
    m_bUnshownDrops = DroppedVariableCount() != before;
}
