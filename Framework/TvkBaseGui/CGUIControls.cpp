#include "TvkBaseGui/CGUIControls.h"

#include <algorithm>

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
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    m_selection = std::move(indexes);
}

void CGUIListCtrl::SelectAll() {
    m_selection.resize(static_cast<std::size_t>(GetItemCount()));
    for (int i = 0; i < GetItemCount(); ++i)
        m_selection[static_cast<std::size_t>(i)] = i;
}

bool CGUIListCtrl::ContainsAll(const std::vector<const CGUIDataVariable*>& items) const {
    const CNameIndex& index = Index();
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k + CNameIndex::kPrefetchDistance < items.size())
            index.Prefetch(items[k + CNameIndex::kPrefetchDistance]->GetVariableName());
        if (index.Find(m_items, items[k]->GetVariableName()) < 0)
            return false;
    }
    return true;
}

void CGUIListCtrl::RemoveItems(const std::vector<int>& indexes) {
    std::vector<bool> drop(static_cast<std::size_t>(GetItemCount()), false);
    for (int i : indexes)
        if (i >= 0 && i < GetItemCount())
            drop[static_cast<std::size_t>(i)] = true;
    auto& items = m_items.Items();
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
    m_bIndexed = false;
}

void CGUIListCtrl::AppendNew(const std::vector<const CGUIDataVariable*>& items) {
    Index();
    m_items.Reserve(m_items.Items().size() + items.size());
    m_index.Reserve(m_items, m_items.Items().size() + items.size());
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k + CNameIndex::kPrefetchDistance < items.size())
            m_index.Prefetch(items[k + CNameIndex::kPrefetchDistance]->GetVariableName());
        m_index.AddIfNew(m_items, *items[k]);
    }
}
