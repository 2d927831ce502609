#pragma once

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "Platform/CString.h"
#include "TvkApi.h"
#include "TvkBaseGui/CGUIControls.h"

// Standard buttons of every template.
inline constexpr UINT IDOK = 1;
inline constexpr UINT IDCANCEL = 2;
inline constexpr UINT IDC_RESET = 3;
// The list context-menu command that adds the selection to the target list.
inline constexpr UINT ID_LIST_ADD_TARGET = 33001;

// The controls of a dialog: made from its template (Resources/templates) when its window is created,
// looked up by id, and given their state as the dialog (not the user) gives it.
class TVK_API CGUIDlgControls {
public:
    explicit CGUIDlgControls(UINT templateId) : m_nTemplateID(templateId) {}
    virtual ~CGUIDlgControls() = default;
    CGUIDlgControls(const CGUIDlgControls&) = delete;
    CGUIDlgControls& operator=(const CGUIDlgControls&) = delete;

    UINT GetTemplateID() const { return m_nTemplateID; }
    // Makes the controls from the template, once; a dialog whose template is missing reports an
    // assertion and has no controls.
    void CreateWindowFromTemplate();
    bool HasWindow() const { return m_bWindow; }

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
    // The items of a combo box, the texts of a radio group's buttons, from their tables: now, or when the
    // controls are made if they are not yet (so a constructor may ask).
    void FillComboFromResource(UINT combo, UINT comboResource);
    void FillRadioFromResource(UINT radioGroup);

protected:
    // The places an assertion report names: the numbers reports have always given them.
    enum AssertionPoint : long {
        kAssertInvertedRange = 68,
        kAssertNoTemplate = 77,
        kAssertUnknownKind = 84,
        kAssertMenuWithoutPair = 163,
    };
    static void ReportAssertion(AssertionPoint point);
    // Sends a text to the main window's status bar.
    static void SendStatusBarText(const CString& text);

    // Puts a text into a control as the dialog (not the user) does; the exchange adds what follows it.
    virtual void ShowText(CTKCtrl& ctrl, const CString& text) { ctrl.m_strText = text; }
    const std::map<UINT, std::unique_ptr<CTKCtrl>>& Controls() const { return m_controls; }
    // Drops the controls: the window is made anew when it is next created.
    void DiscardWindow();
    // Enables each control its template says a check or radio governs (`when`/`unless`).
    void ApplyTemplateRules();

private:
    UINT m_nTemplateID;
    bool m_bWindow = false;
    std::map<UINT, std::unique_ptr<CTKCtrl>> m_controls;
    std::vector<std::pair<UINT, UINT>> m_comboTables;  // (combo, table) filled when the controls are made
    std::vector<UINT> m_radioTables;
    struct EnableRule {
        UINT control;
        UINT governor;
        bool unless;
    };
    std::vector<EnableRule> m_enableRules;  // from the template, when the controls are made
};
