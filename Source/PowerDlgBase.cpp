#include "Private/PowerDlgBase.h"

#include <algorithm>
#include <cmath>

#include "TvkDlgBase/TvkDlgBase.h"

CPowerDlgBase::CPowerDlgBase(UINT templateId, CGUIBaseDlg* parent, const CPowerEstimateRadio& estimate,
                             UINT alternativeCombo, std::vector<UINT> radioGroups)
    : CGUIBaseDlg(templateId, parent), m_estimate(estimate) {
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
    if (alternativeCombo)
        FillComboFromResource(alternativeCombo, alternativeCombo);
    radioGroups.push_back(estimate.group);
    for (UINT group : radioGroups)
        FillRadioFromResource(group);
}

UINT CPowerDlgBase::GetCheckedItem(UINT group) const {
    for (int i = 0; i < CRadioUtil::GetRadioCount(group); ++i)
        if (IsCtrlChecked(CRadioUtil::GetRadioControl(group, i)))
            return CRadioUtil::GetRadioItem(group, i);
    return 0;
}

EPowerEstimate CPowerDlgBase::GetCheckedEstimate() const {
    for (int i = 0; i < CRadioUtil::GetRadioCount(m_estimate.group); ++i)
        if (IsCtrlChecked(CRadioUtil::GetRadioControl(m_estimate.group, i)))
            return m_estimate.Kind(i);
    return EPowerEstimate::none;
}

void CPowerDlgBase::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const bool applies = EstimateApplies();
    for (int i = 0; i < CRadioUtil::GetRadioCount(m_estimate.group); ++i)
        EnableCtrl(CRadioUtil::GetRadioControl(m_estimate.group, i), applies);
    const EPowerEstimate kind = applies ? GetCheckedEstimate() : EPowerEstimate::none;
    EnableCtrl(IDC_POWER_EDIT, kind == EPowerEstimate::sampleSize);
    EnableCtrl(IDC_SAMPLE_SIZE_EDIT, kind == EPowerEstimate::single);
    for (UINT edit : {IDC_SMALLEST_EDIT, IDC_LARGEST_EDIT, IDC_STEP_EDIT})
        EnableCtrl(edit, kind == EPowerEstimate::range);
}

CString CPowerDlgBase::RangeText(const CSampleSizeRanges::Range& range) {
    return L"[" + NumberText(range.minimum) + L", " + NumberText(range.maximum) + L"]";
}

void CPowerDlgBase::CheckControlCorr(CDataExchange* pDX, UINT id, CGUIData<double>& holder) {
    CheckControlLessThan(pDX, id, holder, -1.0, 1.0);
}

void CPowerDlgBase::CheckControlGreaterThan(CDataExchange* pDX, UINT id, CGUIData<double>& holder,
                                            double minimum, double maximum) {
    const bool bounded = std::isfinite(maximum);
    DDX_Range(pDX, id, holder, minimum, bounded ? maximum : 0.0, eExclusive,
              bounded ? eInclusive : eNoValidation);
}

void CPowerDlgBase::CheckControlLessThan(CDataExchange* pDX, UINT id, CGUIData<double>& holder,
                                         double minimum, double maximum) {
    DDX_Range(pDX, id, holder, minimum, maximum, eExclusive, eExclusive);
}

void CPowerDlgBase::CheckControlNotEqual(CDataExchange* pDX, UINT id, const CGUIData<double>& holder,
                                         double other) {
    if (pDX->m_bSaveAndValidate && IsCtrlEnabled(id) && holder.GetValue() == other)
        RefuseValue(pDX, id, L"Enter a number other than " + NumberText(other));
}

void CPowerDlgBase::CheckSampleSize(CDataExchange* pDX, const CGUIData<int>& smallest,
                                    const CGUIData<int>& largest, int maximum) {
    // A smallest size at or above the maximum leaves no largest size (and no range to check against).
    const int above = std::min(smallest.GetValue(), maximum);
    CheckRange(pDX, IDC_LARGEST_EDIT, largest.GetValue(), above, maximum, eExclusive, eInclusive, 0);
}

void CPowerDlgBase::ExchangeCommon(CDataExchange* pDX, const CCommonFields& fields,
                                   const CSampleSizeRanges& sizes) {
    // Empty, the test level and the power are the kernel's usual 0.05 and 0.80.
    DDX_Text(pDX, IDC_LEVEL_EDIT, fields.level);
    CheckNumberText(pDX, IDC_LEVEL_EDIT, fields.level, 0.0, 1.0, eExclusive, eExclusive, true);
    DDX_Text(pDX, IDC_POWER_EDIT, fields.power);
    CheckNumberText(pDX, IDC_POWER_EDIT, fields.power, 0.0, 1.0, eExclusive, eExclusive, true);
    DDX_Radio(pDX, m_estimate.group, fields.estimate);
    DDX_Range(pDX, IDC_SAMPLE_SIZE_EDIT, fields.single, sizes.single.minimum, sizes.single.maximum);
    DDX_Range(pDX, IDC_SMALLEST_EDIT, fields.smallest, sizes.smallest.minimum, sizes.smallest.maximum);
    DDX_Range(pDX, IDC_LARGEST_EDIT, fields.largest, sizes.largest.minimum, sizes.largest.maximum);
    DDX_Range(pDX, IDC_STEP_EDIT, fields.step, sizes.step.minimum, sizes.step.maximum);
    CheckSampleSize(pDX, fields.smallest, fields.largest, sizes.largest.maximum);
    DDX_Check(pDX, IDC_SAVE_CHECK, fields.saveCheck);
    DDX_SaveFile(pDX, IDC_SAVE_FILE, fields.saveFile);
}

void CPowerDlgBase::ExchangeValue(CDataExchange* pDX, UINT id, CGUIData<double>& holder,
                                  const CPowerValueRule& rule) {
    switch (rule.kind) {
        case EPowerValue::any:
            DDX_STText(pDX, id, holder);
            break;
        case EPowerValue::correlation:
            CheckControlCorr(pDX, id, holder);
            break;
        case EPowerValue::proportion:
            CheckControlLessThan(pDX, id, holder, 0.0, 1.0);
            break;
        case EPowerValue::positive:
            CheckControlGreaterThan(pDX, id, holder, 0.0, rule.maximum);
            break;
    }
}

void CPowerDlgBase::AddCommonToolTips(const CSampleSizeRanges& sizes) {
    AddToolTip(IDC_LEVEL_EDIT, L"(0, 1)", 0);
    AddToolTip(IDC_POWER_EDIT, L"(0, 1)", 0);
    AddToolTip(IDC_SAMPLE_SIZE_EDIT, RangeText(sizes.single), 0);
    AddToolTip(IDC_SMALLEST_EDIT, RangeText(sizes.smallest), 0);
    AddToolTip(IDC_LARGEST_EDIT, RangeText(sizes.largest), 0);
    AddToolTip(IDC_STEP_EDIT, RangeText(sizes.step), 0);
}
