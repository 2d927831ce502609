#pragma once

#include "Platform/CString.h"
#include "TvkApi.h"
#include "TvkBaseGui/CGUIBaseObj.h"
#include "TvkBaseGui/CGUIDlgActions.h"

class CGUIBaseDlg;

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

// Base of every procedure dialog: a headless model of a dialog built from its template.
//
// The dialog keeps copies of its record's options; DoDataExchange moves them between the copies and the
// controls; OK validates, writes the copies into the record and ends the dialog. What it stands on: the
// controls (CGUIDlgControls), the list pairs (CGUIDlgLists), the exchange (CGUIDlgExchange), the range
// checks (CGUIDlgRangeChecks) and the user actions a driver performs (CGUIDlgActions).
class TVK_API CGUIBaseDlg : public CGUIDlgActions {
public:
    explicit CGUIBaseDlg(UINT templateId, CGUIBaseDlg* parent = nullptr)
        : CGUIDlgActions(templateId), m_pParent(parent) {}

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

    // ---- running ----------------------------------------------------------------------------------
    // Creates the window (the controls), runs OnInitDialog and then the installed driver.
    virtual int DoModal();
    // Set unless the dialog is a tab page (its composite clears it): OK then runs the command.
    int GetBaseRunFlag() const { return m_nBaseRunFlag; }
    void SetBaseRunFlag(int flag) { m_nBaseRunFlag = flag; }
    int GetResult() const { return m_nResult; }

    // ---- the procedure's part ---------------------------------------------------------------------
    virtual BOOL OnInitDialog();
    virtual int GetAll() { return 1; }
    virtual int SetAll() { return 1; }
    virtual int GetAllDefault() { return 1; }
    virtual int SetAllDefault() { return 1; }
    void OnReset() override;
    virtual void AddToolTips() {}
    bool OnOK() override;
    void OnCancel() override { EndDialog(IDCANCEL); }
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

    // ---- tab pages ----------------------------------------------------------------------------------
    // The dialog whose controls the user acts on now: a composite's shown page.
    virtual CGUIBaseDlg& GetActiveControlsDialog() { return *this; }
    // Tab pages of a composite; a plain dialog has none.
    virtual int GetPageCount() const { return 0; }
    // A page's title, known before the page is first shown.
    virtual CString GetPageCaption(int) const { return {}; }

protected:
    CGUIDlgActions* StandardButtonsParent() const override { return m_pParent; }

private:
    CGUIBaseDlg* m_pParent;
    CGUIBaseObj* m_pData = nullptr;
    UINT m_nCaptionID = 0;
    CString m_strMenuCaption;
    int m_nBaseRunFlag = 1;
    int m_nResult = 0;
    bool m_bEnded = false;
    bool m_bUnshownDrops = false;  // the copies of a page not shown dropped variables
};

using CDDXVDlg = CGUIBaseDlg;

// What a procedure dialog's class declares, said once: its constructor (the parent is the composite it
// is a page of) and the base's hooks it overrides, by their names:
//
//     TVK_DIALOG(CArimaDlg, DoDataExchange, UpdateDependentWindows);
//
// Each name stands for the override's usual declaration (TVK_DIALOG_HOOK_<name>); any other override is
// declared as usual beside it.
#define TVK_DIALOG(Class, ...)                    \
    explicit Class(CGUIBaseDlg* parent = nullptr) \
        __VA_OPT__(; TVK_DIALOG_EXPAND(TVK_DIALOG_HOOKS(__VA_ARGS__)))
#define TVK_DIALOG_HOOK_DoDataExchange void DoDataExchange(CDataExchange* pDX) override
#define TVK_DIALOG_HOOK_UpdateDependentWindows void UpdateDependentWindows() override
#define TVK_DIALOG_HOOK_OnInitDialog BOOL OnInitDialog() override
#define TVK_DIALOG_HOOK_AddToolTips void AddToolTips() override
#define TVK_DIALOG_HOOK_OnCtrlChanged void OnCtrlChanged(UINT id) override
#define TVK_DIALOG_HOOK_OnCtrlClicked void OnCtrlClicked(UINT id) override
// One hook after the other, a semicolon between: each rescan of TVK_DIALOG_EXPAND takes one step.
#define TVK_DIALOG_HOOKS(hook, ...) \
    TVK_DIALOG_HOOK_##hook __VA_OPT__(; TVK_DIALOG_HOOKS_AGAIN TVK_DIALOG_PARENS(__VA_ARGS__))
#define TVK_DIALOG_HOOKS_AGAIN() TVK_DIALOG_HOOKS
#define TVK_DIALOG_PARENS ()
#define TVK_DIALOG_EXPAND(...) TVK_DIALOG_EXPAND4(TVK_DIALOG_EXPAND4(__VA_ARGS__))
#define TVK_DIALOG_EXPAND4(...) \
    TVK_DIALOG_EXPAND1(TVK_DIALOG_EXPAND1(TVK_DIALOG_EXPAND1(TVK_DIALOG_EXPAND1(__VA_ARGS__))))
#define TVK_DIALOG_EXPAND1(...) __VA_ARGS__
