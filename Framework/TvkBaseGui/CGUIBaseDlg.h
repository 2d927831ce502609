#pragma once

#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "HostApi/HostServices.h"
#include "Platform/CString.h"
#include "TvkApi.h"
#include "TvkBaseGui/CGUIBaseObj.h"
#include "TvkBaseGui/CGUIControls.h"

class CGUIBaseDlg;

// The bound of a range open above or below: the check ignores it (its mode is eNoValidation).
inline constexpr int kNoMaximum = std::numeric_limits<int>::max();

// How a range check treats one bound: no bound, inclusive (fails beyond it), exclusive (fails at it).
enum EDlgValidation { eNoValidation = 0, eInclusive = 1, eExclusive = 2 };

// Standard buttons of every template.
inline constexpr UINT IDOK = 1;
inline constexpr UINT IDCANCEL = 2;
inline constexpr UINT IDC_RESET = 3;
// The list context-menu command that adds the selection to the target list.
inline constexpr UINT ID_LIST_ADD_TARGET = 33001;

// Direction and outcome of one exchange between a dialog's copies and its controls.
class TVK_API CDataExchange {
public:
    CDataExchange(CGUIBaseDlg* dlg, BOOL save) : m_bSaveAndValidate(save), m_pDlgWnd(dlg) {}
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
    CGUIBaseDlg* m_pDlgWnd;

private:
    std::vector<std::function<void()>> m_undo;
};

// What a failed exchange throws to end itself; UpdateData catches it.
struct TVK_API CDataExchangeFailure {
    UINT control;
};

// Runs a modal dialog once it is initialised: performs the user's actions through the dialog's handlers
// until OK succeeds or Cancel. The host installs one; without one, dialogs are accepted as they open.
class TVK_API IDialogDriver {
public:
    virtual ~IDialogDriver() = default;
    // Returns IDOK or IDCANCEL.
    virtual int Run(CGUIBaseDlg& dlg) = 0;
};

TVK_API void InstallDialogDriver(IDialogDriver* driver);
TVK_API IDialogDriver* GetDialogDriver();

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

// Base of every procedure dialog: a headless model of a dialog built from its template.
//
// The controls are made from the template (Resources/templates) when the dialog's window is created.
// The dialog keeps copies of its record's options; DoDataExchange moves them between the copies and the
// controls; OK validates, writes the copies into the record and ends the dialog.
class TVK_API CGUIBaseDlg {
public:
    explicit CGUIBaseDlg(UINT templateId, CGUIBaseDlg* parent = nullptr);
    virtual ~CGUIBaseDlg() = default;
    CGUIBaseDlg(const CGUIBaseDlg&) = delete;
    CGUIBaseDlg& operator=(const CGUIBaseDlg&) = delete;

    // ---- record and caption ---------------------------------------------------------------------
    virtual void SetData(CGUIBaseObj* record) { m_pData = record; }
    virtual CGUIBaseObj* GetData() const { return m_pData; }
    // The dialog this one is a page of (a composite), or null.
    CGUIBaseDlg* GetParentDlgWindow() const { return m_pParent; }
    // Keeps the caption identifier and gives it to the record as its variant identifier.
    virtual void SetDlgCaptionID(UINT captionId);
    UINT GetDlgCaptionID() const { return m_nCaptionID; }
    // The caption the dialog shows: the menu caption when one was set, else the template's.
    CString GetDlgCaption() const;
    void SetMenuCaption(const CString& caption) { m_strMenuCaption = caption; }
    UINT GetTemplateID() const { return m_nTemplateID; }

    // ---- running ----------------------------------------------------------------------------------
    // Creates the window (the controls), runs OnInitDialog and then the installed driver.
    virtual int DoModal();
    // Makes the controls from the template, once; a dialog whose template is missing reports an
    // assertion and has no controls.
    void CreateWindowFromTemplate();
    bool HasWindow() const { return m_bWindow; }
    // Set unless the dialog is a tab page (its composite clears it): OK then runs the command.
    int GetBaseRunFlag() const { return m_nBaseRunFlag; }
    void SetBaseRunFlag(int flag) { m_nBaseRunFlag = flag; }
    int GetResult() const { return m_nResult; }

