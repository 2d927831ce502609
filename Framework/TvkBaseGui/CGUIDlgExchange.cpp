// The exchange between a dialog's copies and its controls.
#include "TvkBaseGui/CGUIDlgExchange.h"

#include <algorithm>
#include <string>
#include <vector>

#include "TvkBaseGui/CBaseGui.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/ResourceTables.h"

BOOL CGUIDlgExchange::UpdateData(BOOL save) {
    if (!HasWindow())
        return 1;  // no controls to exchange with
    CDataExchange dx(this, save);
    m_droppedVariables.clear();
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchangeFailure& failure) {
        dx.Undo();
        m_nFocusCtrl = failure.control;
        return 0;
    }
    if (!m_droppedVariables.empty()) {
        // Short enough for a status bar: the count, and the first few names.
        constexpr std::size_t kNamesShown = 5;
        const std::size_t count = m_droppedVariables.size();
        CString text = L"Dropped " + CString(std::to_wstring(count)) +
                       (count == 1 ? L" variable" : L" variables") + L" the data does not have: ";
        for (std::size_t i = 0; i < count && i < kNamesShown; ++i)
            text += (i ? L", " : L"") + m_droppedVariables[i];
        if (count > kNamesShown)
            text += L", ...";
        SendStatusBarText(text);
    }
    return 1;
}

void CGUIDlgExchange::DoDataExchange(CDataExchange* pDX) {
    std::vector<UINT> exchanged;
    const auto exchange = [&](const CListPair& pair) {
        if (std::find(exchanged.begin(), exchanged.end(), pair.source) == exchanged.end()) {
            exchanged.push_back(pair.source);
            DDX_ListCtrlArray(pDX, pair.source, *pair.sourceVariables);
        }
        DDX_ListCtrlArray(pDX, pair.target, *pair.targetVariables, pair.tooFewMessage, pair.minimum);
        if (pair.tooManyMessage && pDX->m_bSaveAndValidate && IsCtrlEnabled(pair.target) &&
            ListCtrl(pair.target).GetItemCount() > pair.maximum) {
            TKMessageBox(GetString(pair.tooManyMessage));
            pDX->Fail(pair.target);
        }
    };
    for (const bool first : {true, false})
        for (const auto& pair : GetListPairs())
            if (pair.targetVariables && pair.exchangedFirst == first)
                exchange(pair);
    if (m_pSaveFile) {
        DDX_SaveFile(pDX, m_nSaveEdit, *m_pSaveFile);
        DDX_Check(pDX, m_nSaveCheck, *m_pSaveChecked);
    }
}

void CGUIDlgExchange::SetSaveFilePair(UINT check, UINT edit) {
    m_nSaveCheck = check;
    m_nSaveEdit = edit;
}

void CGUIDlgExchange::SetSaveFilePair(UINT check, int& checkedCopy, UINT edit, CString& fileCopy) {
    SetSaveFilePair(check, edit);
    m_pSaveChecked = &checkedCopy;
    m_pSaveFile = &fileCopy;
}

void CGUIDlgExchange::PutText(CTKCtrl& ctrl, const CString& text) {
    ctrl.m_strText = text;
    if (m_nSaveEdit && ctrl.GetID() == m_nSaveEdit)
        ctrl.m_strToolTip = text;
}

void CGUIDlgExchange::UpdateDependentWindows() {
    CGUIDlgLists::UpdateDependentWindows();
    if (m_nSaveCheck)
        EnableCtrl(m_nSaveEdit, IsCtrlChecked(m_nSaveCheck));
    ApplyTemplateRules();
}

void CGUIDlgExchange::DiscardExchangedWindow() {
    DiscardWindow();
    m_droppedVariables.clear();
    m_nFocusCtrl = 0;
}

void CGUIDlgExchange::DDX_Text(CDataExchange* pDX, UINT id, CString& text, int, int, int, int) {
    CTKCtrl& c = Ctrl(id);
    if (pDX->m_bSaveAndValidate) {
        pDX->Remember(text);
        text = c.m_strText;
    } else {
        ShowText(c, text);
    }
}

