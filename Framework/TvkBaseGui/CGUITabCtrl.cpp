#include "TvkBaseGui/CGUITabCtrl.h"

#include "TvkBaseGui/CGUIBaseDlg.h"

CGUIBaseDlg* CGUITabCtrl::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

void CGUITabCtrl::ShowPage(int index, int) {
    CGUIBaseDlg* page = GetPage(index);
    if (!page)
        return;
    m_nCurrent = index;
    if (!page->HasWindow()) {
        page->CreateWindowFromTemplate();
        page->OnInitDialog();
        page->UpdateDependentWindows();
    }
}

void CGUITabCtrl::DropVariablesTheDataLacksUnshown() {
    for (CGUIBaseDlg* page : m_pages)
        page->DropVariablesTheDataLacksUnshown();
}
