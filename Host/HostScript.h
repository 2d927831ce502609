#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Host/HostApp.h"
#include "Host/HostText.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

// A mistake in a session script: what is wrong, and the line.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& what) : std::runtime_error(what), m_line(line) {}
    int GetLine() const { return m_line; }

private:
    int m_line;
};

// One word of a script line; `quoted` tells "*" the name from * the wildcard.
struct ScriptWord {
    std::string text;
    bool quoted = false;
};

// Splits one script line into words: blanks separate words, a word in double quotes may hold blanks
// (a doubled quote inside stands for one), "" is an empty word, and "#" outside quotes starts a
// comment. Throws ScriptError for a quote that is never closed and for a control character outside a
// comment (a script is plain text; a word with a line break would reach the kernel as two lines).
std::vector<ScriptWord> SplitScriptLine(std::string_view line, int lineNumber);

// Applies `set NAME VALUE` to the host; throws std::invalid_argument saying what is wrong.
void ApplyHostSetting(HostApp& host, const std::string& name, const std::string& value);

// Runs a session script against a host, one command a line. It is also the dialog driver: a dialog
// that a `menu` command opens reads the following lines from the same script until it ends, so the
// reader is shared by the outer loop and every dialog.
class ScriptRunner final : public IDialogDriver {
public:
    struct Options {
        std::string name;                   // the script's name in messages
        std::filesystem::path directory;    // relative file names in the script are taken from here
        bool interactive = false;           // prompt, and go on after an error
        std::ostream* prompt = nullptr;     // where prompts go when interactive
        std::vector<FileIdentity> reading;  // the scripts being read, which `save` must not overwrite
        std::size_t lineLimit = kMaxLineBytes;
    };

    ScriptRunner(HostApp& host, std::istream& in, std::ostream& err, Options options);
    ~ScriptRunner() override;
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Runs the script to its end or its first error: 0, or 2 after an error (reported on `err`).
    int RunScript();

    // IDialogDriver
    int Run(CGUIBaseDlg& dlg) override;

    // Runs one dialog command of line `line` (page, text, check, combo, select, set, ...) on a dialog
    // that someone else drives, as that line of a script would; true when the dialog has ended. Throws
    // ScriptError; notes go to `err` under the script's name.
    bool ExecuteDialogCommand(int line, const std::vector<ScriptWord>& words, CGUIBaseDlg& dlg) {
        return ExecuteInDialog(line, words, dlg);
    }
    // The script's next line, read as RunScript reads it (byte-order mark, line ends, the line limit);
    // false at its end. Throws ScriptError.
    bool ReadLine(int& number, std::vector<ScriptWord>& words) { return NextLine(number, words); }

private:
    bool NextLine(int& number, std::vector<ScriptWord>& words);
    void Execute(int line, const std::vector<ScriptWord>& words, CGUIBaseDlg* dlg);
    // The dialog commands; true when the dialog has ended.
    bool ExecuteInDialog(int line, const std::vector<ScriptWord>& words, CGUIBaseDlg& dlg);
    void Report(const ScriptError& error);
    // A note on standard error that does not stop the script.
    void Note(int line, const std::string& what);
    std::filesystem::path Resolve(const std::string& file) const;
    void LoadData(int line, const std::vector<ScriptWord>& words);
    void PrintControl(CGUIBaseDlg& dlg, UINT id);
    void PrintControls(CGUIBaseDlg& dlg);
    void SaveRecords(int line, const std::string& file);

    HostApp& m_host;
    ByteReader m_reader;
    bool m_started = false;  // the byte-order mark has been looked at
    std::ostream& m_err;
    Options m_options;
    IDialogDriver* m_previousDriver;
    int m_lineNumber = 0;
    int m_menuLine = 0;  // the line of the `menu` command whose dialog is open
    int m_dialogDepth = 0;
    bool m_failed = false;
    std::optional<ScriptError> m_pending;  // an error inside a dialog, raised again once it is closed
};

// The text for `--help` of `tvkhost run`.
extern const char kScriptHelp[];
