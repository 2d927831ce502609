#include "Msg/Launcher.h"

#include "TvkXMenu/CTKMenuBar.h"

namespace {

void ReplaceAll(std::wstring& text, const std::wstring& from, const std::wstring& to) {
    for (std::size_t pos = 0; (pos = text.find(from, pos)) != std::wstring::npos; pos += to.size())
        text.replace(pos, from.size(), to);
}

std::wstring CleanMenuText(std::wstring text) {
    ReplaceAll(text, L"...", L"");
    const std::size_t amp = text.find(L'&');
    if (amp != std::wstring::npos) {
        if (text.compare(amp, 3, L"&&&") == 0)
            ReplaceAll(text, L"&&&", L"&");
        else if (text.compare(amp, 2, L"&&") == 0)
            ReplaceAll(text, L"&&", L"&");
        else
            std::erase(text, L'&');
    }
    if (const std::size_t tab = text.find(L'\t'); tab != std::wstring::npos)
        text.erase(tab);
    return text;
}

}  // namespace

CString BuildMenuCaption(const std::vector<std::wstring>& chain) {
    CString caption;
    const std::size_t first = chain.size() > 3 ? chain.size() - 3 : 0;
    for (std::size_t i = first; i < chain.size(); ++i) {
        if (i > first)
            caption += L": ";
        caption += CString(CleanMenuText(chain[i]));
    }
    return caption;
}

CString GetMenuCaption(IGlobal* global, UINT command) {
    IMainFrame* frame = global->GetMainFrame();
    CTKMenuBar* bar = frame ? frame->GetMenuBar() : nullptr;
    std::vector<std::wstring> chain;
    if (!bar || !bar->GetIDTextChain(command, chain))
        return {};
    return BuildMenuCaption(chain);
}

void RunLaunchedDialog(IGlobal* global, UINT command, UINT caption, CGUIBaseDlg& dlg, CGUIBaseObj& record) {
    if (IMainFrame* frame = global->GetMainFrame())
        frame->GetDialogParent(command);
    record.SetParent(nullptr);
    dlg.SetData(&record);
    dlg.SetDlgCaptionID(caption);
    const bool usesCaption = global->UsesDialogCaption();
    CString menuCaption;
    if (!usesCaption) {
        menuCaption = GetMenuCaption(global, command);
        dlg.SetMenuCaption(menuCaption);
    }
    record.ReassignDefaultValue();
    record.FillListSource();
    record.SetstrDialog(command);
    global->NotifyDialogOpening(0);
    if (dlg.DoModal() == IDOK && dlg.GetBaseRunFlag())
        global->RunDialogCommand(command, usesCaption ? dlg.GetDlgCaption() : menuCaption);
}

bool MenuRuleHolds(IGlobal* global, MenuRule rule) {
    switch (rule) {
        case MenuRule::Standard:
            return !global->IsHostLocked() && global->GetDataStatus() == 1;
        case MenuRule::Free:
            return !global->IsHostLocked();
        case MenuRule::Always:
            return true;
        case MenuRule::Never:
            return false;
    }
    return false;
}

const MenuRow* CMenuGroupTable::FindRow(UINT did) const {
    for (const auto& row : m_rows)
        if (did >= row.first && did <= row.last)
            return &row;
    return nullptr;
}

BOOL CMenuGroupTable::OnTKCommand(UINT command) {
    CTKMsg::OnTKCommand(command);
    const MenuRow* row = FindRow(GetDID());
    if (!row)
        return 0;
    if (row->launch) {
        row->launch(GetGlobal(), GetCommandID(), row->caption);
        return 1;
    }
    return OnOwnCommand(GetDID()) ? 1 : 0;
}

void CMenuGroupTable::OnUpdateTKCommand(CCmdUI* cmdUI) {
    const MenuRow* row = FindRow(cmdUI->m_nID);
    if (!row || !GetGlobal())
        return;
    if (m_bLockedFirst && GetGlobal()->IsHostLocked()) {
        cmdUI->Enable(0);
        return;
    }
    cmdUI->Enable(MenuRuleHolds(GetGlobal(), row->rule) ? 1 : 0);
    OnUpdateOwnCommand(cmdUI->m_nID, cmdUI);
}
