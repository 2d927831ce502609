#include "TvkBaseGui/CGUIBaseDlg.h"

#include <algorithm>
#include <charconv>

#include "Platform/Windowing.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

IDialogDriver* g_driver = nullptr;

std::string Id(UINT id) {
    return std::to_string(id);
}

}  // namespace

void InstallDialogDriver(IDialogDriver* driver) {
    g_driver = driver;
}
IDialogDriver* GetDialogDriver() {
    return g_driver;
}

void CDataExchange::Fail(UINT control) {
    throw CDataExchangeFailure{control};
}

void CDataExchange::Undo() {
    for (auto it = m_undo.rbegin(); it != m_undo.rend(); ++it)
        (*it)();
    m_undo.clear();
}

CGUIBaseDlg::CGUIBaseDlg(UINT templateId, CGUIBaseDlg* parent)
    : m_nTemplateID(templateId), m_pParent(parent) {}

void CGUIBaseDlg::SetDlgCaptionID(UINT captionId) {
    m_nCaptionID = captionId;
    if (CGUIBaseObj* record = GetData())
        record->SetDialogID(captionId);
}

CString CGUIBaseDlg::GetDlgCaption() const {
    if (!m_strMenuCaption.IsEmpty())
        return m_strMenuCaption;
    if (m_nCaptionID != 0) {
        const CString text = GetString(m_nCaptionID);
        if (!text.IsEmpty())
            return text;
    }
    if (const DialogTemplate* t = ResourceTables::Get().FindTemplate(m_nTemplateID))
        return t->caption;
    return {};
}

void CGUIBaseDlg::ReportAssertion(long line) {
    CTvkAssertDlg(L"GUIBaseDlg.cpp", line).DoPrint();
}

void CGUIBaseDlg::CreateWindowFromTemplate() {
    if (m_bWindow)
        return;
    m_bWindow = true;
    const DialogTemplate* t = ResourceTables::Get().FindTemplate(m_nTemplateID);
    if (!t) {
        ReportAssertion(__LINE__);
        return;
    }
    for (const auto& c : t->controls) {
        ControlKind kind;
        if (!ParseControlKind(c.kind, kind)) {
            ReportAssertion(__LINE__);
            continue;
        }
        if (kind == ControlKind::List)
            m_controls[c.id] = std::make_unique<CGUIListCtrl>(c.id, c.text);
        else
            m_controls[c.id] = std::make_unique<CTKCtrl>(c.id, kind, c.text);
    }
}

CTKCtrl& CGUIBaseDlg::AddRuntimeCtrl(UINT id, ControlKind kind, const CString& text) {
    auto& slot = m_controls[id];
    slot = kind == ControlKind::List ? std::make_unique<CGUIListCtrl>(id, text)
                                     : std::make_unique<CTKCtrl>(id, kind, text);
    return *slot;
}

int CGUIBaseDlg::DoModal() {
    m_bEnded = false;
    m_nResult = 0;
    CreateWindowFromTemplate();
    OnInitDialog();
    UpdateDependentWindows();
    if (IDialogDriver* driver = GetDialogDriver()) {
        const int result = driver->Run(*this);
        if (!m_bEnded)
            EndDialog(result);
    } else if (!OnOK()) {
        EndDialog(IDCANCEL);
    }
    return m_nResult;
}

BOOL CGUIBaseDlg::OnInitDialog() {
    GetAll();
    UpdateData(0);
    InitializeListCtrl();
    AddToolTips();
    return 1;
}

void CGUIBaseDlg::InitializeListCtrl() {
    int header = 0;
    bool first = true;
    for (const auto& [id, ctrl] : m_controls) {
        if (ctrl->GetKind() != ControlKind::List)
            continue;
        auto& list = static_cast<CGUIListCtrl&>(*ctrl);
        const bool isSource = FindPairBySource(id) != nullptr || (first && m_listPairs.empty());
        first = false;
        if (isSource)
            header = std::max(header, CalculateHeaderSize(list.GetItems()));
    }
    for (const auto& [id, ctrl] : m_controls)
        if (ctrl->GetKind() == ControlKind::List)
            static_cast<CGUIListCtrl&>(*ctrl).InitializeInDlg(nullptr, FindPairBySource(id) ? 1 : 0, 0,
                                                              header);
}

