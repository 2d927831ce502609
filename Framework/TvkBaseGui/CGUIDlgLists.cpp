// The list pairs of a dialog and the moves between their lists.
#include "TvkBaseGui/CGUIDlgLists.h"

#include <algorithm>

const CListPair* CGUIDlgLists::FindPairBySource(UINT source) const {
    for (const auto& p : m_listPairs)
        if (p.source == source)
            return &p;
    return nullptr;
}

const CListPair* CGUIDlgLists::FindPair(UINT source, UINT target) const {
    for (const auto& p : m_listPairs)
        if (p.source == source && p.target == target)
            return &p;
    return nullptr;
}

const CListPair* CGUIDlgLists::FindPairByTarget(UINT target) const {
    for (const auto& p : m_listPairs)
        if (p.target == target)
            return &p;
    return nullptr;
}

bool CGUIDlgLists::EnableSourceToTarget(UINT source, UINT target, int button) const {
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
    const CListPair* pair = FindPair(source, target);
    return !to->ContainsAll(from->GetItems(), from->GetSelection(),
                            pair ? pair->typeFilter : kVariableTypeAny);
}

void CGUIDlgLists::MoveSourceToTarget(UINT from, UINT to, int removeFromSource, int selectMoved, int,
                                      int typeFilter) {
    CGUIListCtrl& src = ListCtrl(from);
    CGUIListCtrl& dst = ListCtrl(to);
    // The selected items of the type asked for; of any type, the selection itself (not a copy of a
    // million positions).
    std::vector<int> typed;
    if (typeFilter != kVariableTypeAny)
        for (int i : src.GetSelection())
            if (src.GetItems()[i].GetVariableType() == typeFilter)
                typed.push_back(i);
    const std::vector<int>& moved = typeFilter == kVariableTypeAny ? src.GetSelection() : typed;
    if (moved.empty())
        return;
    const int firstNew = dst.GetItemCount();
    // The target keeps a copy before the source may drop its items.
    if (!dst.IsSourceList() || !removeFromSource)
        dst.AppendNew(src.GetItems(), moved);
    if (selectMoved)
        dst.SelectFrom(firstNew);
    if (removeFromSource)
        src.RemoveItems(moved);
}

const CListPair* CGUIDlgLists::FindDblClkPair(UINT source) const {
    for (const auto& p : m_listPairs) {
        if (p.source != source)
            continue;
        if (IsCtrlEnabled(p.addButton) && EnableSourceToTarget(p.source, p.target, -1))
            return &p;
        if (!m_bDblClkToAnyTarget)
            return nullptr;
    }
    return nullptr;
}

void CGUIDlgLists::MoveSourceListToTargetListOnDblClk(UINT list) {
    if (FindPairBySource(list)) {
        const CListPair* pair = FindDblClkPair(list);
        if (!pair)
            return;
        MoveSourceToTarget(pair->source, pair->target, 0, 1, 0, pair->typeFilter);
    } else if (const CListPair* pair = FindPairByTarget(list)) {
        if (!IsCtrlEnabled(pair->removeButton) || !EnableSourceToTarget(pair->target, pair->source, -1))
            return;
        MoveSourceToTarget(pair->target, pair->source, 1, 1, 0, kVariableTypeAny);
    } else {
        return;
    }
    UpdateDependentWindows();
}

BOOL CGUIDlgLists::OnAddTarget(UINT list) {
    const CListPair* pair = FindPairBySource(list);
    if (pair && OnUpdateAddTarget(list)) {
        MoveSourceToTarget(pair->source, pair->target, 0, 1, 0, pair->typeFilter);
        UpdateDependentWindows();
    }
    return 1;
}

BOOL CGUIDlgLists::OnUpdateAddTarget(UINT list) {
    const CListPair* pair = FindPairBySource(list);
    return pair && EnableSourceToTarget(pair->source, pair->target, static_cast<int>(pair->addButton)) ? 1
                                                                                                       : 0;
}

void CGUIDlgLists::OnBegindrag(UINT list) {
    ListCtrl(list).SetState(1);
}

bool CGUIDlgLists::MouseMoveListCtrlHelper(UINT from, UINT over) {
    if (FindPairBySource(from)) {
        // Any target the source feeds takes a drop, as its add button would.
        const CListPair* pair = FindPair(from, over);
        if (!pair || !IsCtrlEnabled(pair->addButton))
            return false;
        // The source list is in its drag state now; ask as if it were not.
        CGUIListCtrl& src = ListCtrl(from);
        const int state = src.GetState();
        src.SetState(0);
        const bool possible = EnableSourceToTarget(from, over, -1);
        src.SetState(state);
        return possible;
    }
    if (const CListPair* pair = FindPairByTarget(from))
        return over != pair->target && ListCtrl(from).HasSelection();
    return false;
}

