#pragma once

#include <map>
#include <vector>

#include "Private/TabData.h"
#include "TvkDlgBase/CBootStrapData.h"

// The composites of the hypothesis-testing and nonparametric menus: a test page and resampling. Each
// names, by caption identifier, the variants its dialog hands its pages (in page order, 0 for none).
using CPageCaptions = std::map<UINT, std::vector<UINT>>;

template <class Page>
class CTestTabData : public CTabData<Page, CBootStrapData> {
public:
    using CTabData<Page, CBootStrapData>::CTabData;
    static CBootStrapData GetDefaultBootStrap() { return {}; }
};

// A composite whose page serves one test only: the page is built with that test's variant, so that the
// composite is right before any dialog has shown it.
template <class Page, UINT Caption, UINT Variant>
class CFixedTestTabData : public CTestTabData<Page> {
public:
    static constexpr UINT kCaptionID = Caption;

    CFixedTestTabData() : CTestTabData<Page>(GetDefaultPage(), CBootStrapData()) {}
    static Page GetDefaultPage() {
        Page page;
        page.SetVariantID(Variant);
        return page;
    }
    static const CPageCaptions& PageCaptions() {
        static const CPageCaptions table{{Caption, {Variant, 0}}};
        return table;
    }
};

// The table of a composite whose page serves several tests: each caption of `variants` gives the page
// the variant of its row.
template <class Row, std::size_t N>
CPageCaptions PageCaptionsOf(const Row (&variants)[N]) {
    CPageCaptions table;
    for (const Row& row : variants)
        table[row.caption] = {row.variant, 0};
    return table;
}
