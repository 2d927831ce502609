#include "Source/PowerCommon.h"

#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

EPowerEstimate CPowerEstimateRadio::Kind(int index) const {
    const UINT item = CRadioUtil::GetRadioItem(group, index);
    return item == sampleSizeItem ? EPowerEstimate::sampleSize
           : item == singleItem   ? EPowerEstimate::single
           : item == rangeItem    ? EPowerEstimate::range
                                  : EPowerEstimate::none;
}

void AddPowerHeadLines(CCmdList& lines, int saveCheck, const CString& saveFile) {
    CGUIBaseObj::AddModuleCmd(kPowerModule, lines);
    if (saveCheck && !saveFile.IsEmpty())
        CGUIBaseObj::AddSaveCmd(saveFile, lines, CString(), CString());
}

CString PowerEstimateLine(const CString& start, const CString& level, const CString& power,
                          EPowerEstimate kind, const CPowerSampleSizes& sizes, const CString& singleClause) {
    CString text = start;
    text += CGUIBaseObj::AddOnConditionCmd(L" ALPHA = " + level, !level.IsEmpty());
    text += CGUIBaseObj::AddOnConditionCmd(L" ALPHA = 0.05", level.IsEmpty());
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
            text += CGUIBaseObj::AddOnConditionCmd(L" POWER = " + power, !power.IsEmpty());
            text += CGUIBaseObj::AddOnConditionCmd(L" POWER = 0.80", power.IsEmpty());
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