    // ---- the procedure's part ---------------------------------------------------------------------
    virtual BOOL OnInitDialog();
    // The base part exchanges what the constructor declared: each list pair's lists, then the save-file
    // pair. A dialog calls it first, or last where a list that refuses too few variables must be judged
    // after the other controls.
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual int GetAll() { return 1; }
    virtual int SetAll() { return 1; }
    virtual int GetAllDefault() { return 1; }
    virtual int SetAllDefault() { return 1; }
    virtual void UpdateDependentWindows();
    virtual void OnReset();
    virtual void AddToolTips() {}
    virtual void InitializeListCtrl();
    // Exchange in one direction; 0 when validation failed.
    BOOL UpdateData(BOOL save = 1);
    virtual BOOL TKUpdateData(BOOL save) { return UpdateData(save) ? 1 : 0; }
    // OK: validate and store into the record, then end the dialog with IDOK. False when refused.
    virtual bool OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // As OK for a tab page, without ending anything: validate, store into the record; 0 when refused.
    virtual BOOL OKLike();
    // As OnInitDialog for a page whose window exists: show the record again.
    virtual BOOL InitDialogLike();
    // Reset of a page of a composite.
    virtual void OnTabReset() { OnReset(); }
    // A page not shown yet drops the variables the data lacks, as showing the page would (the status
    // bar names them), so that a composite's OK never sends them: OKLike stores the page's copies then.
    // The page is opened unseen for it and its window discarded: it is made anew when it is shown.
    void DropVariablesTheDataLacksUnshown();
    void EndDialog(int result);
    bool IsEnded() const { return m_bEnded; }

    // Change handlers: the user typed into an edit, chose a combo item, clicked a check, radio or
    // button (other than the list buttons and the standard ones), or changed a list's selection.
    virtual void OnCtrlChanged(UINT id);
    virtual void OnCtrlClicked(UINT id);
    virtual void OnListSelChanged(UINT id) { UpdateDependentWindows(); }

    // ---- lists --------------------------------------------------------------------------------------
    // The pair, for its setters in the same statement (a later pair may move it).
    CListPair& AddListPair(const CListPair& pair) { return m_listPairs.emplace_back(pair); }
    const std::vector<CListPair>& GetListPairs() const { return m_listPairs; }
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

    // ---- controls ---------------------------------------------------------------------------------
    // A control made at run time (a host's manager making its controls inside a placeholder); an
    // existing control of that id is replaced.
    CTKCtrl& AddRuntimeCtrl(UINT id, ControlKind kind, const CString& text);
    CTKCtrl* FindCtrl(UINT id) const;
    CTKCtrl& Ctrl(UINT id) const;  // std::invalid_argument for a control the dialog does not have
    CGUIListCtrl& ListCtrl(UINT id) const;
    std::vector<UINT> GetCtrlIDs() const;
    void EnableCtrl(UINT id, BOOL enable, int alsoLabel = 0);
    void ShowCtrlWindow(UINT id, BOOL show);
    BOOL IsCtrlEnabled(UINT id) const;
    BOOL IsCtrlVisible(UINT id) const;
    BOOL IsCtrlChecked(UINT id) const;
    void SetCtrlChecked(UINT id, BOOL check);
    CString GetCtrlWindowText(UINT id) const;
    void SetCtrlWindowText(UINT id, const CString& text);
    void AddToolTip(UINT id, const CString& text, int flag);
    CString GetToolTip(UINT id) const;
    void ChangeColor(UINT id, COLORREF color);
    // Storing only: colours the edit and sends `message` to the status bar (or shows it, in a dialog
    // without coloured validation), and ends the exchange as failed.
    [[noreturn]] void RefuseValue(CDataExchange* pDX, UINT id, const CString& message);
    // Whether this dialog colours its edits and reports range failures in the status bar.
    virtual BOOL IsColoredValidation() const { return 1; }
    UINT GetFocusCtrl() const { return m_nFocusCtrl; }
    // The save-file pair: the edit follows the check, its tool tip the file name; with the copies given,
    // the base exchanges both.
    void SetSaveFilePair(UINT check, UINT edit);
    void SetSaveFilePair(UINT check, int& checkedCopy, UINT edit, CString& fileCopy);
    // The items of a combo box, the texts of a radio group's buttons, from their tables: now, or when the
    // controls are made if they are not yet (so a constructor may ask).
    void FillComboFromResource(UINT combo, UINT comboResource);
    void FillRadioFromResource(UINT radioGroup);

