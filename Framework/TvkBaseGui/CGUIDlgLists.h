#pragma once

#include <map>
#include <utility>
#include <vector>

#include "TvkBaseGui/CGUIDlgControls.h"

// A pair of lists between which the user moves variables: a source list (the data's variables) and a
// target list (the procedure's), with the buttons that move and the types the target takes. Declared
// once in a dialog's constructor, it wires itself: the buttons follow the lists, and what its setters
// add the base does too.
struct TVK_API CListPair {
    UINT source;
    UINT target;
    UINT addButton;
    UINT removeButton;
    int typeFilter;  // kVariableTypeAny, kVariableTypeNumeric or kVariableTypeString

    // The base exchanges both lists with these copies (a source list once, before its first target).
    CListPair& Lists(CVariableList& sourceCopy, CVariableList& targetCopy) {
        sourceVariables = &sourceCopy;
        targetVariables = &targetCopy;
        return *this;
    }
    // Storing refuses a target of fewer than `count` variables, showing the `message` resource.
    CListPair& AtLeast(int count, UINT message) {
        minimum = count;
        tooFewMessage = message;
        return *this;
    }
    // Storing refuses a target of more than `count` variables while it is enabled, showing `message`.
    CListPair& AtMost(int count, UINT message) {
        maximum = count;
        tooManyMessage = message;
        return *this;
    }
    // The add button is off while the target holds its AtMost count: it takes no more.
    CListPair& ClosedWhenFull() {
        closedWhenFull = true;
        return *this;
    }
    // The source list's context menu adds to the target; its item reads as the text of `label`.
    CListPair& Menu(UINT label) {
        menuLabel = label;
        return *this;
    }
    // Reset leaves the first source variable alone in the target (nothing when there is none).
    CListPair& ResetToFirstSource() {
        resetToFirstSource = true;
        return *this;
    }
    // Reset leaves the target as the defaults have it (empty), with its options cleared too.
    CListPair& ResetToEmpty() {
        resetToEmpty = true;
        return *this;
    }
    // The target is exchanged before those of the pairs declared before it (whose refusal is then
    // reported second).
    CListPair& ExchangedFirst() {
        exchangedFirst = true;
        return *this;
    }

    CVariableList* sourceVariables = nullptr;
    CVariableList* targetVariables = nullptr;
    int minimum = 1;
    UINT tooFewMessage = 0;
    int maximum = 0;
    UINT tooManyMessage = 0;
    bool closedWhenFull = false;
    UINT menuLabel = 0;
    bool resetToFirstSource = false;
    bool resetToEmpty = false;
    bool exchangedFirst = false;
};

// The list pairs of a dialog and the moves between their lists: buttons, double-clicks, drag and drop
// and context menus.
class TVK_API CGUIDlgLists : public CGUIDlgControls {
public:
    using CGUIDlgControls::CGUIDlgControls;

    // The pair, for its setters in the same statement (a later pair may move it).
    CListPair& AddListPair(const CListPair& pair) { return m_listPairs.emplace_back(pair); }
    const std::vector<CListPair>& GetListPairs() const { return m_listPairs; }
    // Gives every list its header size and tells the source lists what they are.
    virtual void InitializeListCtrl();
    // Makes the controls that depend on others follow them; the base part sets the list buttons.
    virtual void UpdateDependentWindows() { UpdateListButtons(); }

    // True when a move from `source` to `target` is possible now. `button` is the button asking, or
    // -1; a list in state 1 or 2 moves nothing.
    bool EnableSourceToTarget(UINT source, UINT target, int button) const;
    // Moves the selected items of `from` whose type passes `typeFilter` into `to` (those not there
    // yet); with `removeFromSource` they leave `from`. Moved items become `to`'s selection when
    // `selectMoved` is set.
    void MoveSourceToTarget(UINT from, UINT to, int removeFromSource, int selectMoved, int reserved,
                            int typeFilter);
    // A double-click on a source list moves the selection as the first pair's add button would (when
    // that button is enabled); on a target list, back as its remove button would.
    virtual void MoveSourceListToTargetListOnDblClk(UINT list);
    // For a source list that feeds several targets: a double-click goes to the first target, in pair
    // order, whose add button is enabled and that would take a selected variable (one of its type, not
    // in it yet), so that a full one-variable target passes it on to the next.
    void SetDblClkToAnyTarget(bool any) { m_bDblClkToAnyTarget = any; }
    virtual BOOL OnAddTarget(UINT list);
    virtual BOOL OnUpdateAddTarget(UINT list);
    // Drag and drop: whether a drop there would do something (the cursor), and the drop itself
    // (`over` is 0 outside any list). From a source list, any of its targets takes the drop while that
    // pair's add button is enabled; from a target list, a drop anywhere else removes.
    virtual bool MouseMoveListCtrlHelper(UINT from, UINT over);
    virtual void LButtonUpListCtrlHelper(UINT from, UINT over);
    void OnBegindrag(UINT list);
    // The context menu of a source list: the text of a label and command 33001, adding to the target of
    // the list's first pair (as CListPair::Menu).
    void CreateListCtrlMenu(UINT list, UINT labelControl);
    CString GetListMenuText(UINT list) const;
    // A further item of a source list's context menu: `command` moves the selection into `target`, as
    // that list pair's add button would (the two-way table's "add to column", 33002).
    void AddListMenuItem(UINT list, UINT command, UINT target) { m_listMenuItems[{list, command}] = target; }
    // Width of the widest variable name, in characters (the header size of every list).
    static int CalculateHeaderSize(const CVariableList& variables);
    // The reset most procedures share (CListPair::ResetToFirstSource): `target` holds only the first of
    // `source` (nothing when `source` is empty), with its options reset.
    void ResetListToFirstSource(UINT target, const CVariableList& source);
    // Whether a selected item of the list is a string variable.
    bool IsStringVariablePresent(UINT list) const;

protected:
    const CListPair* FindPairBySource(UINT source) const;
    const CListPair* FindPairByTarget(UINT target) const;
    const CListPair* FindPair(UINT source, UINT target) const;
    // The label naming the source list's context-menu item, or 0 for a list without the menu.
    UINT ListMenuLabel(UINT list) const;
    void UpdateListButtons();
    // The targets as each pair's reset has them.
    void ResetListPairs();
    // A click on a pair's add or remove button; false for any other control.
    bool OnListButton(UINT id);
    // A context-menu command of `list`; false when the list's menu has no such command.
    bool OnListMenuCommand(UINT list, UINT command);

private:
    // The pair a double-click on `source` moves along now, or null.
    const CListPair* FindDblClkPair(UINT source) const;

    std::vector<CListPair> m_listPairs;
    std::map<std::pair<UINT, UINT>, UINT> m_listMenuItems;  // (list, command) -> target list
    bool m_bDblClkToAnyTarget = false;
};
