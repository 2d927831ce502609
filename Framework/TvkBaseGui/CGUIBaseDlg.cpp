// The dialog base: lifecycle, the model of its controls and their state.
#include "TvkBaseGui/CGUIBaseDlg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_set>

#include "Platform/Windowing.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

IDialogDriver* g_driver = nullptr;

std::string Id(UINT id) {
    return std::to_string(id);
}

}  // namespace

void InstallDialogDriver(IDialogDriver* driver) {
    g_driver = driver;
}
IDialogDriver* GetDialogDriver() {
    return g_driver;
}

void CDataExchange::Fail(UINT control) {
    throw CDataExchangeFailure{control};
}

void CDataExchange::Undo() {
    for (auto it = m_undo.rbegin(); it != m_undo.rend(); ++it)
        (*it)();
    m_undo.clear();
}

CGUIBaseDlg::CGUIBaseDlg(UINT templateId, CGUIBaseDlg* parent)
    : m_nTemplateID(templateId), m_pParent(parent) {}

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
    if (const DialogTemplate* t = ResourceTables::Get().FindTemplate(m_nTemplateID))
        return t->caption;
    return {};
}

void CGUIBaseDlg::ReportAssertion(long line) {
    CTvkAssertDlg(L"GUIBaseDlg.cpp", line).DoPrint();
}

void CGUIBaseDlg::ReportInvertedRange() {
    ReportAssertion(__LINE__);
}

void CGUIBaseDlg::CreateWindowFromTemplate() {
    if (m_bWindow)
        return;
    m_bWindow = true;
    const DialogTemplate* t = ResourceTables::Get().FindTemplate(m_nTemplateID);
    if (!t) {
        ReportAssertion(__LINE__);
        return;
    }
    for (const auto& c : t->controls) {
        ControlKind kind;
        bool noMinus = false;
        if (!ParseControlKind(c.kind, kind, &noMinus)) {
            ReportAssertion(__LINE__);
            continue;
        }
        if (kind == ControlKind::List)
            m_controls[c.id] = std::make_unique<CGUIListCtrl>(c.id, c.text);
        else
            m_controls[c.id] = std::make_unique<CTKCtrl>(c.id, kind, c.text);
        m_controls[c.id]->m_bNoMinus = noMinus;
    }
    for (const auto& [combo, table] : m_comboTables)
        FillComboFromResource(combo, table);
    for (UINT group : m_radioTables)
        FillRadioFromResource(group);
}