int CGUIBaseDlg::CalculateHeaderSize(const CVariableList& variables) {
    int width = 0;
    for (const auto& v : variables)
        width = std::max(width, v.GetVariableName().GetLength());
    return width;
}

BOOL CGUIBaseDlg::UpdateData(BOOL save) {
    if (!m_bWindow)
        return 1;  // no controls to exchange with
    CDataExchange dx(this, save);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchangeFailure& failure) {
        dx.Undo();
        m_nFocusCtrl = failure.control;
        return 0;
    }
    return 1;
}

bool CGUIBaseDlg::OnOK() {
    if (!TKUpdateData(1))
        return false;
    SetAll();
    EndDialog(IDOK);
    return true;
}

BOOL CGUIBaseDlg::OKLike() {
    if (!m_bWindow)
        return 1;
    if (!TKUpdateData(1))
        return 0;
    SetAll();
    return 1;
}

BOOL CGUIBaseDlg::InitDialogLike() {
    if (!m_bWindow)
        return 1;
    GetAll();
    UpdateData(0);
    UpdateDependentWindows();
    return 1;
}

void CGUIBaseDlg::EndDialog(int result) {
    m_nResult = result;
    m_bEnded = true;
}

void CGUIBaseDlg::OnReset() {
    GetAllDefault();
    UpdateData(0);
    for (const auto& [id, ctrl] : m_controls)
        if (ctrl->IsEdit())
            ctrl->m_color = kColorWhite;
}

void CGUIBaseDlg::ResetListToFirstSource(UINT target, const CVariableList& source) {
    CGUIListCtrl& list = ListCtrl(target);
    list.ResetOptions();
    list.RemoveAllItems();
    if (!source.IsEmpty())
        list.AddItem(source.GetAt(0));
}

void CGUIBaseDlg::UpdateDependentWindows() {
    UpdateListButtons();
    if (m_nSaveCheck)
        EnableCtrl(m_nSaveEdit, IsCtrlChecked(m_nSaveCheck));
}

void CGUIBaseDlg::UpdateListButtons() {
    for (const auto& pair : m_listPairs) {
        if (pair.addButton && FindCtrl(pair.addButton))
            EnableCtrl(pair.addButton, EnableSourceToTarget(pair.source, pair.target, -1));
        if (pair.removeButton && FindCtrl(pair.removeButton))
            EnableCtrl(pair.removeButton, EnableSourceToTarget(pair.target, pair.source, -1));
    }
}

void CGUIBaseDlg::OnCtrlChanged(UINT id) {
    if (id == m_nSaveEdit && m_nSaveEdit)
        AddToolTip(id, GetCtrlWindowText(id), 0);
}

void CGUIBaseDlg::OnCtrlClicked(UINT id) {
    UpdateDependentWindows();
}

void CGUIBaseDlg::SetSaveFilePair(UINT check, UINT edit) {
    m_nSaveCheck = check;
    m_nSaveEdit = edit;
}

// ---- lists --------------------------------------------------------------------------------------------

const CListPair* CGUIBaseDlg::FindPairBySource(UINT source) const {
    for (const auto& p : m_listPairs)
        if (p.source == source)
            return &p;
    return nullptr;
}

const CListPair* CGUIBaseDlg::FindPairByTarget(UINT target) const {
    for (const auto& p : m_listPairs)
        if (p.target == target)
            return &p;
    return nullptr;
}

bool CGUIBaseDlg::EnableSourceToTarget(UINT source, UINT target, int button) const {
    const auto* from = dynamic_cast<const CGUIListCtrl*>(FindCtrl(source));
    const auto* to = dynamic_cast<const CGUIListCtrl*>(FindCtrl(target));
    if (!from || !to || !from->m_bEnabled || !to->m_bEnabled || from->GetState() == 1 ||
        from->GetState() == 2)
        return false;
    if (button > 0)
        if (const CTKCtrl* b = FindCtrl(static_cast<UINT>(button)); b && !b->m_bEnabled)
            return false;
    if (!from->HasSelection())
        return false;
    if (!from->IsSourceList())
        return true;
    // From the data's variables: possible when a selected variable of a type the target takes is not
    // in the target yet.
    const CListPair* pair = FindPairBySource(source);
    const int filter = pair ? pair->typeFilter : kVariableTypeAny;
    std::vector<const CGUIDataVariable*> candidates;
    candidates.reserve(from->GetSelection().size());
    for (int i : from->GetSelection()) {
        const auto& v = from->GetItems()[i];
        if (filter == kVariableTypeAny || v.GetVariableType() == filter)
            candidates.push_back(&v);
    }
    return !to->ContainsAll(candidates);
}