void CGUIDlgExchange::DDX_Text(CDataExchange* pDX, UINT id, int& value) {
    CGUIData<int> holder(value);
    // The holder is this function's own: only `value` is the caller's to put back on failure.
    CDataExchange local(pDX->m_pDlgWnd, pDX->m_bSaveAndValidate);
    DDX_STText(&local, id, holder);
    pDX->Remember(value);
    value = holder.GetValue();
}

void CGUIDlgExchange::DDX_Text(CDataExchange* pDX, UINT id, double& value) {
    // A plain number keeps no default mark: it is shown as a value the user gave, in full.
    CGUIData<double> holder(value);
    holder.SetDefault(0);
    // The holder is this function's own: only `value` is the caller's to put back on failure.
    CDataExchange local(pDX->m_pDlgWnd, pDX->m_bSaveAndValidate);
    DDX_STText(&local, id, holder);
    pDX->Remember(value);
    value = holder.GetValue();
}

void CGUIDlgExchange::DDX_FileEditCtrl(CDataExchange* pDX, UINT id, CString& file, int, int, int,
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

void CGUIDlgExchange::DDX_Check(CDataExchange* pDX, UINT id, int& value) {
    CTKCtrl& c = Ctrl(id);
    if (pDX->m_bSaveAndValidate) {
        pDX->Remember(value);
        value = c.m_nChecked ? 1 : 0;
    } else {
        c.m_nChecked = value ? 1 : 0;
    }
}

void CGUIDlgExchange::DDX_Radio(CDataExchange* pDX, UINT group, int& index) {
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

void CGUIDlgExchange::DDX_CBIndex(CDataExchange* pDX, UINT id, int& index) {
    CTKCtrl& c = Ctrl(id);
    if (pDX->m_bSaveAndValidate) {
        pDX->Remember(index);
        index = c.m_nComboIndex;
    } else {
        c.m_nComboIndex = index >= 0 && index < static_cast<int>(c.m_comboItems.size()) ? index : -1;
    }
}

void CGUIDlgExchange::DDX_ListCtrlArray(CDataExchange* pDX, UINT id, CVariableList& list, UINT message,
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

void CGUIDlgExchange::DropVariablesTheDataLacks(CVariableList& list) {
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

void CGUIDlgExchange::DDV_DistinctVariables(CDataExchange* pDX, std::initializer_list<UINT> lists) {
    if (!pDX->m_bSaveAndValidate)
        return;
    // Each list against those before it, through their name indexes: a million names hashed into one
    // map of nodes cost more than the launch itself.
    std::vector<UINT> earlier;
    for (UINT id : lists) {
        if (!IsCtrlEnabled(id))
            continue;
        const CVariableList& items = ListCtrl(id).GetItems();
        int first = -1;
        UINT owner = 0;
        for (UINT other : earlier)
            if (const int k = ListCtrl(other).FirstShared(items); k >= 0 && (first < 0 || k < first)) {
                first = k;
                owner = other;
            }
        if (first >= 0) {
            const CString& name = items.Items()[static_cast<std::size_t>(first)].GetVariableName();
            TKMessageBox(L"\"" + name + L"\" is in both \"" + GetCtrlWindowText(owner) + L"\" and \"" +
                         GetCtrlWindowText(id) + L"\": a variable can take only one role.");
            pDX->Fail(id);
        }
        earlier.push_back(id);
    }
}

void CGUIDlgExchange::DDX_ControlWarn(CDataExchange* pDX, UINT id, UINT message) {
    if (!pDX->m_bSaveAndValidate || message == 0 || !IsCtrlEnabled(id))
        return;
    TKWarning(GetString(message));
}

void CGUIDlgExchange::RefuseValue(CDataExchange* pDX, UINT id, const CString& message) {
    if (IsColoredValidation()) {
        ChangeColor(id, kColorInvalid);
        SendStatusBarText(message);
    } else {
        TKMessageBox(message);
    }
    pDX->Fail(id);
}

void CDataExchange::Fail(UINT control) {
    throw CDataExchangeFailure{control};
}

void CDataExchange::Undo() {
    for (auto it = m_undo.rbegin(); it != m_undo.rend(); ++it)
        (*it)();
    m_undo.clear();
}