CTKCtrl& CGUIBaseDlg::AddRuntimeCtrl(UINT id, ControlKind kind, const CString& text) {
    auto& slot = m_controls[id];
    slot = kind == ControlKind::List ? std::make_unique<CGUIListCtrl>(id, text)
                                     : std::make_unique<CTKCtrl>(id, kind, text);
    return *slot;
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

void CGUIBaseDlg::InitializeListCtrl() {
    int header = 0;
    bool first = true;
    for (const auto& [id, ctrl] : m_controls) {
        if (ctrl->GetKind() != ControlKind::List)
            continue;
        auto& list = static_cast<CGUIListCtrl&>(*ctrl);
        const bool isSource = FindPairBySource(id) != nullptr || (first && m_listPairs.empty());
        first = false;
        if (isSource)
            header = std::max(header, CalculateHeaderSize(list.GetItems()));
    }
    for (const auto& [id, ctrl] : m_controls)
        if (ctrl->GetKind() == ControlKind::List)
            static_cast<CGUIListCtrl&>(*ctrl).InitializeInDlg(nullptr, FindPairBySource(id) ? 1 : 0, 0,
                                                              header);
}

int CGUIBaseDlg::CalculateHeaderSize(const CVariableList& variables) {
    int width = 0;
    for (const auto& v : variables)
        width = std::max(width, v.GetVariableName().GetLength());
    return width;
}

BOOL CGUIBaseDlg::UpdateData(BOOL save) {
    if (!m_bWindow)
        return 1;  // no controls to exchange with
    CDataExchange dx(this, save);
    m_droppedVariables.clear();
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchangeFailure& failure) {
        dx.Undo();
        m_nFocusCtrl = failure.control;
        return 0;
    }
    if (!m_droppedVariables.empty()) {
        // Short enough for a status bar: the count, and the first few names.
        constexpr std::size_t kNamesShown = 5;
        const std::size_t count = m_droppedVariables.size();
        CString text = L"Dropped " + CString(std::to_wstring(count)) +
                       (count == 1 ? L" variable" : L" variables") + L" the data does not have: ";
        for (std::size_t i = 0; i < count && i < kNamesShown; ++i)
            text += (i ? L", " : L"") + m_droppedVariables[i];
        if (count > kNamesShown)
            text += L", ...";
        SendStatusBarText(text);
    }
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
    if (!m_bWindow) {
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
    if (!m_bWindow)
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
    for (const auto& [id, ctrl] : m_controls)
        if (ctrl->IsEdit())
            ctrl->m_color = kColorWhite;
    for (const auto& pair : m_listPairs)
        if (pair.resetToFirstSource && pair.sourceVariables)
            ResetListToFirstSource(pair.target, *pair.sourceVariables);
        else if (pair.resetToEmpty)
            ListCtrl(pair.target).ResetOptions();
}

void CGUIBaseDlg::ResetListToFirstSource(UINT target, const CVariableList& source) {
    CGUIListCtrl& list = ListCtrl(target);
    list.ResetOptions();
    list.RemoveAllItems();
    if (!source.IsEmpty())
        list.AddItem(source.GetAt(0));
}

void CGUIBaseDlg::UpdateDependentWindows() {
    UpdateListButtons();
    if (m_nSaveCheck)
        EnableCtrl(m_nSaveEdit, IsCtrlChecked(m_nSaveCheck));
}

void CGUIBaseDlg::UpdateListButtons() {
    for (const auto& pair : m_listPairs) {
        if (pair.addButton && FindCtrl(pair.addButton))
            EnableCtrl(pair.addButton,
                       EnableSourceToTarget(pair.source, pair.target, -1) &&
                           !(pair.closedWhenFull && ListCtrl(pair.target).GetItemCount() >= pair.maximum));
        if (pair.removeButton && FindCtrl(pair.removeButton))
            EnableCtrl(pair.removeButton, EnableSourceToTarget(pair.target, pair.source, -1));
    }
}

void CGUIBaseDlg::OnCtrlChanged(UINT) {}

void CGUIBaseDlg::OnCtrlClicked(UINT id) {
    UpdateDependentWindows();
}

void CGUIBaseDlg::SetSaveFilePair(UINT check, UINT edit) {
    m_nSaveCheck = check;
    m_nSaveEdit = edit;
}

void CGUIBaseDlg::SetSaveFilePair(UINT check, int& checkedCopy, UINT edit, CString& fileCopy) {
    SetSaveFilePair(check, edit);
    m_pSaveChecked = &checkedCopy;
    m_pSaveFile = &fileCopy;
}

void CGUIBaseDlg::PutText(CTKCtrl& ctrl, const CString& text) {
    ctrl.m_strText = text;
    if (m_nSaveEdit && ctrl.GetID() == m_nSaveEdit)
        ctrl.m_strToolTip = text;
}

void CGUIBaseDlg::ShowText(CTKCtrl& ctrl, const CString& text) {
    PutText(ctrl, text);
    const auto rule = m_rangeRules.find(ctrl.GetID());
    if (rule == m_rangeRules.end() || !IsColoredValidation())
        return;
    const RangeRule& r = rule->second;
    const std::optional<double> value = ParseDouble(text);
    const bool valid =
        !ctrl.m_bEnabled || (value && InRange(*value, r.minimum, r.maximum, r.minMode, r.maxMode));
    ctrl.m_color = valid ? kColorWhite : kColorInvalid;
}

// ---- controls -----------------------------------------------------------------------------------------

CTKCtrl* CGUIBaseDlg::FindCtrl(UINT id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second.get();
}

CTKCtrl& CGUIBaseDlg::Ctrl(UINT id) const {
    CTKCtrl* c = FindCtrl(id);
    if (!c)
        throw std::invalid_argument("dialog " + Id(m_nTemplateID) + " has no control " + Id(id));
    return *c;
}

CGUIListCtrl& CGUIBaseDlg::ListCtrl(UINT id) const {
    auto* list = dynamic_cast<CGUIListCtrl*>(&Ctrl(id));
    if (!list)
        throw std::invalid_argument("control " + Id(id) + " is not a list");
    return *list;
}

std::vector<UINT> CGUIBaseDlg::GetCtrlIDs() const {
    std::vector<UINT> ids;
    for (const auto& [id, c] : m_controls)
        ids.push_back(id);
    return ids;
}

void CGUIBaseDlg::EnableCtrl(UINT id, BOOL enable, int) {
    if (CTKCtrl* c = FindCtrl(id)) {
        const bool was = c->m_bEnabled;
        c->m_bEnabled = enable != 0;
        // No range check reaches a disabled edit, so it carries no mark of one; enabled again, it is
        // judged by its last range as a loaded value is.
        if (c->IsEdit() && !c->m_bEnabled)
            c->m_color = kColorWhite;
        else if (c->IsEdit() && !was)
            ShowText(*c, c->m_strText);
    }
}

void CGUIBaseDlg::ShowCtrlWindow(UINT id, BOOL show) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_bVisible = show != 0;
}

