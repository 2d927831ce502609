#pragma once

#include <map>
#include <tuple>
#include <vector>

#include "Private/TabData.h"
#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkBaseGui/CGUITabCtrl.h"

// What every composite dialog does over its page dialogs, whatever their types.
class CTabDlgBase : public CGUIBaseDlg {
public:
    static constexpr UINT IDD = 101;

    // The caption identifiers the composite gives its pages, in page order (0: none), for each caption
    // identifier it accepts. A caption outside the table is reported and leaves the pages without one.
    using PageCaptionTable = std::map<UINT, std::vector<UINT>>;

    void SetDlgCaptionID(UINT captionId) override;
    BOOL OnInitDialog() override;
    int GetAll() override;
    int SetAll() override;
    BOOL TKUpdateData(BOOL save) override;
    bool OnOK() override;
    void OnReset() override { OnResetAll(); }
    void OnResetAll();

    CGUITabCtrl& GetTabCtrl() { return m_tab; }
    // The first page dialog of type T, or null.
    template <class T>
    T* FindPage() const {
        for (int i = 0; i < m_tab.GetPageCount(); ++i)
            if (auto* page = dynamic_cast<T*>(m_tab.GetPage(i)))
                return page;
        return nullptr;
    }
    CGUIBaseDlg& GetActiveControlsDialog() override;
    int GetPageCount() const override { return m_tab.GetPageCount(); }
    CString GetPageCaption(int page) const override {
        const CGUIBaseDlg* dlg = m_tab.GetPage(page);
        return dlg ? dlg->GetDlgCaption() : CString();
    }
    void UserShowPage(int page) override;

protected:
    CTabDlgBase();
    virtual const PageCaptionTable& GetPageCaptions() const = 0;
    // Shows every page's record again in the page dialogs that have a window.
    void RefreshPages();

private:
    CGUITabCtrl m_tab;
};

// A composite dialog over its page dialogs (in page order) editing a composite record `Tab` in place.
template <class Tab, class... PageDlgs>
class CTabDlg : public CTabDlgBase {
public:
    CTabDlg() : m_pages(((void)sizeof(PageDlgs), static_cast<CGUIBaseDlg*>(this))...) {
        // A page does not run the command: the composite does.
        std::apply([this](auto&... page) { ((GetTabCtrl().AddPage(&page), page.SetBaseRunFlag(0)), ...); },
                   m_pages);
    }

    void SetData(CGUIBaseObj* record) override {
        CTabDlgBase::SetData(record);
        Tab* tab = GetTab();
        SetPagesData(tab, std::index_sequence_for<PageDlgs...>{});
    }
    Tab* GetTab() const { return dynamic_cast<Tab*>(GetData()); }

    int GetAllDefault() override {
        AssignFrom(Tab());
        return 1;
    }
    int SetAllDefault() override {
        AssignFrom(Tab());
        return 1;
    }

    template <std::size_t I>
    auto& PageDlg() {
        return std::get<I>(m_pages);
    }

private:
    template <std::size_t... I>
    void SetPagesData(Tab* tab, std::index_sequence<I...>) {
        ((std::get<I>(m_pages).SetData(tab ? &tab->template Page<I>() : nullptr)), ...);
    }
    // Every page record takes the value of the fresh composite's page, then the pages show it.
    void AssignFrom(const Tab& fresh) {
        if (Tab* tab = GetTab()) {
            assignPages(*tab, fresh, std::index_sequence_for<PageDlgs...>{});
            RefreshPages();
        }
    }
    template <std::size_t... I>
    static void assignPages(Tab& tab, const Tab& fresh, std::index_sequence<I...>) {
        ((tab.template Page<I>() = fresh.template Page<I>()), ...);
    }

    std::tuple<PageDlgs...> m_pages;
};