    // ---- exchange ---------------------------------------------------------------------------------
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

    // Range checks. The holder forms skip a holder whose second mark is 1 or 2 while its default mark
    // is set; the value forms run unless `skip` is non-zero. A range whose minimum exceeds its maximum
    // is reported when storing and fails.
    void DDV_MinMaxInt(CDataExchange* pDX, UINT id, const CGUIData<int>& holder, int minimum, int maximum,
                       EDlgValidation minMode = eInclusive, EDlgValidation maxMode = eInclusive) {
        DDV_MinMax(pDX, id, holder, minimum, maximum, minMode, maxMode);
    }
    void DDV_MinMaxDouble(CDataExchange* pDX, UINT id, const CGUIData<double>& holder, double minimum,
                          double maximum, EDlgValidation minMode = eInclusive,
                          EDlgValidation maxMode = eInclusive) {
        DDV_MinMax(pDX, id, holder, minimum, maximum, minMode, maxMode);
    }
    template <class T>
    void DDV_MinMax(CDataExchange* pDX, UINT id, const CGUIData<T>& holder, T minimum, T maximum,
                    EDlgValidation minMode, EDlgValidation maxMode);
    template <class T>
    void CheckRange(CDataExchange* pDX, UINT id, T value, T minimum, T maximum, EDlgValidation minMode,
                    EDlgValidation maxMode, int skip);
    // A number typed as text (a combo's text, an edit kept as typed), judged as a range check judges a
    // holder: storing refuses a text that is no number or a number outside the range, loading paints
    // it. An empty text passes when `emptyAllowed`; nothing is judged while the control is disabled.
    void CheckNumberText(CDataExchange* pDX, UINT id, const CString& text, double minimum, double maximum,
                         EDlgValidation minMode, EDlgValidation maxMode, bool emptyAllowed = false);
    // A number edit that may be left empty: the empty edit stands for `none` (a value outside the range
    // that the record keeps for "no value" or "chosen by the kernel") and shows empty; any other text is
    // exchanged and checked as DDX_Range does.
    template <class T>
    void DDX_OptionalRange(CDataExchange* pDX, UINT id, CGUIData<T>& holder, const CGUIData<T>& none,
                           std::type_identity_t<T> minimum, std::type_identity_t<T> maximum,
                           EDlgValidation minMode = eInclusive, EDlgValidation maxMode = eInclusive);
    // One number edit in one line: the holder is exchanged with the edit, then range-checked as the
    // holder forms above check it.
    template <class T>
    void DDX_Range(CDataExchange* pDX, UINT id, CGUIData<T>& holder, std::type_identity_t<T> minimum,
                   std::type_identity_t<T> maximum, EDlgValidation minMode = eInclusive,
                   EDlgValidation maxMode = eInclusive) {
        DDX_STText(pDX, id, holder);
        DDV_MinMax<T>(pDX, id, holder, minimum, maximum, minMode, maxMode);
    }

    // The range message, e.g. "Enter a number in [1, 19]" or "Enter a number in (0, +inf)"; the bounds
    // are separated by "; " under a comma decimal symbol. With a non-zero `show` the framework also
    // shows it in a message box.
    template <class T>
    static CString TKMinMaxRangeMsg(T minimum, T maximum, EDlgValidation minMode, EDlgValidation maxMode,
                                    int show);

    // Number display: as a stream writes it, "." turned into "," under a comma decimal symbol.
    template <class T>
    static CString NumberText(T value) {
        return CGUIBaseObj::NumberText(value);
    }
    // A number the user gave, shown again: in the same form, with as many digits (six at least) as it
    // takes to read back the same number.
    static CString ExactNumberText(double value);
    // Parses an edit's text as a finite number under the host's decimal symbol (or `decimal`); nullopt
    // otherwise.
    static std::optional<double> ParseDouble(const CString& text);
    static std::optional<double> ParseDouble(const CString& text, wchar_t decimal);
    static std::optional<int> ParseInt(const CString& text, bool allowMinus = true);
    // The whole range of an unsigned holder, [0, 4294967295]; no sign.
    static std::optional<unsigned int> ParseUnsigned(const CString& text);
    // Numbers typed as a list, separated by blanks, each as ParseDouble reads it; nullopt when a word is
    // no number (an empty text is an empty list).
    static std::optional<std::vector<double>> ParseNumberList(const CString& text);