BOOL CGUIBaseDlg::IsCtrlEnabled(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c && c->m_bEnabled ? 1 : 0;
}

BOOL CGUIBaseDlg::IsCtrlVisible(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c && c->m_bVisible ? 1 : 0;
}

BOOL CGUIBaseDlg::IsCtrlChecked(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c && c->m_nChecked ? 1 : 0;
}

void CGUIBaseDlg::SetCtrlChecked(UINT id, BOOL check) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_nChecked = check ? 1 : 0;
}

CString CGUIBaseDlg::GetCtrlWindowText(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c ? c->m_strText : CString();
}

void CGUIBaseDlg::SetCtrlWindowText(UINT id, const CString& text) {
    if (CTKCtrl* c = FindCtrl(id))
        ShowText(*c, text);
}

void CGUIBaseDlg::AddToolTip(UINT id, const CString& text, int) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_strToolTip = text;
}

CString CGUIBaseDlg::GetToolTip(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c ? c->m_strToolTip : CString();
}

void CGUIBaseDlg::ChangeColor(UINT id, COLORREF color) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_color = color;
}

void CGUIBaseDlg::FillComboFromResource(UINT combo, UINT comboResource) {
    if (!m_bWindow) {
        m_comboTables.emplace_back(combo, comboResource);
        return;
    }
    CTKCtrl& c = Ctrl(combo);
    c.m_comboItems.clear();
    for (int i = 0; i < CComboUtil::GetComboCount(comboResource); ++i)
        c.m_comboItems.push_back(CComboUtil::GetComboString(comboResource, i));
}

void CGUIBaseDlg::FillRadioFromResource(UINT radioGroup) {
    if (!m_bWindow) {
        m_radioTables.push_back(radioGroup);
        return;
    }
    // A button shows the item's words for a person where the table gives them, else its text.
    if (const std::vector<RadioItem>* items = ResourceTables::Get().FindRadio(radioGroup))
        for (const RadioItem& item : *items)
            if (const CString& text = item.shown.IsEmpty() ? item.text : item.shown; !text.IsEmpty())
                SetCtrlWindowText(item.control, text);
}

void CGUIBaseDlg::SendStatusBarText(const CString& text) {
    IGlobal* global = GetHostGlobal();
    if (IMainFrame* frame = global ? global->GetMainFrame() : nullptr) {
        RegisterWindowMessage(L"UpdateStatusBar");
        frame->SendRegisteredMessage(L"UpdateStatusBar", text, 0);
    }
}
