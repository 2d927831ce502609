#pragma once

#include <map>
#include <type_traits>

#include "TvkBaseGui/CGUIDlgExchange.h"

// The range checks of a dialog's number edits. An edit a check judged keeps its range: a text the dialog
// puts into it later, or enabling it again, is judged by it too.
class TVK_API CGUIDlgRangeChecks : public CGUIDlgExchange {
public:
    using CGUIDlgExchange::CGUIDlgExchange;

    // Range checks. The holder forms skip a holder whose second mark is 1 or 2 while its default mark
    // is set; the value forms run unless `skip` is non-zero. A range whose minimum exceeds its maximum
    // is reported when storing and fails.
    void DDV_MinMaxInt(CDataExchange* pDX, UINT id, const CGUIData<int>& holder, int minimum, int maximum,
                       EDlgValidation minMode = eInclusive, EDlgValidation maxMode = eInclusive) {
        DDV_MinMax(pDX, id, holder, minimum, maximum, minMode, maxMode);
    }
    void DDV_MinMaxDouble(CDataExchange* pDX, UINT id, const CGUIData<double>& holder, double minimum,
                          double maximum, EDlgValidation minMode = eInclusive,
                          EDlgValidation maxMode = eInclusive) {
        DDV_MinMax(pDX, id, holder, minimum, maximum, minMode, maxMode);
    }
    template <class T>
    void DDV_MinMax(CDataExchange* pDX, UINT id, const CGUIData<T>& holder, T minimum, T maximum,
                    EDlgValidation minMode, EDlgValidation maxMode);
    template <class T>
    void CheckRange(CDataExchange* pDX, UINT id, T value, T minimum, T maximum, EDlgValidation minMode,
                    EDlgValidation maxMode, int skip);
    // A number typed as text (a combo's text, an edit kept as typed), judged as a range check judges a
    // holder: storing refuses a text that is no number or a number outside the range, loading paints
    // it. An empty text passes when `emptyAllowed`; nothing is judged while the control is disabled.
    void CheckNumberText(CDataExchange* pDX, UINT id, const CString& text, double minimum, double maximum,
                         EDlgValidation minMode, EDlgValidation maxMode, bool emptyAllowed = false);
    // A number edit that may be left empty: the empty edit stands for `none` (a value outside the range
    // that the record keeps for "no value" or "chosen by the kernel") and shows empty; any other text is
    // exchanged and checked as DDX_Range does.
    template <class T>
    void DDX_OptionalRange(CDataExchange* pDX, UINT id, CGUIData<T>& holder, const CGUIData<T>& none,
                           std::type_identity_t<T> minimum, std::type_identity_t<T> maximum,
                           EDlgValidation minMode = eInclusive, EDlgValidation maxMode = eInclusive);
    // One number edit in one line: the holder is exchanged with the edit, then range-checked as the
    // holder forms above check it.
    template <class T>
    void DDX_Range(CDataExchange* pDX, UINT id, CGUIData<T>& holder, std::type_identity_t<T> minimum,
                   std::type_identity_t<T> maximum, EDlgValidation minMode = eInclusive,
                   EDlgValidation maxMode = eInclusive) {
        DDX_STText(pDX, id, holder);
        DDV_MinMax<T>(pDX, id, holder, minimum, maximum, minMode, maxMode);
    }

protected:
    // As the exchange shows a text, and a number edit that a range check judged is judged again on it.
    void ShowText(CTKCtrl& ctrl, const CString& text) override;
    // Drops the controls and what the exchanges and checks kept about them.
    void DiscardCheckedWindow();

private:
    // The last range a check judged an edit by, kept so that a new text is judged the same way.
    struct RangeRule {
        double minimum;
        double maximum;
        EDlgValidation minMode;
        EDlgValidation maxMode;
    };
    static void ReportInvertedRange() { ReportAssertion(kAssertInvertedRange); }
    std::map<UINT, RangeRule> m_rangeRules;
};

template <class T>
void CGUIDlgRangeChecks::CheckRange(CDataExchange* pDX, UINT id, T value, T minimum, T maximum,
                                    EDlgValidation minMode, EDlgValidation maxMode, int skip) {
    CTKCtrl* edit = FindCtrl(id);
    if (skip || !edit || !edit->m_bEnabled) {
        m_rangeRules.erase(id);
        return;
    }
    m_rangeRules[id] = {static_cast<double>(minimum), static_cast<double>(maximum), minMode, maxMode};
    if (pDX->m_bSaveAndValidate && minMode != eNoValidation && maxMode != eNoValidation && minimum > maximum)
        ReportInvertedRange();
    if (InRange(value, minimum, maximum, minMode, maxMode)) {
        if (IsColoredValidation())
            ChangeColor(id, kColorWhite);
        return;
    }
    if (!pDX->m_bSaveAndValidate) {
        if (IsColoredValidation())
            ChangeColor(id, kColorInvalid);
        return;
    }
    if (IsColoredValidation()) {
        ChangeColor(id, kColorInvalid);
        SendStatusBarText(TKMinMaxRangeMsg(minimum, maximum, minMode, maxMode, 0));
    } else {
        TKMinMaxRangeMsg(minimum, maximum, minMode, maxMode, 1);
    }
    pDX->Fail(id);
}

// A holder marked by SetEditAttribute and still at its default is not checked.
template <class T>
void CGUIDlgRangeChecks::DDV_MinMax(CDataExchange* pDX, UINT id, const CGUIData<T>& holder, T minimum,
                                    T maximum, EDlgValidation minMode, EDlgValidation maxMode) {
    const bool marked = (holder.GetSecond() == 1 || holder.GetSecond() == 2) && holder.IsDefault();
    CheckRange(pDX, id, holder.GetValue(), minimum, maximum, minMode, maxMode, marked ? 1 : 0);
}

template <class T>
void CGUIDlgRangeChecks::DDX_OptionalRange(CDataExchange* pDX, UINT id, CGUIData<T>& holder,
                                           const CGUIData<T>& none, std::type_identity_t<T> minimum,
                                           std::type_identity_t<T> maximum, EDlgValidation minMode,
                                           EDlgValidation maxMode) {
    CTKCtrl& edit = Ctrl(id);
    const bool empty = pDX->m_bSaveAndValidate ? CString(edit.m_strText).Trim().IsEmpty()
                                               : holder.GetValue() == none.GetValue();
    if (!empty) {
        DDX_Range(pDX, id, holder, minimum, maximum, minMode, maxMode);
        return;
    }
    if (pDX->m_bSaveAndValidate && !(holder == none))
        pDX->Replace(holder, none);
    m_rangeRules.erase(id);
    ShowText(edit, CString());
    if (IsColoredValidation())
        ChangeColor(id, kColorWhite);
}
