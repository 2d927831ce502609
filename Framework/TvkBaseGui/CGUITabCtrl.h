#pragma once

#include <vector>

#include "TvkApi.h"

class CGUIBaseDlg;

// The tab control of a composite dialog: its pages in tab order and the one shown. A page's window
// is created when its tab is first shown.
class TVK_API CGUITabCtrl {
public:
    void AddPage(CGUIBaseDlg* page) { m_pages.push_back(page); }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CGUIBaseDlg* GetPage(int index) const;
    int GetCurSel() const { return m_nCurrent; }
    // Shows a page (creating its window the first time); an index outside the pages does nothing.
    void ShowPage(int index, int activate);
    // Every page not shown yet drops the variables the data lacks (the composite is opening): a page
    // the user never looks at must not send them.
    void DropVariablesTheDataLacksUnshown();

private:
    std::vector<CGUIBaseDlg*> m_pages;
    int m_nCurrent = -1;
};
