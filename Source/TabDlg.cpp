#include "Private/TabDlg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

CTabDlgBase::CTabDlgBase() : CGUIBaseDlg(IDD) {}

void CTabDlgBase::SetDlgCaptionID(UINT captionId) {
    CGUIBaseDlg::SetDlgCaptionID(captionId);
    const auto& table = GetPageCaptions();
    const auto it = table.find(captionId);
    if (it == table.end()) {
        CTvkAssertDlg(L"TabDlg.cpp", __LINE__).DoPrint();
        return;
    }
    for (int i = 0; i < m_tab.GetPageCount() && i < static_cast<int>(it->second.size()); ++i)
        if (const UINT id = it->second[static_cast<std::size_t>(i)])
            m_tab.GetPage(i)->SetDlgCaptionID(id);
}

BOOL CTabDlgBase::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    m_tab.ShowPage(0, 1);
    m_tab.DropVariablesTheDataLacksUnshown();
    return 1;
}

int CTabDlgBase::GetAll() {
    for (int i = 0; i < m_tab.GetPageCount(); ++i)
        m_tab.GetPage(i)->GetAll();
    return 1;
}

int CTabDlgBase::SetAll() {
    for (int i = 0; i < m_tab.GetPageCount(); ++i)
        m_tab.GetPage(i)->SetAll();
    return 1;
}

BOOL CTabDlgBase::TKUpdateData(BOOL save) {
    if (!CGUIBaseDlg::TKUpdateData(save))
        return 0;
    for (int i = 0; i < m_tab.GetPageCount(); ++i) {
        CGUIBaseDlg* page = m_tab.GetPage(i);
        if (save) {
            if (!page->OKLike()) {
                // The dialog stays open on the page that refused.
                m_tab.ShowPage(i, 1);
                return 0;
            }
        } else if (page->HasWindow()) {
            page->InitDialogLike();
        }
    }
    return 1;
}

bool CTabDlgBase::OnOK() {
    // Each page has written its record in OKLike.
    if (!TKUpdateData(1))
        return false;
    EndDialog(IDOK);
    return true;
}

void CTabDlgBase::OnResetAll() {
    for (int i = 0; i < m_tab.GetPageCount(); ++i) {
        CGUIBaseDlg* page = m_tab.GetPage(i);
        // A page never shown has no controls to reset: its record takes the defaults all the same.
        if (page->HasWindow()) {
            page->OnTabReset();
            // The reset changed the page's controls behind its change handlers.
            page->UpdateDependentWindows();
        } else {
            page->GetAllDefault();
        }
    }
    m_tab.ShowPage(0, 1);
}

void CTabDlgBase::RefreshPages() {
    for (int i = 0; i < m_tab.GetPageCount(); ++i) {
        CGUIBaseDlg* page = m_tab.GetPage(i);
        page->GetAll();
        if (page->HasWindow()) {
            page->UpdateData(0);
            page->UpdateDependentWindows();
        }
    }
}

CGUIBaseDlg& CTabDlgBase::GetActiveControlsDialog() {
    CGUIBaseDlg* page = m_tab.GetPage(m_tab.GetCurSel());
    return page ? *page : *this;
}

void CTabDlgBase::UserShowPage(int page) {
    if (page < 0 || page >= m_tab.GetPageCount())
        throw std::invalid_argument("the dialog has no tab page " + std::to_string(page) + " (it has " +
                                    std::to_string(m_tab.GetPageCount()) + ")");
    m_tab.ShowPage(page, 1);
}
