#include "Private/PowerCommon.h"

#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

EPowerEstimate CPowerEstimateRadio::Kind(int index) const {
    const UINT item = CRadioUtil::GetRadioItem(group, index);
    return item == sampleSizeItem ? EPowerEstimate::sampleSize
           : item == singleItem   ? EPowerEstimate::single
           : item == rangeItem    ? EPowerEstimate::range
                                  : EPowerEstimate::none;
}

namespace {

// A test level or power as the line carries it, in the host's decimal symbol: one number strictly between
// 0 and 1; anything else (an empty text, or a damaged store's) gives `fallback`, the kernel's usual value.
CString ProbabilityText(const CString& typed, const wchar_t* fallback) {
    const auto text = CGUIBaseObj::TypedNumbersText(typed);
    const auto value = text && text->Find(L' ') < 0 ? CGUIBaseDlg::ParseDouble(*text) : std::nullopt;
    return value && *value > 0 && *value < 1 ? *text : *CGUIBaseObj::TypedNumbersText(fallback);
}

}  // namespace

CString PowerEstimateLine(const CString& start, const CString& level, const CString& power,
                          EPowerEstimate kind, const CPowerSampleSizes& sizes, const CString& singleClause) {
    CString text = start;
    text += L" ALPHA = " + ProbabilityText(level, L"0.05");
    switch (kind) {
        case EPowerEstimate::single:
            text += CGUIBaseObj::AddEditValueCmd(sizes.single, singleClause, 1);
            break;
        case EPowerEstimate::range:
            text += CGUIBaseObj::AddEditValueCmd(sizes.smallest, L" LOW = ", 1);
            text += CGUIBaseObj::AddEditValueCmd(sizes.largest, L" HIGH = ", 1);
            text += CGUIBaseObj::AddEditValueCmd(sizes.step, L" INCREMENT = ", 1);
            break;
        case EPowerEstimate::sampleSize:
            text += L" POWER = " + ProbabilityText(power, L"0.80");
            break;
        case EPowerEstimate::none:
            break;
    }
    CStringUtil::RemoveTrailingChar(text, L'/');
    return text;
}

CString PowerAlternativeClause(UINT combo, int index) {
    const UINT item = CComboUtil::GetComboItem(combo, index);
    return CGUIBaseObj::AddOnConditionCmd(L" ALTER = " + CComboUtil::GetComboString(combo, index),
                                          item == kAlternativeGreaterItem || item == kAlternativeLessItem);
}
