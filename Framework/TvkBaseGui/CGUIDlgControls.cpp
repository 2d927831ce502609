// The controls of a dialog and their state.
#include "TvkBaseGui/CGUIDlgControls.h"

#include <stdexcept>
#include <string>

#include "HostApi/HostServices.h"
#include "Platform/Windowing.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

std::string Id(UINT id) {
    return std::to_string(id);
}

}  // namespace

void CGUIDlgControls::ReportAssertion(AssertionPoint point) {
    CTvkAssertDlg(L"GUIBaseDlg.cpp", point).DoPrint();
}

void CGUIDlgControls::SendStatusBarText(const CString& text) {
    IGlobal* global = GetHostGlobal();
    if (IMainFrame* frame = global ? global->GetMainFrame() : nullptr) {
        RegisterWindowMessage(L"UpdateStatusBar");
        frame->SendRegisteredMessage(L"UpdateStatusBar", text, 0);
    }
}

void CGUIDlgControls::CreateWindowFromTemplate() {
    if (m_bWindow)
        return;
    m_bWindow = true;
    const DialogTemplate* t = ResourceTables::Get().FindTemplate(m_nTemplateID);
    if (!t) {
        ReportAssertion(kAssertNoTemplate);
        return;
    }
    for (const auto& c : t->controls) {
        ControlKind kind;
        bool noMinus = false;
        if (!ParseControlKind(c.kind, kind, &noMinus)) {
            ReportAssertion(kAssertUnknownKind);
            continue;
        }
        if (kind == ControlKind::List)
            m_controls[c.id] = std::make_unique<CGUIListCtrl>(c.id, c.text);
        else
            m_controls[c.id] = std::make_unique<CTKCtrl>(c.id, kind, c.text);
        m_controls[c.id]->m_bNoMinus = noMinus;
        m_controls[c.id]->m_strToolTip = c.tip;
        if (c.governor)
            m_enableRules.push_back({c.id, c.governor, c.unless});
    }
    for (const auto& [combo, table] : m_comboTables)
        FillComboFromResource(combo, table);
    for (UINT group : m_radioTables)
        FillRadioFromResource(group);
}

void CGUIDlgControls::DiscardWindow() {
    m_controls.clear();
    m_enableRules.clear();
    m_bWindow = false;
}

void CGUIDlgControls::ApplyTemplateRules() {
    for (const EnableRule& rule : m_enableRules)
        EnableCtrl(rule.control, (IsCtrlChecked(rule.governor) != 0) != rule.unless);
}

CTKCtrl& CGUIDlgControls::AddRuntimeCtrl(UINT id, ControlKind kind, const CString& text) {
    auto& slot = m_controls[id];
    slot = kind == ControlKind::List ? std::make_unique<CGUIListCtrl>(id, text)
                                     : std::make_unique<CTKCtrl>(id, kind, text);
    return *slot;
}

CTKCtrl* CGUIDlgControls::FindCtrl(UINT id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second.get();
}

CTKCtrl& CGUIDlgControls::Ctrl(UINT id) const {
    CTKCtrl* c = FindCtrl(id);
    if (!c)
        throw std::invalid_argument("dialog " + Id(m_nTemplateID) + " has no control " + Id(id));
    return *c;
}

CGUIListCtrl& CGUIDlgControls::ListCtrl(UINT id) const {
    auto* list = dynamic_cast<CGUIListCtrl*>(&Ctrl(id));
    if (!list)
        throw std::invalid_argument("control " + Id(id) + " is not a list");
    return *list;
}

std::vector<UINT> CGUIDlgControls::GetCtrlIDs() const {
    std::vector<UINT> ids;
    for (const auto& [id, c] : m_controls)
        ids.push_back(id);
    return ids;
}

void CGUIDlgControls::EnableCtrl(UINT id, BOOL enable, int) {
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

void CGUIDlgControls::ShowCtrlWindow(UINT id, BOOL show) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_bVisible = show != 0;
}

BOOL CGUIDlgControls::IsCtrlEnabled(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c && c->m_bEnabled ? 1 : 0;
}

BOOL CGUIDlgControls::IsCtrlVisible(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c && c->m_bVisible ? 1 : 0;
}

BOOL CGUIDlgControls::IsCtrlChecked(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c && c->m_nChecked ? 1 : 0;
}

void CGUIDlgControls::SetCtrlChecked(UINT id, BOOL check) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_nChecked = check ? 1 : 0;
}

CString CGUIDlgControls::GetCtrlWindowText(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c ? c->m_strText : CString();
}

void CGUIDlgControls::SetCtrlWindowText(UINT id, const CString& text) {
    if (CTKCtrl* c = FindCtrl(id))
        ShowText(*c, text);
}

void CGUIDlgControls::AddToolTip(UINT id, const CString& text, int) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_strToolTip = text;
}

CString CGUIDlgControls::GetToolTip(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c ? c->m_strToolTip : CString();
}

void CGUIDlgControls::ChangeColor(UINT id, COLORREF color) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_color = color;
}

void CGUIDlgControls::FillComboFromResource(UINT combo, UINT comboResource) {
    if (!m_bWindow) {
        m_comboTables.emplace_back(combo, comboResource);
        return;
    }
    CTKCtrl& c = Ctrl(combo);
    c.m_comboItems.clear();
    for (int i = 0; i < CComboUtil::GetComboCount(comboResource); ++i)
        c.m_comboItems.push_back(CComboUtil::GetComboString(comboResource, i));
}

void CGUIDlgControls::FillRadioFromResource(UINT radioGroup) {
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
