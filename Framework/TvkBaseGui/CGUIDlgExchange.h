#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <set>
#include <type_traits>
#include <utility>
#include <vector>

#include "TvkBaseGui/CGUIDlgLists.h"
#include "TvkBaseGui/CGUIDlgNumbers.h"

class CGUIDlgExchange;

// Direction and outcome of one exchange between a dialog's copies and its controls.
class TVK_API CDataExchange {
public:
    CDataExchange(CGUIDlgExchange* dlg, BOOL save) : m_bSaveAndValidate(save), m_pDlgWnd(dlg) {}
    // Ends the exchange as failed, with the focus on `control`.
    [[noreturn]] void Fail(UINT control);

    // Storing: keeps what a member holds before the exchange writes it, so that a failed exchange
    // leaves every member as it was (a refused value never reaches the record later on).
    template <class T>
    void Remember(T& member) {
        if (m_bSaveAndValidate)
            m_undo.push_back([&member, old = member]() { member = old; });
    }
    // Storing: gives a member its new value, keeping the old one (moved, not copied) for Undo.
    template <class T>
    void Replace(T& member, T value) {
        if (!m_bSaveAndValidate)
            return;
        m_undo.push_back([&member, old = std::exchange(member, std::move(value))]() { member = old; });
    }
    // Puts back what Remember kept, latest first.
    void Undo();

    BOOL m_bSaveAndValidate;
    CGUIDlgExchange* m_pDlgWnd;

private:
    std::vector<std::function<void()>> m_undo;
};

// What a failed exchange throws to end itself; UpdateData catches it.
struct TVK_API CDataExchangeFailure {
    UINT control;
};

// The exchange between a dialog's copies of its record's options and its controls: a storing exchange
// that fails leaves every copy as it was.
class TVK_API CGUIDlgExchange : public CGUIDlgLists, public CGUIDlgNumbers {
public:
    using CGUIDlgLists::CGUIDlgLists;

    // The base part exchanges what the constructor declared: each list pair's lists, then the save-file
    // pair. A dialog calls it first, or last where a list that refuses too few variables must be judged
    // after the other controls.
    virtual void DoDataExchange(CDataExchange* pDX);
    // Exchange in one direction; 0 when validation failed.
    BOOL UpdateData(BOOL save = 1);
    virtual BOOL TKUpdateData(BOOL save) { return UpdateData(save) ? 1 : 0; }
    // The base part sets the list buttons, the save-file pair's edit and the template's enabling rules.
    void UpdateDependentWindows() override;
    // Whether this dialog colours its edits and reports range failures in the status bar.
    virtual BOOL IsColoredValidation() const { return 1; }
    UINT GetFocusCtrl() const { return m_nFocusCtrl; }
    // Storing only: colours the edit and sends `message` to the status bar (or shows it, in a dialog
    // without coloured validation), and ends the exchange as failed.
    [[noreturn]] void RefuseValue(CDataExchange* pDX, UINT id, const CString& message);
    // The save-file pair: the edit follows the check, its tool tip the file name; with the copies given,
    // the base exchanges both.
    void SetSaveFilePair(UINT check, UINT edit);
    void SetSaveFilePair(UINT check, int& checkedCopy, UINT edit, CString& fileCopy);

