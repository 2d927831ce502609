#pragma once

#include <string>
#include <vector>

#include "Platform/CString.h"
#include "TvkApi.h"
#include "TvkBaseGui/CGUIBaseObj.h"
#include "TvkBaseGui/CNameIndex.h"

// The kinds of control a dialog template can hold.
enum class ControlKind {
    Edit,
    IntEdit,
    DoubleEdit,
    FileEdit,
    Check,
    Radio,
    Combo,
    List,
    Button,
    Static,
    Tab
};

TVK_API const char* ControlKindName(ControlKind kind);
// The kind named in a template, and whether that name makes a number edit refuse a minus sign; false
// for an unknown name.
TVK_API bool ParseControlKind(const std::string& name, ControlKind& kind, bool* noMinus = nullptr);

inline constexpr COLORREF kColorWhite = 0xFFFFFF;
// A pink: red 255, green 128, blue 192 (COLORREF is 0x00BBGGRR).
inline constexpr COLORREF kColorInvalid = 0xC080FF;

// One control of a headless dialog: the state a window would show.
class TVK_API CTKCtrl {
public:
    CTKCtrl(UINT id, ControlKind kind, CString text) : m_strText(std::move(text)), m_nID(id), m_kind(kind) {}
    virtual ~CTKCtrl() = default;
    CTKCtrl(const CTKCtrl&) = delete;
    CTKCtrl& operator=(const CTKCtrl&) = delete;

    UINT GetID() const { return m_nID; }
    ControlKind GetKind() const { return m_kind; }
    bool IsEdit() const {
        return m_kind == ControlKind::Edit || m_kind == ControlKind::IntEdit ||
               m_kind == ControlKind::DoubleEdit || m_kind == ControlKind::FileEdit;
    }

    CString m_strText;
    bool m_bEnabled = true;
    bool m_bVisible = true;
    int m_nChecked = 0;
    COLORREF m_color = kColorWhite;
    CString m_strToolTip;
    bool m_bNoMinus = false;  // a number edit that refuses a minus sign
    // Combo boxes: the items and the chosen index (-1 for none).
    std::vector<CString> m_comboItems;
    int m_nComboIndex = -1;

private:
    UINT m_nID;
    ControlKind m_kind;
};

// A list of variables with a selection.
//
// A source list (initialised with its source flag) shows the data's variables and keeps them when they
// are added to another list; other lists hold the procedure's variables. States: 0 normal, 1 while a
// drag starts from it, 2 while it is refreshed; no move starts from a list in state 1 or 2.
class TVK_API CGUIListCtrl : public CTKCtrl {
public:
    CGUIListCtrl(UINT id, CString text) : CTKCtrl(id, ControlKind::List, std::move(text)) {}

    void InitializeInDlg(void* imageList, int isSource, int options, int headerSize);
    bool IsSourceList() const { return m_bSource; }

    const CVariableList& GetItems() const { return m_items; }
    void SetItems(const CVariableList& items);
    void AddItem(const CGUIDataVariable& item);
    void RemoveAllItems();
    void ResetOptions() { m_nOptions = 0; }
    int GetItemCount() const { return m_items.GetSize(); }
    // The position of the first item with this name, or -1.
    int FindItem(const CString& name) const;
    bool Contains(const CString& name) const { return FindItem(name) >= 0; }
    // Whether every item of `from` at these positions, of the given type (kVariableTypeAny: of any),
    // has its name in the list.
    bool ContainsAll(const CVariableList& from, const std::vector<int>& positions,
                     int type = kVariableTypeAny) const;

    const std::vector<int>& GetSelection() const { return m_selection; }
    // Replaces the selection (indexes outside the list are ignored; duplicates collapse).
    void SetSelection(std::vector<int> indexes);
    void SelectAll();
    // Selects the items from position `first` on.
    void SelectFrom(int first);
    bool HasSelection() const { return !m_selection.empty(); }

    int GetState() const { return m_nState; }
    void SetState(int state) { m_nState = state; }

    // Removes the items at the given indexes (the list's own selection will do) and the selection.
    void RemoveItems(const std::vector<int>& indexes);
    // Appends the items of `from` at these positions whose names are not in the list yet.
    void AppendNew(const CVariableList& from, const std::vector<int>& positions);
    void AppendNew(const CVariableList& from);
    // The position of the first of `items` whose name the list holds, or -1.
    int FirstShared(const CVariableList& items) const;

private:
    // The name index is built when a lookup first needs it: a source list, refreshed often and
    // hundreds of thousands of variables long, never does.
    const CNameIndex& Index() const;

    CVariableList m_items;
    mutable CNameIndex m_index;
    mutable bool m_bIndexed = false;
    std::vector<int> m_selection;
    bool m_bSource = false;
    int m_nOptions = 0;
    int m_nState = 0;
};