void CGUIDlgLists::LButtonUpListCtrlHelper(UINT from, UINT over) {
    const bool possible = MouseMoveListCtrlHelper(from, over);
    ListCtrl(from).SetState(0);
    if (!possible)
        return;
    if (const CListPair* pair = FindPair(from, over))
        MoveSourceToTarget(pair->source, pair->target, 0, 1, 0, pair->typeFilter);
    else if (const CListPair* target = FindPairByTarget(from))
        MoveSourceToTarget(target->target, target->source, 1, 1, 0, kVariableTypeAny);
    UpdateDependentWindows();
}

void CGUIDlgLists::CreateListCtrlMenu(UINT list, UINT labelControl) {
    for (auto& pair : m_listPairs)
        if (pair.source == list) {
            pair.menuLabel = labelControl;
            return;
        }
    ReportAssertion(kAssertMenuWithoutPair);
}

UINT CGUIDlgLists::ListMenuLabel(UINT list) const {
    for (const auto& pair : m_listPairs)
        if (pair.source == list && pair.menuLabel)
            return pair.menuLabel;
    return 0;
}

CString CGUIDlgLists::GetListMenuText(UINT list) const {
    const UINT label = ListMenuLabel(list);
    return label ? GetCtrlWindowText(label) : CString();
}

bool CGUIDlgLists::IsStringVariablePresent(UINT list) const {
    const CGUIListCtrl& l = ListCtrl(list);
    for (int i : l.GetSelection())
        if (l.GetItems()[i].GetVariableType() == kVariableTypeString)
            return true;
    return false;
}

void CGUIDlgLists::InitializeListCtrl() {
    int header = 0;
    bool first = true;
    for (const auto& [id, ctrl] : Controls()) {
        if (ctrl->GetKind() != ControlKind::List)
            continue;
        auto& list = static_cast<CGUIListCtrl&>(*ctrl);
        const bool isSource = FindPairBySource(id) != nullptr || (first && m_listPairs.empty());
        first = false;
        if (isSource)
            header = std::max(header, CalculateHeaderSize(list.GetItems()));
    }
    for (const auto& [id, ctrl] : Controls())
        if (ctrl->GetKind() == ControlKind::List)
            static_cast<CGUIListCtrl&>(*ctrl).InitializeInDlg(nullptr, FindPairBySource(id) ? 1 : 0, 0,
                                                              header);
}

int CGUIDlgLists::CalculateHeaderSize(const CVariableList& variables) {
    int width = 0;
    for (const auto& v : variables)
        width = std::max(width, v.GetVariableName().GetLength());
    return width;
}

void CGUIDlgLists::ResetListPairs() {
    for (const auto& pair : m_listPairs)
        if (pair.resetToFirstSource && pair.sourceVariables)
            ResetListToFirstSource(pair.target, *pair.sourceVariables);
        else if (pair.resetToEmpty)
            ListCtrl(pair.target).ResetOptions();
}

void CGUIDlgLists::ResetListToFirstSource(UINT target, const CVariableList& source) {
    CGUIListCtrl& list = ListCtrl(target);
    list.ResetOptions();
    list.RemoveAllItems();
    if (!source.IsEmpty())
        list.AddItem(source.GetAt(0));
}

void CGUIDlgLists::UpdateListButtons() {
    for (const auto& pair : m_listPairs) {
        if (pair.addButton && FindCtrl(pair.addButton))
            EnableCtrl(pair.addButton,
                       EnableSourceToTarget(pair.source, pair.target, -1) &&
                           !(pair.closedWhenFull && ListCtrl(pair.target).GetItemCount() >= pair.maximum));
        if (pair.removeButton && FindCtrl(pair.removeButton))
            EnableCtrl(pair.removeButton, EnableSourceToTarget(pair.target, pair.source, -1));
    }
}

bool CGUIDlgLists::OnListButton(UINT id) {
    for (const auto& pair : m_listPairs) {
        if (id == pair.addButton) {
            MoveSourceToTarget(pair.source, pair.target, 0, 1, 0, pair.typeFilter);
            UpdateDependentWindows();
            return true;
        }
        if (id == pair.removeButton) {
            MoveSourceToTarget(pair.target, pair.source, 1, 1, 0, kVariableTypeAny);
            UpdateDependentWindows();
            return true;
        }
    }
    return false;
}

bool CGUIDlgLists::OnListMenuCommand(UINT list, UINT command) {
    if (command == ID_LIST_ADD_TARGET && ListMenuLabel(list)) {
        OnAddTarget(list);
        return true;
    }
    const auto item = m_listMenuItems.find({list, command});
    if (item == m_listMenuItems.end())
        return false;
    for (const CListPair& pair : m_listPairs)
        if (pair.source == list && pair.target == item->second) {
            if (EnableSourceToTarget(pair.source, pair.target, static_cast<int>(pair.addButton))) {
                MoveSourceToTarget(pair.source, pair.target, 0, 1, 0, pair.typeFilter);
                UpdateDependentWindows();
            }
            break;
        }
    return true;
}