void CGUIBaseDlg::MoveSourceToTarget(UINT from, UINT to, int removeFromSource, int selectMoved, int,
                                     int typeFilter) {
    CGUIListCtrl& src = ListCtrl(from);
    CGUIListCtrl& dst = ListCtrl(to);
    std::vector<const CGUIDataVariable*> moving;
    std::vector<int> moved;
    moving.reserve(src.GetSelection().size());
    for (int i : src.GetSelection()) {
        const auto& v = src.GetItems()[i];
        if (typeFilter == kVariableTypeAny || v.GetVariableType() == typeFilter) {
            moving.push_back(&v);
            moved.push_back(i);
        }
    }
    if (moving.empty())
        return;
    const int firstNew = dst.GetItemCount();
    // The target keeps a copy before the source may drop its items.
    if (!dst.IsSourceList() || !removeFromSource)
        dst.AppendNew(moving);
    if (selectMoved) {
        std::vector<int> selection(static_cast<std::size_t>(dst.GetItemCount() - firstNew));
        for (std::size_t k = 0; k < selection.size(); ++k)
            selection[k] = firstNew + static_cast<int>(k);
        dst.SetSelection(std::move(selection));
    }
    if (removeFromSource)
        src.RemoveItems(moved);
}

void CGUIBaseDlg::MoveSourceListToTargetListOnDblClk(UINT list) {
    const CListPair* pair = FindPairBySource(list);
    if (pair) {
        if (!IsCtrlEnabled(pair->addButton) || !EnableSourceToTarget(pair->source, pair->target, -1))
            return;
        MoveSourceToTarget(pair->source, pair->target, 0, 1, 0, pair->typeFilter);
    } else if ((pair = FindPairByTarget(list))) {
        if (!IsCtrlEnabled(pair->removeButton) || !EnableSourceToTarget(pair->target, pair->source, -1))
            return;
        MoveSourceToTarget(pair->target, pair->source, 1, 1, 0, kVariableTypeAny);
    } else {
        return;
    }
    UpdateDependentWindows();
}

BOOL CGUIBaseDlg::OnAddTarget(UINT list) {
    const CListPair* pair = FindPairBySource(list);
    if (pair && OnUpdateAddTarget(list)) {
        MoveSourceToTarget(pair->source, pair->target, 0, 1, 0, pair->typeFilter);
        UpdateDependentWindows();
    }
    return 1;
}

BOOL CGUIBaseDlg::OnUpdateAddTarget(UINT list) {
    const CListPair* pair = FindPairBySource(list);
    return pair && EnableSourceToTarget(pair->source, pair->target, static_cast<int>(pair->addButton)) ? 1
                                                                                                       : 0;
}

void CGUIBaseDlg::OnBegindrag(UINT list) {
    ListCtrl(list).SetState(1);
}

bool CGUIBaseDlg::MouseMoveListCtrlHelper(UINT from, UINT over) {
    if (const CListPair* pair = FindPairBySource(from)) {
        // The source list is in its drag state now; ask as if it were not.
        CGUIListCtrl& src = ListCtrl(from);
        const int state = src.GetState();
        src.SetState(0);
        const bool possible = over == pair->target && EnableSourceToTarget(from, over, -1);
        src.SetState(state);
        return possible;
    }
    if (const CListPair* pair = FindPairByTarget(from))
        return over != pair->target && ListCtrl(from).HasSelection();
    return false;
}

