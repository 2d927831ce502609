#pragma once

#include "Private/TabDlg.h"

// A composite dialog that accepts its record's caption identifier and gives its pages none.
template <class Tab, class... PageDlgs>
class COpenTabDlg : public CTabDlg<Tab, PageDlgs...> {
protected:
    const CTabDlgBase::PageCaptionTable& GetPageCaptions() const override {
        static const CTabDlgBase::PageCaptionTable table{{Tab::kCaptionID, {}}};
        return table;
    }
};
