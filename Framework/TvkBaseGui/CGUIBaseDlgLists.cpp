// The dialog base: variable lists, their moves, drag and drop and context menus.
#include "TvkBaseGui/CGUIBaseDlg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_set>

#include "Platform/Windowing.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"
#include "TvkUseRes/ResourceTables.h"

const CListPair* CGUIBaseDlg::FindPairBySource(UINT source) const {
    for (const auto& p : m_listPairs)
        if (p.source == source)
            return &p;
    return nullptr;
}

const CListPair* CGUIBaseDlg::FindPair(UINT source, UINT target) const {
    for (const auto& p : m_listPairs)
        if (p.source == source && p.target == target)
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
    const CListPair* pair = FindPair(source, target);
    return !to->ContainsAll(from->GetItems(), from->GetSelection(),
                            pair ? pair->typeFilter : kVariableTypeAny);
}

void CGUIBaseDlg::MoveSourceToTarget(UINT from, UINT to, int removeFromSource, int selectMoved, int,
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

const CListPair* CGUIBaseDlg::FindDblClkPair(UINT source) const {
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

void CGUIBaseDlg::MoveSourceListToTargetListOnDblClk(UINT list) {
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

void CGUIBaseDlg::LButtonUpListCtrlHelper(UINT from, UINT over) {
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

void CGUIBaseDlg::CreateListCtrlMenu(UINT list, UINT labelControl) {
    for (auto& pair : m_listPairs)
        if (pair.source == list) {
            pair.menuLabel = labelControl;
            return;
        }
    ReportAssertion(__LINE__);
}

UINT CGUIBaseDlg::ListMenuLabel(UINT list) const {
    for (const auto& pair : m_listPairs)
        if (pair.source == list && pair.menuLabel)
            return pair.menuLabel;
    return 0;
}

CString CGUIBaseDlg::GetListMenuText(UINT list) const {
    const UINT label = ListMenuLabel(list);
    return label ? GetCtrlWindowText(label) : CString();
}

void CGUIBaseDlg::DoDataExchange(CDataExchange* pDX) {
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
        for (const auto& pair : m_listPairs)
            if (pair.targetVariables && pair.exchangedFirst == first)
                exchange(pair);
    if (m_pSaveFile) {
        DDX_SaveFile(pDX, m_nSaveEdit, *m_pSaveFile);
        DDX_Check(pDX, m_nSaveCheck, *m_pSaveChecked);
    }
}

bool CGUIBaseDlg::IsStringVariablePresent(UINT list) const {
    const CGUIListCtrl& l = ListCtrl(list);
    for (int i : l.GetSelection())
        if (l.GetItems()[i].GetVariableType() == kVariableTypeString)
            return true;
    return false;
}