void CGUIBaseDlg::LButtonUpListCtrlHelper(UINT from, UINT over) {
    const bool possible = MouseMoveListCtrlHelper(from, over);
    ListCtrl(from).SetState(0);
    if (!possible)
        return;
    if (const CListPair* pair = FindPairBySource(from))
        MoveSourceToTarget(pair->source, pair->target, 0, 1, 0, pair->typeFilter);
    else if (const CListPair* target = FindPairByTarget(from))
        MoveSourceToTarget(target->target, target->source, 1, 1, 0, kVariableTypeAny);
    UpdateDependentWindows();
}

void CGUIBaseDlg::CreateListCtrlMenu(UINT list, UINT labelControl) {
    m_listMenuLabels[list] = labelControl;
}

CString CGUIBaseDlg::GetListMenuText(UINT list) const {
    auto it = m_listMenuLabels.find(list);
    return it == m_listMenuLabels.end() ? CString() : GetCtrlWindowText(it->second);
}

bool CGUIBaseDlg::IsStringVariablePresent(UINT list) const {
    const CGUIListCtrl& l = ListCtrl(list);
    for (int i : l.GetSelection())
        if (l.GetItems()[i].GetVariableType() == kVariableTypeString)
            return true;
    return false;
}

// ---- controls -----------------------------------------------------------------------------------------

CTKCtrl* CGUIBaseDlg::FindCtrl(UINT id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second.get();
}

CTKCtrl& CGUIBaseDlg::Ctrl(UINT id) const {
    CTKCtrl* c = FindCtrl(id);
    if (!c)
        throw std::invalid_argument("dialog " + Id(m_nTemplateID) + " has no control " + Id(id));
    return *c;
}

CGUIListCtrl& CGUIBaseDlg::ListCtrl(UINT id) const {
    auto* list = dynamic_cast<CGUIListCtrl*>(&Ctrl(id));
    if (!list)
        throw std::invalid_argument("control " + Id(id) + " is not a list");
    return *list;
}

std::vector<UINT> CGUIBaseDlg::GetCtrlIDs() const {
    std::vector<UINT> ids;
    for (const auto& [id, c] : m_controls)
        ids.push_back(id);
    return ids;
}

void CGUIBaseDlg::EnableCtrl(UINT id, BOOL enable, int) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_bEnabled = enable != 0;
}

void CGUIBaseDlg::ShowCtrlWindow(UINT id, BOOL show) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_bVisible = show != 0;
}

BOOL CGUIBaseDlg::IsCtrlEnabled(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c && c->m_bEnabled ? 1 : 0;
}

BOOL CGUIBaseDlg::IsCtrlVisible(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c && c->m_bVisible ? 1 : 0;
}

BOOL CGUIBaseDlg::IsCtrlChecked(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c && c->m_nChecked ? 1 : 0;
}

void CGUIBaseDlg::SetCtrlChecked(UINT id, BOOL check) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_nChecked = check ? 1 : 0;
}

CString CGUIBaseDlg::GetCtrlWindowText(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c ? c->m_strText : CString();
}

void CGUIBaseDlg::SetCtrlWindowText(UINT id, const CString& text) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_strText = text;
}

void CGUIBaseDlg::AddToolTip(UINT id, const CString& text, int) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_strToolTip = text;
}

CString CGUIBaseDlg::GetToolTip(UINT id) const {
    const CTKCtrl* c = FindCtrl(id);
    return c ? c->m_strToolTip : CString();
}

void CGUIBaseDlg::ChangeColor(UINT id, COLORREF color) {
    if (CTKCtrl* c = FindCtrl(id))
        c->m_color = color;
}

void CGUIBaseDlg::FillComboFromResource(UINT combo, UINT comboResource) {
    CTKCtrl& c = Ctrl(combo);
    c.m_comboItems.clear();
    for (int i = 0; i < CComboUtil::GetComboCount(comboResource); ++i)
        c.m_comboItems.push_back(CComboUtil::GetComboString(comboResource, i));
}

void CGUIBaseDlg::FillRadioFromResource(UINT radioGroup) {
    for (int i = 0; i < CRadioUtil::GetRadioCount(radioGroup); ++i) {
        const CString text = CRadioUtil::GetRadioString(radioGroup, i);
        if (!text.IsEmpty())
            SetCtrlWindowText(CRadioUtil::GetRadioControl(radioGroup, i), text);
    }
}

