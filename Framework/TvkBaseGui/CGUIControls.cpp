#include "TvkBaseGui/CGUIControls.h"

#include <algorithm>
#include <numeric>

namespace {

struct KindName {
    ControlKind kind;
    const char* name;
    bool noMinus = false;
};

constexpr KindName kKindNames[] = {
    {ControlKind::Edit, "edit"},
    {ControlKind::IntEdit, "intedit"},
    {ControlKind::DoubleEdit, "doubleedit"},
    {ControlKind::FileEdit, "fileedit"},
    {ControlKind::Check, "check"},
    {ControlKind::Radio, "radio"},
    {ControlKind::Combo, "combo"},
    {ControlKind::List, "list"},
    {ControlKind::Button, "button"},
    {ControlKind::Static, "static"},
    {ControlKind::Tab, "tab"},
    {ControlKind::IntEdit, "uintedit", true},
    {ControlKind::DoubleEdit, "udoubleedit", true},
};

}  // namespace

const char* ControlKindName(ControlKind kind) {
    for (const auto& k : kKindNames)
        if (k.kind == kind)
            return k.name;
    return "?";
}

bool ParseControlKind(const std::string& name, ControlKind& kind, bool* noMinus) {
    for (const auto& k : kKindNames)
        if (name == k.name) {
            kind = k.kind;
            if (noMinus)
                *noMinus = k.noMinus;
            return true;
        }
    return false;
}

void CGUIListCtrl::InitializeInDlg(void*, int isSource, int options, int) {
    m_bSource = isSource != 0;
    m_nOptions = options;
}

void CGUIListCtrl::SetItems(const CVariableList& items) {
    m_items = items;
    m_selection.clear();
    m_bIndexed = false;
}

void CGUIListCtrl::AddItem(const CGUIDataVariable& item) {
    m_items.Add(item);
    if (m_bIndexed)
        m_index.Add(m_items, m_items.GetSize() - 1);
}

void CGUIListCtrl::RemoveAllItems() {
    m_items.RemoveAll();
    m_index.Clear();
    m_bIndexed = true;
    m_selection.clear();
}

const CNameIndex& CGUIListCtrl::Index() const {
    if (!m_bIndexed) {
        m_index.Build(m_items);
        m_bIndexed = true;
    }
    return m_index;
}

int CGUIListCtrl::FindItem(const CString& name) const {
    return Index().Find(m_items, name);
}

void CGUIListCtrl::SetSelection(std::vector<int> indexes) {
    std::erase_if(indexes, [this](int i) { return i < 0 || i >= GetItemCount(); });
    // Mostly ascending already (a move selects the items it appended), and a million-item run
    // is not worth sorting again.
    if (!std::is_sorted(indexes.begin(), indexes.end()))
        std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    m_selection = std::move(indexes);
}

void CGUIListCtrl::SelectAll() {
    SelectFrom(0);
}

void CGUIListCtrl::SelectFrom(int first) {
    const int from = std::clamp(first, 0, GetItemCount());
    m_selection.resize(static_cast<std::size_t>(GetItemCount() - from));
    std::iota(m_selection.begin(), m_selection.end(), from);
}

bool CGUIListCtrl::ContainsAll(const CVariableList& from, const std::vector<int>& positions, int type) const {
    const CNameIndex& index = Index();
    const auto& items = from.Items();
    const auto at = [&](std::size_t k) -> const CGUIDataVariable& {
        return items[static_cast<std::size_t>(positions[k])];
    };
    bool all = true;
    index.ForEachHashed(
        positions.size(), [&](std::size_t k) -> const CString& { return at(k).GetVariableName(); },
        [&](std::size_t k, std::uint32_t hash) {
            if (type != kVariableTypeAny && at(k).GetVariableType() != type)
                return true;
            return all = index.Find(m_items, at(k).GetVariableName(), hash) >= 0;
        });
    return all;
}

int CGUIListCtrl::FirstShared(const CVariableList& items) const {
    const CNameIndex& index = Index();
    const auto& all = items.Items();
    int first = -1;
    index.ForEachHashed(
        all.size(), [&](std::size_t k) -> const CString& { return all[k].GetVariableName(); },
        [&](std::size_t k, std::uint32_t hash) {
            if (index.Find(m_items, all[k].GetVariableName(), hash) < 0)
                return true;
            first = static_cast<int>(k);
            return false;
        });
    return first;
}

void CGUIListCtrl::RemoveItems(const std::vector<int>& indexes) {
    std::vector<bool> drop(static_cast<std::size_t>(GetItemCount()), false);
    for (int i : indexes)
        if (i >= 0 && i < GetItemCount())
            drop[static_cast<std::size_t>(i)] = true;
    // A few items taken from a long list (one variable moved to another role) keep the index: building
    // it again reads every name.
    const std::size_t dropped = static_cast<std::size_t>(std::count(drop.begin(), drop.end(), true));
    m_bIndexed = m_bIndexed && dropped * 2 <= drop.size() && m_index.Remove(m_items, drop);
    if (!m_bIndexed)
        m_index.Clear();
    auto& items = m_items.MutableItems();
    std::size_t k = 0;
    // An item that stays where it is is not moved onto itself (a self-moved name would be emptied).
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (drop[i])
            continue;
        if (k != i)
            items[k] = std::move(items[i]);
        ++k;
    }
    items.resize(k);
    m_selection.clear();
}

void CGUIListCtrl::AppendNew(const CVariableList& from, const std::vector<int>& positions) {
    Index();
    const std::size_t count = m_items.Items().size() + positions.size();
    m_items.Reserve(count);
    m_index.Reserve(m_items, count);
    const auto& items = from.Items();
    const auto at = [&](std::size_t k) -> const CGUIDataVariable& {
        return items[static_cast<std::size_t>(positions[k])];
    };
    m_index.ForEachHashed(
        positions.size(), [&](std::size_t k) -> const CString& { return at(k).GetVariableName(); },
        [&](std::size_t k, std::uint32_t hash) {
            m_index.AddIfNew(m_items, at(k), hash);
            return true;
        });
}

void CGUIListCtrl::AppendNew(const CVariableList& from) {
    std::vector<int> all(from.Items().size());
    std::iota(all.begin(), all.end(), 0);
    AppendNew(from, all);
}
