#pragma once

#include <array>
#include <cstddef>
#include <tuple>
#include <type_traits>
#include <vector>

#include "TvkBaseGui/CGUIBaseObj.h"

// What every composite record does over its pages, whatever their types. The pages are reached by
// index in page order (the order of the members, of the tabs and of the archive).
//
// Archive: the base part, then each page's own archive in page order; nothing else.
class CTabDataBase : public CGUIBaseObj {
public:
    virtual int GetPageCount() const = 0;
    // Null outside [0, GetPageCount()).
    CGUIBaseObj* GetPage(int index) { return PageAt(index); }
    const CGUIBaseObj* GetPage(int index) const { return const_cast<CTabDataBase*>(this)->PageAt(index); }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void OnReadBack() override;
    // Forwards to every page; a composite whose pages must not all be asked overrides it.
    void ReassignDefaultValue() override;
    // A composite is kept by the host and never has a parent of its own: a non-null one is reported.
    // The composite then becomes the parent of each page, so that a page can reach its sisters.
    void SetParent(CGUIBaseObj* parent) override;
    // The pages whose window state is set append their lines, in the ask order; composites that change
    // the print setting read it before the first page and put it back after the last.
    void GetCommandInfoList(CCmdList& lines) const override;

protected:
    CTabDataBase() = default;
    CTabDataBase(const CTabDataBase&) = default;
    CTabDataBase& operator=(const CTabDataBase&) = default;

    virtual CGUIBaseObj* PageAt(int index) = 0;
    // The order in which the pages are asked for their lines, as page indexes; empty for page order.
    virtual std::vector<int> GetAskOrder() const { return {}; }
    virtual bool ResetsPrintSetting() const { return false; }
    // The kernel's print setting, read through the module object.
    static int ReadPrintSetting();
    void AdoptPages();
};

// A composite record over its page records, held by value in page order (resampling last). A composite
// is then a class deriving from CTabData<its pages> with its static GetDefault<Page> functions.
template <class... Pages>
class CTabData : public CTabDataBase {
    static_assert(sizeof...(Pages) > 0);
    static_assert((std::is_base_of_v<CGUIBaseObj, Pages> && ...));

public:
    static constexpr int kPageCount = static_cast<int>(sizeof...(Pages));

    CTabData() { AdoptPages(); }
    explicit CTabData(const Pages&... pages) : m_pages(pages...) { AdoptPages(); }
    // A copy's pages belong to the copy.
    CTabData(const CTabData& other) : CTabDataBase(other), m_pages(other.m_pages) { AdoptPages(); }
    // Page by page; each page keeps belonging to this composite.
    CTabData& operator=(const CTabData& other) {
        if (this != &other) {
            CTabDataBase::operator=(other);
            m_pages = other.m_pages;
        }
        return *this;
    }

    int GetPageCount() const override { return kPageCount; }

    template <std::size_t I>
    auto& Page() {
        return std::get<I>(m_pages);
    }
    template <std::size_t I>
    const auto& Page() const {
        return std::get<I>(m_pages);
    }
    template <class T>
    T& Page() {
        return std::get<T>(m_pages);
    }
    template <class T>
    const T& Page() const {
        return std::get<T>(m_pages);
    }

protected:
    CGUIBaseObj* PageAt(int index) override {
        if (index < 0 || index >= kPageCount)
            return nullptr;
        const auto pages = std::apply(
            [](auto&... page) { return std::array<CGUIBaseObj*, sizeof...(Pages)>{&page...}; }, m_pages);
        return pages[static_cast<std::size_t>(index)];
    }

private:
    std::tuple<Pages...> m_pages;
};

// The composite a page sits in, or null when it sits in none.
CTabDataBase* GetParentTab(const CGUIBaseObj& page);

// The first other page of type T of the composite the page sits in, or null.
template <class T>
T* FindSisterPage(const CGUIBaseObj& page) {
    CTabDataBase* tab = GetParentTab(page);
    for (int i = 0; tab && i < tab->GetPageCount(); ++i)
        if (auto* sister = dynamic_cast<T*>(tab->GetPage(i)); sister && sister != &page)
            return sister;
    return nullptr;
}
