// The range checks of a dialog's number edits.
#include "TvkBaseGui/CGUIDlgRangeChecks.h"

void CGUIDlgRangeChecks::ShowText(CTKCtrl& ctrl, const CString& text) {
    CGUIDlgExchange::ShowText(ctrl, text);
    const auto rule = m_rangeRules.find(ctrl.GetID());
    if (rule == m_rangeRules.end() || !IsColoredValidation())
        return;
    const RangeRule& r = rule->second;
    const std::optional<double> value = ParseDouble(text);
    const bool valid =
        !ctrl.m_bEnabled || (value && InRange(*value, r.minimum, r.maximum, r.minMode, r.maxMode));
    ctrl.m_color = valid ? kColorWhite : kColorInvalid;
}

void CGUIDlgRangeChecks::CheckNumberText(CDataExchange* pDX, UINT id, const CString& text, double minimum,
                                         double maximum, EDlgValidation minMode, EDlgValidation maxMode,
                                         bool emptyAllowed) {
    if (!IsCtrlEnabled(id))
        return;
    if (emptyAllowed && CString(text).Trim().IsEmpty()) {
        m_rangeRules.erase(id);
        if (IsColoredValidation())
            ChangeColor(id, kColorWhite);
        return;
    }
    const auto value = ParseDouble(text);
    if (value)
        CheckRange(pDX, id, *value, minimum, maximum, minMode, maxMode, 0);
    else if (pDX->m_bSaveAndValidate)
        RefuseValue(pDX, id, L"Enter a number");
    else if (IsColoredValidation())
        ChangeColor(id, kColorInvalid);
}

void CGUIDlgRangeChecks::DiscardCheckedWindow() {
    DiscardExchangedWindow();
    m_rangeRules.clear();
}
