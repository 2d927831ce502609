#pragma once

// The exchange and range-check templates of CGUIBaseDlg, kept out of its declaration.
#include "TvkBaseGui/CGUIBaseDlg.h"

#include <cmath>

template <class T>
void CGUIBaseDlg::DDX_STText(CDataExchange* pDX, UINT id, CGUIData<T>& holder, int) {
    CTKCtrl& edit = Ctrl(id);
    if (!pDX->m_bSaveAndValidate) {
        ShowText(edit, NumberText(holder.GetValue()));
        return;
    }
    // An edit still showing the holder's value leaves the holder (and its default mark) alone.
    if (edit.m_strText == NumberText(holder.GetValue()))
        return;
    std::optional<T> value;
    if constexpr (std::is_same_v<T, double>) {
        // An edit that refuses a minus sign refuses it in a decimal number too.
        if (!edit.m_bNoMinus || CString(edit.m_strText).Trim().Find(L'-') != 0)
            value = ParseDouble(edit.m_strText);
    } else if constexpr (std::is_same_v<T, unsigned int>) {
        value = ParseUnsigned(edit.m_strText);
    } else {
        value = ParseInt(edit.m_strText, !edit.m_bNoMinus);
    }
    if (value) {
        // Typed by the user: neither the default nor the value the holder was made with. A disabled
        // edit keeps what was typed into it too, for when it is enabled again.
        pDX->Remember(holder);
        holder.SetUserValue(*value);
        holder.SetLast(0);
        return;
    }
    // A disabled edit is not validated: text that is no number leaves the holder as it was.
    if (!edit.m_bEnabled)
        return;
    if (IsColoredValidation()) {
        ChangeColor(id, kColorInvalid);
        SendStatusBarText(L"Enter a number");
    } else {
        TKMessageBox(L"Enter a number");
    }
    pDX->Fail(id);
}

template <class T>
CString CGUIBaseDlg::BoundText(T value, EDlgValidation mode, bool lower) {
    if (mode == eNoValidation)
        return lower ? L"-inf" : L"+inf";
    return NumberText(value);
}

template <class T>
CString CGUIBaseDlg::TKMinMaxRangeMsg(T minimum, T maximum, EDlgValidation minMode, EDlgValidation maxMode,
                                      int show) {
    CString text = L"Enter a number in ";
    text += minMode == eInclusive ? L"[" : L"(";
    text += BoundText(minimum, minMode, true);
    // Under a comma decimal symbol a comma between the bounds would read as part of a number.
    text += GetDecimalSymbol() == L',' ? L"; " : L", ";
    text += BoundText(maximum, maxMode, false);
    text += maxMode == eInclusive ? L"]" : L")";
    if (show)
        TKMessageBox(text);
    return text;
}

// A subnormal number (below 2.2e-308 in size) counts as 0: it holds too few digits to compute with, so
// it fails "> 0" and "(0, 1)" as 0 does, and passes where 0 passes.
template <class T>
bool CGUIBaseDlg::InRange(T value, T minimum, T maximum, EDlgValidation minMode, EDlgValidation maxMode) {
    if (minMode != eNoValidation && maxMode != eNoValidation && minimum > maximum)
        return false;
    if constexpr (std::is_floating_point_v<T>)
        if (std::fpclassify(value) == FP_SUBNORMAL)
            value = 0;
    const bool low =
        (minMode == eInclusive && value < minimum) || (minMode == eExclusive && value <= minimum);
    const bool high =
        (maxMode == eInclusive && value > maximum) || (maxMode == eExclusive && value >= maximum);
    return !low && !high;
}

template <class T>
void CGUIBaseDlg::CheckRange(CDataExchange* pDX, UINT id, T value, T minimum, T maximum,
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
void CGUIBaseDlg::DDV_MinMax(CDataExchange* pDX, UINT id, const CGUIData<T>& holder, T minimum, T maximum,
                             EDlgValidation minMode, EDlgValidation maxMode) {
    const bool marked = (holder.GetSecond() == 1 || holder.GetSecond() == 2) && holder.IsDefault();
    CheckRange(pDX, id, holder.GetValue(), minimum, maximum, minMode, maxMode, marked ? 1 : 0);
}

template <class T>
void CGUIBaseDlg::DDX_OptionalRange(CDataExchange* pDX, UINT id, CGUIData<T>& holder, const CGUIData<T>& none,
                                    std::type_identity_t<T> minimum, std::type_identity_t<T> maximum,
                                    EDlgValidation minMode, EDlgValidation maxMode) {
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
