#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Host/HostApp.h"
#include "Studio/SessionScript.h"

class CGUIBaseDlg;

// The reference host's code as the desktop host uses it: one HostApp whose reports come here as events
// (it prints nothing), the data with its cells, the record store and the kernel's log as files, and the
// preview of an open dialog's lines. Nothing here knows of widgets.
class StudioSession {
public:
    StudioSession();
    ~StudioSession();
    StudioSession(const StudioSession&) = delete;
    StudioSession& operator=(const StudioSession&) = delete;

    HostApp& Host() { return *m_host; }
    // Called for every report, in order. Message boxes of the module arrive here too.
    std::function<void(const HostReport&)> onReport;

    // The last status bar text reported, taken once: a dialog says on opening what it did while it
    // opened (the variables it dropped), before its window existed.
    std::string TakeStatus() { return std::exchange(m_status, {}); }

    // Throws HostError naming the file.
    void LoadData(const std::string& path);
    void SaveRecords(const std::string& path) const;
    void OpenRecords(const std::string& path);
    void SaveLog(const std::string& path) const;
    // A host setting by its script name (`set NAME VALUE`); throws std::invalid_argument.
    void ApplySetting(const std::string& name, const std::string& value);

    // What the user does, through the same entry points as the session script's commands of the same
    // names. Each is also written down (with the data loaded, the records opened and the settings
    // applied) as a line of the session script that SaveScript writes. Dialog actions throw
    // std::invalid_argument as the dialog's own do, and are then not written down.
    void Choose(UINT command);
    // Text holding a control character is refused (HostError), as a script's word holding one is: a
    // field takes plain text. `lineEnds`: CR LF between the rows of a multi-line edit is no such
    // character.
    void Text(CGUIBaseDlg& dlg, UINT id, const CString& text, bool lineEnds = false);
    void Check(CGUIBaseDlg& dlg, UINT id, bool checked);
    void Radio(CGUIBaseDlg& dlg, UINT id);
    void Combo(CGUIBaseDlg& dlg, UINT id, int index);
    void Select(CGUIBaseDlg& dlg, UINT list, const std::vector<CString>& names);
    void Click(CGUIBaseDlg& dlg, UINT id);
    void DblClick(CGUIBaseDlg& dlg, UINT list, const CString& name);
    void Drag(CGUIBaseDlg& dlg, UINT from, const std::vector<CString>& names, UINT to);
    void Context(CGUIBaseDlg& dlg, UINT list, UINT command);
    void ShowPage(CGUIBaseDlg& dlg, int page);
    // OK (false when the dialog refused it) and Cancel of the dialog as a whole.
    bool Ok(CGUIBaseDlg& dlg);
    void Cancel(CGUIBaseDlg& dlg);

    const SessionScript& Script() const { return m_script; }
    // Throws HostError naming the file.
    void SaveScript(const std::string& path) const { m_script.Save(path); }

    // The lines OK would send now: the dialog stores its controls into its record as OK does, the
    // record's lines are taken, and the record and every control of `shown` (the dialog and the pages
    // that have windows) are put back as they were, but for the range marks of values that now pass.
    // Nothing reaches the kernel or the reports.
    struct Preview {
        bool refused = false;
        std::string reason;  // what the dialog said when it refused, if anything
        std::vector<std::string> lines;
    };
    Preview PreviewLines(CGUIBaseDlg& dlg, const std::vector<CGUIBaseDlg*>& shown);

private:
    void Dispatch(const HostReport& report);

    std::ostream m_out{nullptr};
    std::unique_ptr<HostApp> m_host;
    std::string m_status;
    SessionScript m_script;
};
