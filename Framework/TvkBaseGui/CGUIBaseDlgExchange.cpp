// The dialog base: the exchange between members and controls, and the range checks.
#include "TvkBaseGui/CGUIBaseDlg.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "Platform/Windowing.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"
#include "TvkUseRes/ResourceTables.h"

std::optional<double> CGUIBaseDlg::ParseDouble(const CString& text) {
    return ParseDouble(text, GetDecimalSymbol());
}

std::optional<double> CGUIBaseDlg::ParseDouble(const CString& text, wchar_t decimal) {
    std::string s = CString(text).Trim().ToUtf8();
    if (decimal == L',')
        std::replace(s.begin(), s.end(), ',', '.');
    if (s.empty())
        return std::nullopt;
    if (s.front() == '+')
        s.erase(0, 1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    // "nan" and "inf" parse, but no range check can judge them.
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> CGUIBaseDlg::ParseInt(const CString& text, bool allowMinus) {
    std::string s = CString(text).Trim().ToUtf8();
    if (s.empty() || (!allowMinus && s.front() == '-'))
        return std::nullopt;
    if (s.front() == '+')
        s.erase(0, 1);
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

void CGUIBaseDlg::DDX_Text(CDataExchange* pDX, UINT id, CString& text, int, int, int, int) {
    CTKCtrl& c = Ctrl(id);
    if (pDX->m_bSaveAndValidate) {
        pDX->Remember(text);
        text = c.m_strText;
    } else {
        ShowText(c, text);
    }
}

void CGUIBaseDlg::DDX_Text(CDataExchange* pDX, UINT id, int& value) {
    CGUIData<int> holder(value);
    // The holder is this function's own: only `value` is the caller's to put back on failure.
    CDataExchange local(pDX->m_pDlgWnd, pDX->m_bSaveAndValidate);
    DDX_STText(&local, id, holder);
    pDX->Remember(value);
    value = holder.GetValue();
}

void CGUIBaseDlg::DDX_Text(CDataExchange* pDX, UINT id, double& value) {
    CGUIData<double> holder(value);
    // The holder is this function's own: only `value` is the caller's to put back on failure.
    CDataExchange local(pDX->m_pDlgWnd, pDX->m_bSaveAndValidate);
    DDX_STText(&local, id, holder);
    pDX->Remember(value);
    value = holder.GetValue();
}

void CGUIBaseDlg::DDX_FileEditCtrl(CDataExchange* pDX, UINT id, CString& file, int, int, int,
                                   const CString& extension, const CString&, int) {
    CTKCtrl& c = Ctrl(id);
    if (!pDX->m_bSaveAndValidate) {
        ShowText(c, file);
        return;
    }
    // A name without an extension gets the procedure's.
    CString name = c.m_strText;
    name.Trim();
    const int slash = std::max(name.ReverseFind(L'/'), name.ReverseFind(L'\\'));
    if (!name.IsEmpty() && name.Find(L'.', slash + 1) < 0)
        name += extension;
    pDX->Remember(file);
    file = name;
}

void CGUIBaseDlg::DDX_Check(CDataExchange* pDX, UINT id, int& value) {
    CTKCtrl& c = Ctrl(id);
    if (pDX->m_bSaveAndValidate) {
        pDX->Remember(value);
        value = c.m_nChecked ? 1 : 0;
    } else {
        c.m_nChecked = value ? 1 : 0;
    }
}

void CGUIBaseDlg::DDX_Radio(CDataExchange* pDX, UINT group, int& index) {
    m_radioGroups.insert(group);
    const int count = CRadioUtil::GetRadioCount(group);
    if (pDX->m_bSaveAndValidate) {
        for (int i = 0; i < count; ++i)
            if (IsCtrlChecked(CRadioUtil::GetRadioControl(group, i))) {
                pDX->Remember(index);
                index = i;
                return;
            }
        return;
    }
    for (int i = 0; i < count; ++i)
        SetCtrlChecked(CRadioUtil::GetRadioControl(group, i), i == index);
}

void CGUIBaseDlg::DDX_CBIndex(CDataExchange* pDX, UINT id, int& index) {
    CTKCtrl& c = Ctrl(id);
    if (pDX->m_bSaveAndValidate) {
        pDX->Remember(index);
        index = c.m_nComboIndex;
    } else {
        c.m_nComboIndex = index >= 0 && index < static_cast<int>(c.m_comboItems.size()) ? index : -1;
    }
}

void CGUIBaseDlg::DDX_ListCtrlArray(CDataExchange* pDX, UINT id, CVariableList& list, UINT message,
                                    int minimum, int) {
    CGUIListCtrl& c = ListCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        if (FindPairByTarget(id))
            DropVariablesTheDataLacks(list);
        c.SetItems(list);
        return;
    }
    if (message != 0 && c.m_bEnabled && c.GetItemCount() < minimum) {
        TKMessageBox(GetString(message));
        pDX->Fail(id);
    }
    // An unchanged list (the data's variables, mostly) is neither copied nor kept for undo.
    if (!(list == c.GetItems()))
        pDX->Replace(list, c.GetItems());
}

void CGUIBaseDlg::DropVariablesTheDataLacks(CVariableList& list) {
    IData* data = GetHostData();
    // Without data's variables to compare with (none loaded yet), the list is kept as it is.
    if (list.IsEmpty() || !data || data->GetVariables().empty())
        return;
    const std::vector<bool> present = CBaseGui::PresentInData(list);
    if (std::find(present.begin(), present.end(), false) == present.end())
        return;
    CVariableList kept;
    for (std::size_t i = 0; i < present.size(); ++i) {
        const CGUIDataVariable& v = list.Items()[i];
        if (present[i])
            kept.Add(v);
        else
            m_droppedVariables.push_back(v.GetVariableName()), ++m_nDroppedEver;
    }
    list = std::move(kept);
}

void CGUIBaseDlg::DropVariablesTheDataLacksUnshown() {
    // Only the target of a list pair drops variables: a page without one need not be opened.
    if (m_bWindow || m_listPairs.empty())
        return;
    const std::size_t before = m_nDroppedEver;
    CreateWindowFromTemplate();
    OnInitDialog();
    m_controls.clear();
    m_rangeRules.clear();
    m_droppedVariables.clear();
    m_nFocusCtrl = 0;
    m_bWindow = false;
    // The copies hold the record less the dropped variables until OK stores them (OKLike); Cancel
    // leaves the record as it was.
    m_bUnshownDrops = m_nDroppedEver != before;
}

void CGUIBaseDlg::DDX_ControlWarn(CDataExchange* pDX, UINT id, UINT message) {
    if (!pDX->m_bSaveAndValidate || message == 0 || !IsCtrlEnabled(id))
        return;
    TKWarning(GetString(message));
}

void CGUIBaseDlg::RefuseValue(CDataExchange* pDX, UINT id, const CString& message) {
    if (IsColoredValidation()) {
        ChangeColor(id, kColorInvalid);
        SendStatusBarText(message);
    } else {
        TKMessageBox(message);
    }
    pDX->Fail(id);
}
