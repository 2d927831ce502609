// The dialog base: the exchange between members and controls, and the range checks.
#include "TvkBaseGui/CGUIBaseDlg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

#include "Platform/Windowing.h"
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

std::optional<unsigned int> CGUIBaseDlg::ParseUnsigned(const CString& text) {
    std::string s = CString(text).Trim().ToUtf8();
    if (!s.empty() && s.front() == '+')
        s.erase(0, 1);
    unsigned int value = 0;
    // from_chars takes no sign for an unsigned type: "-1" fails rather than wrapping round.
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<std::vector<double>> CGUIBaseDlg::ParseNumberList(const CString& text) {
    std::vector<double> values;
    std::wistringstream in{std::wstring(text.str())};
    for (std::wstring word; in >> word;) {
        const auto value = ParseDouble(CString(word));
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

void CGUIBaseDlg::CheckNumberText(CDataExchange* pDX, UINT id, const CString& text, double minimum,
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
    std::unordered_set<std::wstring_view> names;
    names.reserve(data->GetVariables().size());
    for (const auto& v : data->GetVariables())
        names.insert(v.name.str());
    CVariableList kept;
    for (const auto& v : list) {
        if (names.count(v.GetVariableName().str()))
            kept.Add(v);
        else
            m_droppedVariables.push_back(v.GetVariableName()), ++m_nDroppedEver;
    }
    if (kept.GetSize() != list.GetSize())
        list = std::move(kept);
}

void CGUIBaseDlg::DropVariablesTheDataLacksUnshown() {
    if (m_bWindow)
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

void CGUIBaseDlg::DDV_DistinctVariables(CDataExchange* pDX, std::initializer_list<UINT> lists) {
    if (!pDX->m_bSaveAndValidate)
        return;
    std::unordered_map<std::wstring_view, UINT> owner;
    for (UINT id : lists) {
        if (!IsCtrlEnabled(id))
            continue;
        for (const auto& v : ListCtrl(id).GetItems()) {
            const auto [it, added] = owner.emplace(v.GetVariableName().str(), id);
            if (added || it->second == id)
                continue;
            TKMessageBox(L"\"" + v.GetVariableName() + L"\" is in both \"" + GetCtrlWindowText(it->second) +
                         L"\" and \"" + GetCtrlWindowText(id) + L"\": a variable can take only one role.");
            pDX->Fail(id);
        }
    }
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
