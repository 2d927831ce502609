#pragma once

#include "Private/TabData.h"
#include "TvkDlgBase/CBootStrapData.h"

// A composite of one procedure page and the resampling page, opened under caption `Caption`; its pages
// take no variants of their own.
template <class Page, UINT Caption>
class CResampledTabData : public CTabData<Page, CBootStrapData> {
public:
    static constexpr UINT kCaptionID = Caption;

    static CBootStrapData GetDefaultBootStrap() { return {}; }
};