void CGUIBaseDlg::SendStatusBarText(const CString& text) {
    IGlobal* global = GetHostGlobal();
    if (IMainFrame* frame = global ? global->GetMainFrame() : nullptr) {
        RegisterWindowMessage(L"UpdateStatusBar");
        frame->SendRegisteredMessage(L"UpdateStatusBar", text, 0);
    }
}

// ---- exchange -------------------------------------------------------------------------------------------

std::optional<double> CGUIBaseDlg::ParseDouble(const CString& text) {
    std::string s = CString(text).Trim().ToUtf8();
    if (GetDecimalSymbol() == L',')
        std::replace(s.begin(), s.end(), ',', '.');
    if (s.empty())
        return std::nullopt;
    if (s.front() == '+')
        s.erase(0, 1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
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
        c.m_strText = text;
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
        c.m_strText = file;
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

void CGUIBaseDlg::DDX_ControlWarn(CDataExchange* pDX, UINT id, UINT message) {
    if (!pDX->m_bSaveAndValidate || message == 0 || !IsCtrlEnabled(id))
        return;
    TKWarning(GetString(message));
}

void CGUIBaseDlg::DDV_MinMaxInt(CDataExchange* pDX, UINT id, const CGUIData<int>& holder, int minimum,
                                int maximum, EDlgValidation minMode, EDlgValidation maxMode) {
    const bool marked = (holder.GetSecond() == 1 || holder.GetSecond() == 2) && holder.IsDefault();
    CheckRange(pDX, id, holder.GetValue(), minimum, maximum, minMode, maxMode, marked ? 1 : 0);
}

void CGUIBaseDlg::DDV_MinMaxDouble(CDataExchange* pDX, UINT id, const CGUIData<double>& holder,
                                   double minimum, double maximum, EDlgValidation minMode,
                                   EDlgValidation maxMode) {
    const bool marked = (holder.GetSecond() == 1 || holder.GetSecond() == 2) && holder.IsDefault();
    CheckRange(pDX, id, holder.GetValue(), minimum, maximum, minMode, maxMode, marked ? 1 : 0);
}

// ---- user actions -------------------------------------------------------------------------------------

namespace {

bool Usable(const CTKCtrl& c) {
    return c.m_bEnabled && c.m_bVisible;
}

void RequireKind(const CTKCtrl& c, bool ok, const char* what) {
    if (!ok)
        throw std::invalid_argument("control " + Id(c.GetID()) + " (" + ControlKindName(c.GetKind()) +
                                    ") is not " + what);
}

std::vector<int> IndexesOf(const CGUIListCtrl& list, const std::vector<CString>& names) {
    std::vector<int> out;
    for (const auto& n : names) {
        const int i = list.FindItem(n);
        if (i < 0)
            throw std::invalid_argument("list " + Id(list.GetID()) + " has no item '" + n.ToUtf8() + "'");
        out.push_back(i);
    }
    return out;
}

}  // namespace

void CGUIBaseDlg::UserTypeText(UINT id, const CString& text) {
    CTKCtrl& c = Ctrl(id);
    RequireKind(c, c.IsEdit(), "an edit");
    if (!Usable(c))
        return;
    c.m_strText = text;
    OnCtrlChanged(id);
}

void CGUIBaseDlg::UserCheck(UINT id, int checked) {
    CTKCtrl& c = Ctrl(id);
    RequireKind(c, c.GetKind() == ControlKind::Check, "a check box");
    if (!Usable(c) || (c.m_nChecked != 0) == (checked != 0))
        return;
    c.m_nChecked = checked ? 1 : 0;
    OnCtrlClicked(id);
}

void CGUIBaseDlg::UserRadio(UINT id) {
    CTKCtrl& c = Ctrl(id);
    RequireKind(c, c.GetKind() == ControlKind::Radio, "a radio button");
    if (!Usable(c))
        return;
    // The other buttons of its group go off.
    for (UINT group : m_radioGroups) {
        const int count = CRadioUtil::GetRadioCount(group);
        bool member = false;
        for (int i = 0; i < count; ++i)
            member = member || CRadioUtil::GetRadioControl(group, i) == id;
        if (member)
            for (int i = 0; i < count; ++i)
                SetCtrlChecked(CRadioUtil::GetRadioControl(group, i), 0);
    }
    c.m_nChecked = 1;
    OnCtrlClicked(id);
}

void CGUIBaseDlg::UserCombo(UINT id, int index) {
    CTKCtrl& c = Ctrl(id);
    RequireKind(c, c.GetKind() == ControlKind::Combo, "a combo box");
    if (index < 0 || index >= static_cast<int>(c.m_comboItems.size()))
        throw std::invalid_argument("combo " + Id(id) + " has no item " + std::to_string(index));
    if (!Usable(c))
        return;
    c.m_nComboIndex = index;
    OnCtrlChanged(id);
}

void CGUIBaseDlg::UserSelect(UINT list, const std::vector<CString>& names) {
    CGUIListCtrl& l = ListCtrl(list);
    auto indexes = IndexesOf(l, names);
    if (!Usable(l))
        return;
    l.SetSelection(std::move(indexes));
    OnListSelChanged(list);
}

void CGUIBaseDlg::UserSelectAll(UINT list) {
    CGUIListCtrl& l = ListCtrl(list);
    if (!Usable(l))
        return;
    l.SelectAll();
    OnListSelChanged(list);
}

void CGUIBaseDlg::UserClick(UINT id) {
    if (m_pParent && (id == IDOK || id == IDCANCEL || id == IDC_RESET) && !FindCtrl(id)) {
        m_pParent->UserClick(id);
        return;
    }
    CTKCtrl& c = Ctrl(id);
    if (!Usable(c))
        return;
    if (c.GetKind() == ControlKind::Check) {
        c.m_nChecked = c.m_nChecked ? 0 : 1;
        OnCtrlClicked(id);
        return;
    }
    if (c.GetKind() == ControlKind::Radio) {
        UserRadio(id);
        return;
    }
    RequireKind(c, c.GetKind() == ControlKind::Button, "a button");
    if (id == IDOK) {
        OnOK();
        return;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return;
    }
    if (id == IDC_RESET) {
        OnReset();
        UpdateDependentWindows();
        return;
    }
    for (const auto& pair : m_listPairs) {
        if (id == pair.addButton) {
            MoveSourceToTarget(pair.source, pair.target, 0, 1, 0, pair.typeFilter);
            UpdateDependentWindows();
            return;
        }
        if (id == pair.removeButton) {
            MoveSourceToTarget(pair.target, pair.source, 1, 1, 0, kVariableTypeAny);
            UpdateDependentWindows();
            return;
        }
    }
    OnCtrlClicked(id);
}

void CGUIBaseDlg::UserDblClick(UINT list, const CString& name) {
    CGUIListCtrl& l = ListCtrl(list);
    auto indexes = IndexesOf(l, {name});
    if (!Usable(l))
        return;
    // The first click of a double-click selects the item, and the dialog hears of it (the add button
    // follows the selection) before the double-click arrives.
    l.SetSelection(std::move(indexes));
    OnListSelChanged(list);
    MoveSourceListToTargetListOnDblClk(list);
}

void CGUIBaseDlg::UserDrag(UINT from, const std::vector<CString>& names, UINT to) {
    CGUIListCtrl& l = ListCtrl(from);
    if (to != 0)
        ListCtrl(to);
    auto indexes = IndexesOf(l, names);
    if (!Usable(l))
        return;
    l.SetSelection(std::move(indexes));
    OnBegindrag(from);
    LButtonUpListCtrlHelper(from, to);
}

void CGUIBaseDlg::UserContext(UINT list, UINT command) {
    ListCtrl(list);
    if (command != ID_LIST_ADD_TARGET || m_listMenuLabels.find(list) == m_listMenuLabels.end())
        throw std::invalid_argument("list " + Id(list) + " has no context command " + Id(command));
    OnAddTarget(list);
}

void CGUIBaseDlg::UserShowPage(int page) {
    throw std::invalid_argument("dialog " + Id(m_nTemplateID) + " has no tab pages");
}