    template <class T>
    void DDX_STText(CDataExchange* pDX, UINT id, CGUIData<T>& holder, int flag = 0);
    void DDX_Text(CDataExchange* pDX, UINT id, CString& text, int = 0, int = 0, int = 1, int = 0);
    void DDX_Text(CDataExchange* pDX, UINT id, int& value);
    void DDX_Text(CDataExchange* pDX, UINT id, double& value);
    void DDX_FileEditCtrl(CDataExchange* pDX, UINT id, CString& file, int, int, int, const CString& extension,
                          const CString& filter, int);
    // The file edit of a save-file pair: its text, with ".tvz" added to a name without an extension.
    void DDX_SaveFile(CDataExchange* pDX, UINT id, CString& file) {
        DDX_Text(pDX, id, file);
        DDX_FileEditCtrl(pDX, id, file, 1, 1, 0, L".tvz", L"", 0);
    }
    void DDX_Check(CDataExchange* pDX, UINT id, int& value);
    // A radio group of the radio table `group`: the index of the checked button. Choosing a button of
    // an exchanged group turns the group's others off.
    void DDX_Radio(CDataExchange* pDX, UINT group, int& index);
    void DDX_CBIndex(CDataExchange* pDX, UINT id, int& index);
    // A variable list. With a non-zero `message`, storing refuses a list of fewer than `minimum`
    // variables: the message resource is shown and the exchange fails. Loading a target list drops
    // the variables the current data does not have (a record kept from other data); the status bar
    // names them.
    void DDX_ListCtrlArray(CDataExchange* pDX, UINT id, CVariableList& list, UINT message = 0,
                           int minimum = 1, int = 0);
    // Storing: refuses a variable that is in two of `lists` (the enabled ones): one variable cannot take
    // two roles (a response that is also its own stimulus). The message names the variable and the lists.
    void DDV_DistinctVariables(CDataExchange* pDX, std::initializer_list<UINT> lists);
    // A warning about a value that is taken all the same: when storing, a non-zero `message` resource is
    // shown through the host's warning for the control (while it is enabled); the exchange goes on.
    void DDX_ControlWarn(CDataExchange* pDX, UINT id, UINT message);

protected:
    // Puts a text into a control as the dialog (not the user) does: a save file edit's tool tip follows
    // it.
    void ShowText(CTKCtrl& ctrl, const CString& text) override { PutText(ctrl, text); }
    // The text, and the tool tip of a save file edit with it.
    void PutText(CTKCtrl& ctrl, const CString& text);
    // The radio tables this dialog exchanges.
    const std::set<UINT>& ExchangedRadioGroups() const { return m_radioGroups; }
    // How many variables the exchanges have dropped so far.
    std::size_t DroppedVariableCount() const { return m_nDroppedEver; }
    // Drops the controls and what the exchanges kept about them.
    void DiscardExchangedWindow();

private:
    void DropVariablesTheDataLacks(CVariableList& list);

    UINT m_nFocusCtrl = 0;
    UINT m_nSaveCheck = 0;
    UINT m_nSaveEdit = 0;
    int* m_pSaveChecked = nullptr;
    CString* m_pSaveFile = nullptr;
    std::set<UINT> m_radioGroups;             // the radio tables exchanged by this dialog
    std::vector<CString> m_droppedVariables;  // by the exchange that loads the controls now
    std::size_t m_nDroppedEver = 0;           // by every exchange so far
};

// What an edit shows for a holder: a value the user gave comes back as the same number; the dialog's
// own (a default) is written as every number the dialog writes.
template <class T>
CString HolderEditText(const CGUIData<T>& holder) {
    if constexpr (std::is_same_v<T, double>)
        if (!holder.IsDefault())
            return CGUIDlgNumbers::ExactNumberText(holder.GetValue());
    return CGUIDlgNumbers::NumberText(holder.GetValue());
}

template <class T>
void CGUIDlgExchange::DDX_STText(CDataExchange* pDX, UINT id, CGUIData<T>& holder, int) {
    CTKCtrl& edit = Ctrl(id);
    if (!pDX->m_bSaveAndValidate) {
        ShowText(edit, HolderEditText(holder));
        return;
    }
    // An edit still showing the holder's value leaves the holder (and its default mark) alone.
    if (edit.m_strText == HolderEditText(holder))
        return;
    std::optional<T> value;
    if constexpr (std::is_same_v<T, double>) {
        // An edit that refuses a minus sign refuses it in a decimal number too.
        if (!edit.m_bNoMinus || CString(edit.m_strText).Trim().Find(L'-') != 0)
            value = ParseDouble(edit.m_strText);
    } else if constexpr (std::is_same_v<T, unsigned int>) {
        value = ParseUnsigned(edit.m_strText);
    } else {
        value = ParseInt(edit.m_strText, !edit.m_bNoMinus);
    }
    if (value) {
        // Typed by the user: neither the default nor the value the holder was made with. A disabled
        // edit keeps what was typed into it too, for when it is enabled again.
        pDX->Remember(holder);
        holder.SetUserValue(*value);
        holder.SetLast(0);
        return;
    }
    // A disabled edit is not validated: text that is no number leaves the holder as it was.
    if (!edit.m_bEnabled)
        return;
    if (IsColoredValidation()) {
        ChangeColor(id, kColorInvalid);
        SendStatusBarText(L"Enter a number");
    } else {
        TKMessageBox(L"Enter a number");
    }
    pDX->Fail(id);
}