    // ---- user actions, as the window would deliver them (used by drivers) ----------------------------
    // Each throws std::invalid_argument naming what is wrong (unknown control, wrong kind, bad index).
    // Actions on a disabled or hidden control do nothing.
    virtual CGUIBaseDlg& GetActiveControlsDialog() { return *this; }
    void UserTypeText(UINT id, const CString& text);
    void UserCheck(UINT id, int checked);
    void UserRadio(UINT id);
    void UserCombo(UINT id, int index);
    void UserSelect(UINT list, const std::vector<CString>& names);
    void UserSelectAll(UINT list);
    // A page without OK, Cancel or Reset of its own hands those to the dialog it is a page of.
    void UserClick(UINT id);
    void UserDblClick(UINT list, const CString& name);
    void UserDrag(UINT from, const std::vector<CString>& names, UINT to);
    void UserContext(UINT list, UINT command);
    // Tab pages of a composite; a plain dialog has none.
    virtual int GetPageCount() const { return 0; }
    // A page's title, known before the page is first shown.
    virtual CString GetPageCaption(int) const { return {}; }
    virtual void UserShowPage(int page);

protected:
    // Puts a text into a control as the dialog (not the user) does: a save file edit's tool tip follows
    // it, and a number edit that a range check judged is judged again on the new text.
    void ShowText(CTKCtrl& ctrl, const CString& text);
    // Sends the range text to the main window's status bar.
    static void SendStatusBarText(const CString& text);
    static void ReportAssertion(long line);
    const CListPair* FindPairBySource(UINT source) const;
    const CListPair* FindPairByTarget(UINT target) const;
    const CListPair* FindPair(UINT source, UINT target) const;
    // The label naming the source list's context-menu item, or 0 for a list without the menu.
    UINT ListMenuLabel(UINT list) const;
    void UpdateListButtons();

private:
    // The last range a check judged an edit by, kept so that a new text is judged the same way.
    struct RangeRule {
        double minimum;
        double maximum;
        EDlgValidation minMode;
        EDlgValidation maxMode;
    };
    template <class T>
    static CString BoundText(T value, EDlgValidation mode, bool lower);
    template <class T>
    static bool InRange(T value, T minimum, T maximum, EDlgValidation minMode, EDlgValidation maxMode);
    static void ReportInvertedRange();
    // The text, and the tool tip of a save file edit with it.
    void PutText(CTKCtrl& ctrl, const CString& text);
    void DropVariablesTheDataLacks(CVariableList& list);
    // The pair a double-click on `source` moves along now, or null.
    const CListPair* FindDblClkPair(UINT source) const;

    UINT m_nTemplateID;
    CGUIBaseDlg* m_pParent;
    CGUIBaseObj* m_pData = nullptr;
    UINT m_nCaptionID = 0;
    CString m_strMenuCaption;
    CString m_strTemplateCaption;
    int m_nBaseRunFlag = 1;
    int m_nResult = 0;
    bool m_bEnded = false;
    bool m_bWindow = false;
    UINT m_nFocusCtrl = 0;
    UINT m_nSaveCheck = 0;
    UINT m_nSaveEdit = 0;
    int* m_pSaveChecked = nullptr;
    CString* m_pSaveFile = nullptr;
    std::map<UINT, std::unique_ptr<CTKCtrl>> m_controls;
    std::vector<CListPair> m_listPairs;
    std::vector<std::pair<UINT, UINT>> m_comboTables;  // (combo, table) filled when the controls are made
    std::vector<UINT> m_radioTables;
    std::map<std::pair<UINT, UINT>, UINT> m_listMenuItems;  // (list, command) -> target list
    std::set<UINT> m_radioGroups;                           // the radio tables exchanged by this dialog
    std::map<UINT, RangeRule> m_rangeRules;
    std::vector<CString> m_droppedVariables;  // by the exchange that loads the controls now
    std::size_t m_nDroppedEver = 0;           // by every exchange so far
    bool m_bUnshownDrops = false;             // the copies of a page not shown dropped variables
    bool m_bDblClkToAnyTarget = false;
};

using CDDXVDlg = CGUIBaseDlg;

#include "TvkBaseGui/CGUIBaseDlgExchange.h"
