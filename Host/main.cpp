#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Host/HostApp.h"
#include "Host/HostHelp.h"
#include "Host/HostMenu.h"
#include "Host/HostScript.h"
#include "Host/HostText.h"
#include "TvkUseRes/EmbeddedResources.h"

// The host's own embedded files: the demo's example data and values.
extern const EmbeddedResource kHostResources[];

namespace {

const char kUsage[] =
    "usage: tvkhost demo [OPTIONS]          open every menu item of the module with the bundled example\n"
    "                                       data, accept each dialog (with the demo's values where its\n"
    "                                       defaults are refused), and print the menu path and the lines\n"
    "                                       the kernel received\n"
    "       tvkhost run [OPTIONS] FILE|-    run a session script (- reads standard input)\n"
    "       tvkhost menu [OPTIONS]          list the module's menus with command ids and whether each\n"
    "                                       item is enabled now\n"
    "       tvkhost help [ID]               print the help of the dialog of menu item ID; without ID,\n"
    "                                       list the items with their dialogs' titles\n"
    "       tvkhost --help                  this text\n"
    "\n"
    "`tvkhost COMMAND --help` describes a command and its options. Exit status: 0 on success, 2 on\n"
    "bad input (a script, data or record file that cannot be read or is malformed, a log that cannot\n"
    "be written, a bad option; the message names the file and line), 1 when the module cannot be\n"
    "loaded. A fault in the module is reported as an assertion (`assert: FILE:LINE`) and the run goes\n"
    "on.\n"
    "The module is libDlgStat1.so next to tvkhost, or the file that TVKHOST_MODULE names. The\n"
    "distribution description files are the module's own (embedded in it), or those of the folder that\n"
    "TVKHOST_DISTRIBUTIONS names.\n";

const char kDemoHelp[] =
    "usage: tvkhost demo [--set NAME=VALUE]... [--log FILE] [--values FILE]\n"
    "\n"
    "Loads the bundled example data (60 cases of Sales, Visitors, Temperature, Rainfall and the string\n"
    "variable Region), then goes through the module's menus in menu order. For each item it prints\n"
    "`== ` and the item's menu path; a disabled item prints `disabled` and is not chosen. A dialog is\n"
    "accepted with its defaults, and the lines the kernel then receives follow the path. A dialog that\n"
    "refuses its defaults is given the demo's values for its item, if it has any: it prints\n"
    "`refused with its defaults; with the demo's values:` and OK is pressed again. A dialog that refuses\n"
    "still (or has no values) prints `refused` and is cancelled. Items the module does not handle yet\n"
    "print their path only. Message boxes, warnings, status-bar texts and assertions are printed as by\n"
    "`run`.\n"
    "\n"
    "The demo's values (bundled as Resources/data/demo.tvs) are written as a session script: `menu ID`\n"
    "starts the values of item ID, and the dialog commands of `tvkhost run --help` follow it, one a\n"
    "line (not ok or cancel: the demo presses OK itself). A mistake in them stops the demo with\n"
    "`tvkhost: FILE:LINE: what is wrong` and exit status 2.\n"
    "\n"
    "options:\n"
    "  --set NAME=VALUE    a host setting before the demo starts (see tvkhost run --help)\n"
    "  --log FILE          also write every line the kernel received to FILE\n"
    "  --values FILE       take the demo's values from FILE instead of the bundled ones\n";

const char kMenuHelp[] =
    "usage: tvkhost menu [--data FILE] [--set NAME=VALUE]...\n"
    "\n"
    "Lists the module's menus in menu order as a tree. Each item shows its command id (the dialog\n"
    "identifier), its text with the shortcut in brackets, and `enabled` or `disabled` as the module's\n"
    "menu group decides for the host's state now (`checked` too for a checked item). Without --data the\n"
    "host has no data, and items that need variables are disabled.\n"
    "\n"
    "options:\n"
    "  --data FILE         load a CSV data file first\n"
    "  --set NAME=VALUE    a host setting (see tvkhost run --help)\n";

const char kHelpHelp[] =
    "usage: tvkhost help [ID]\n"
    "\n"
    "Prints the help of the dialog that menu item ID opens (the command ids are those of `tvkhost\n"
    "menu`): what the procedure asks the kernel for, what each control means and which clause of the\n"
    "command line it writes, and an example: a session script for `tvkhost run` on the bundled example\n"
    "data, with the lines it sends. The desktop program tvkstudio shows the same text (F1 or Help in a\n"
    "dialog).\n"
    "\n"
    "Without ID, lists every menu item of the module in menu order: its command id and its dialog's\n"
    "title, and `(no help)` for an item that has none. An ID that is not a menu item of the module, or\n"
    "one without help, is an error (exit status 2).\n";

struct Options {
    std::vector<std::pair<std::string, std::string>> settings;
    std::optional<std::string> data;
    std::optional<std::string> log;
    std::optional<std::string> values;
    std::vector<std::string> files;
    bool help = false;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Options ParseOptions(int argc, char** argv, bool takesData, bool takesLog, bool takesFile, bool takesValues) {
    Options o;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw UsageError(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--set") {
            const std::string setting = value();
            const std::size_t eq = setting.find('=');
            if (eq == std::string::npos)
                throw UsageError("--set takes NAME=VALUE, not '" + setting + "'");
            o.settings.emplace_back(setting.substr(0, eq), setting.substr(eq + 1));
        } else if (arg == "--data" && takesData) {
            o.data = value();
        } else if (arg == "--log" && takesLog) {
            o.log = value();
        } else if (arg == "--values" && takesValues) {
            o.values = value();
        } else if (takesFile && (arg == "-" || arg.rfind("-", 0) != 0)) {
            o.files.push_back(arg);
        } else {
            throw UsageError("unknown option '" + arg + "'");
        }
    }
    return o;
}

// Loads the module and applies the options every command shares.
void PrepareHost(HostApp& host, const Options& o) {
    host.LoadModule();
    for (const auto& [name, value] : o.settings) {
        try {
            ApplyHostSetting(host, name, value);
        } catch (const std::invalid_argument& e) {
            throw UsageError("--set " + name + "=" + value + ": " + e.what());
        }
    }
    if (o.data)
        host.Data().LoadCsv(*o.data);
}

// A file the user named on the command line cannot be used: exit status 2, like any bad input.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The log is checked before anything runs, so that a run is not lost for want of its log; it is
// written when the run ends.
void CheckLog(const Options& o, const std::optional<FileIdentity>& script) {
    if (!o.log)
        return;
    if (script && IdentityOf(*o.log) == script)
        throw FileError(*o.log + ": the log would overwrite the script");
    if (!std::ofstream(*o.log, std::ios::app))
        throw FileError(*o.log + ": cannot write the log");
}

void WriteLog(const HostApp& host, const Options& o) {
    if (!o.log)
        return;
    std::ofstream out(*o.log, std::ios::trunc);
    for (const auto& line : host.KernelLog())
        out << line.ToUtf8() << "\n";
    out.close();
    if (!out)
        throw FileError(*o.log + ": cannot write the log");
}

const EmbeddedResource* FindEmbedded(std::string_view path) {
    return FindInTable(kHostResources, path);
}

// The demo's own values for dialogs whose defaults do not pass their checks: after `menu ID`, the
// dialog commands of a session script that make that item's dialog acceptable.
class DemoActions {
public:
    struct Line {
        int number;
        std::vector<ScriptWord> words;
    };

    // Reads the values through `runner`, as a script's lines are read.
    DemoActions(const HostApp& host, ScriptRunner& runner) {
        std::vector<Line>* current = nullptr;
        int number = 0;
        for (std::vector<ScriptWord> words; runner.ReadLine(number, words);) {
            if (words.empty())
                continue;
            const std::string& command = words.front().text;
            if (command == "menu") {
                if (words.size() != 2 || words[1].text.empty() ||
                    words[1].text.find_first_not_of("0123456789") != std::string::npos ||
                    words[1].text.size() > 9)
                    throw ScriptError(number, "usage: menu ID");
                const UINT id = static_cast<UINT>(std::stoul(words[1].text));
                if (!host.IsModuleCommand(id))
                    throw ScriptError(number, "the module has no menu item " + words[1].text);
                if (m_actions.count(id))
                    throw ScriptError(number, "menu item " + words[1].text + " has its values already");
                current = &m_actions[id];
            } else if (!current) {
                throw ScriptError(number, "'" + command + "' before the first `menu ID`");
            } else if (command == "ok" || command == "cancel") {
                throw ScriptError(number, "the demo presses OK itself; '" + command + "' has no place here");
            } else {
                current->push_back({number, words});
            }
        }
    }

    const std::vector<Line>* Find(UINT command) const {
        const auto it = m_actions.find(command);
        return it == m_actions.end() ? nullptr : &it->second;
    }

private:
    std::map<UINT, std::vector<Line>> m_actions;
};

// The demo accepts every dialog as it opens; a dialog that refuses its defaults gets the demo's values
// for its menu item, if there are any, and is accepted with those.
class DemoDriver final : public IDialogDriver {
public:
    DemoDriver(std::ostream& out, const DemoActions& actions, ScriptRunner& runner)
        : m_out(out), m_actions(actions), m_runner(runner) {}

    // The menu item whose dialog opens next.
    void Choose(UINT command) { m_command = command; }

    // A mistake in the demo's values that showed while a dialog was open; it is closed by then.
    std::optional<ScriptError> TakeError() { return std::exchange(m_error, std::nullopt); }

    int Run(CGUIBaseDlg& dlg) override {
        if (dlg.OnOK() || dlg.IsEnded())
            return dlg.GetResult();
        // A dialog that the values open (a sub-dialog) is only accepted.
        const auto* actions = m_depth == 0 ? m_actions.Find(m_command) : nullptr;
        if (actions) {
            ++m_depth;
            m_out << "refused with its defaults; with the demo's values:\n";
            try {
                for (const DemoActions::Line& line : *actions)
                    if (m_runner.ExecuteDialogCommand(line.number, line.words, dlg)) {
                        --m_depth;
                        return dlg.GetResult();
                    }
            } catch (const ScriptError& e) {
                --m_depth;
                m_error = e;
                dlg.OnCancel();
                return IDCANCEL;
            }
            --m_depth;
            if (dlg.OnOK() || dlg.IsEnded())
                return dlg.GetResult();
        }
        m_out << "refused\n";
        dlg.OnCancel();
        return IDCANCEL;
    }

private:
    std::ostream& m_out;
    const DemoActions& m_actions;
    ScriptRunner& m_runner;
    UINT m_command = 0;
    int m_depth = 0;
    std::optional<ScriptError> m_error;
};

int Demo(const Options& o) {
    CheckLog(o, std::nullopt);
    HostApp host(std::cout);
    PrepareHost(host, o);
    const EmbeddedResource* data = FindEmbedded("data/example.csv");
    const EmbeddedResource* bundled = FindEmbedded("data/demo.tvs");
    if (!data || !bundled)
        throw ModuleLoadError("the example data is missing from this build");
    const std::string valuesName = o.values.value_or("demo.tvs");
    TextBuf bundledText(bundled->bytes);
    std::istream bundledValues(&bundledText);
    std::ifstream valuesFile;
    if (o.values) {
        if (const std::string problem = FileProblem(*o.values); !problem.empty())
            throw FileError(*o.values + ": cannot open the demo's values: " + problem);
        valuesFile.open(*o.values, std::ios::binary);
        if (!valuesFile)
            throw FileError(*o.values + ": cannot open the demo's values");
    }
    const auto fail = [&](const ScriptError& e) {
        return FileError(valuesName + ":" + std::to_string(e.GetLine()) + ": " + e.what());
    };
    // The runner reads the demo's values and carries them out; it drives no dialog (it installs itself
    // as the driver, and gives way to the demo's at once).
    ScriptRunner runner(host, o.values ? static_cast<std::istream&>(valuesFile) : bundledValues, std::cerr,
                        {valuesName, std::filesystem::path(valuesName).parent_path(), false, nullptr, {}});
    std::optional<DemoActions> actions;
    try {
        actions.emplace(host, runner);
    } catch (const ScriptError& e) {
        throw fail(e);
    } catch (const std::ios_base::failure&) {
        throw FileError(valuesName + ": cannot read the demo's values");
    }
    host.Data().LoadCsvText(data->bytes, "example.csv");
    std::cout << "data: example.csv, " << host.Data().GetVariableCount() << " variables, "
              << host.Data().GetCaseCount() << " cases\n";

    IDialogDriver* previous = GetDialogDriver();
    DemoDriver driver(host.Out(), *actions, runner);
    InstallDialogDriver(&driver);
    std::optional<ScriptError> error;
    for (const HostMenuItem& item : ModuleMenuItems()) {
        std::cout << "== " << CString(MenuPath(item.chain)).ToUtf8() << "\n";
        if (!host.UpdateCommand(item.command).m_bEnabled) {
            std::cout << "disabled\n";
            continue;
        }
        driver.Choose(item.command);
        host.RouteCommand(item.command);
        if ((error = driver.TakeError()))
            break;
    }
    InstallDialogDriver(previous);
    std::cout.flush();
    if (error)
        throw fail(*error);
    WriteLog(host, o);
    return 0;
}

int Menu(const Options& o) {
    HostApp host(std::cout);
    PrepareHost(host, o);
    std::vector<std::wstring> previous;
    for (const HostMenuItem& item : ModuleMenuItems()) {
        const auto& chain = item.chain;
        // Print the menus above the item that the previous item did not share.
        std::size_t shared = 0;
        while (shared + 1 < chain.size() && shared + 1 < previous.size() && chain[shared] == previous[shared])
            ++shared;
        for (std::size_t level = shared; level + 1 < chain.size(); ++level)
            std::cout << std::string(2 * level, ' ') << CString(DisplayMenuText(chain[level])).ToUtf8()
                      << "\n";
        previous = chain;

        std::cout << std::string(2 * (chain.size() - 1), ' ') << item.command << " "
                  << CString(DisplayMenuText(chain.back(), true)).ToUtf8();
        if (const std::wstring shortcut = MenuShortcut(chain.back()); !shortcut.empty())
            std::cout << " [" << CString(shortcut).ToUtf8() << "]";
        if (!host.IsModuleCommand(item.command)) {
            std::cout << ": not handled by the module\n";
            continue;
        }
        const CCmdUI ui = host.UpdateCommand(item.command);
        std::cout << ": " << (ui.m_bEnabled ? "enabled" : "disabled") << (ui.m_nCheck ? ", checked" : "")
                  << "\n";
    }
    return 0;
}

int Run(const Options& o) {
    if (o.files.size() != 1)
        throw UsageError(o.files.empty() ? "run needs a script FILE (or - for standard input)"
                                         : "run takes one script FILE");
    const std::string& file = o.files.front();
    const bool fromStdin = file == "-";
    if (!fromStdin)
        if (const std::string problem = FileProblem(file); !problem.empty())
            throw FileError(file + ": cannot open the script: " + problem);
    const std::optional<FileIdentity> script =
        fromStdin ? IdentityOfDescriptor(STDIN_FILENO) : IdentityOf(file);
    CheckLog(o, script);
    HostApp host(std::cout);
    PrepareHost(host, o);
    std::vector<FileIdentity> reading;
    if (script)
        reading.push_back(*script);
    int status = 0;
    if (fromStdin) {
        const bool terminal = isatty(STDIN_FILENO) != 0;
        ScriptRunner runner(host, std::cin, std::cerr, {"stdin", {}, terminal, &std::cerr, reading});
        status = runner.RunScript();
    } else {
        std::ifstream in(file, std::ios::binary);
        if (!in)
            throw FileError(file + ": cannot open the script");
        ScriptRunner runner(host, in, std::cerr,
                            {file, std::filesystem::path(file).parent_path(), false, nullptr, reading});
        try {
            status = runner.RunScript();
        } catch (const std::ios_base::failure&) {
            throw FileError(file + ": cannot read the script");
        }
    }
    WriteLog(host, o);
    return status;
}

int Help(int argc, char** argv) {
    std::optional<std::string> id;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelpHelp;
            return 0;
        }
        if (arg.rfind("-", 0) == 0)
            throw UsageError("unknown option '" + arg + "'");
        if (id)
            throw UsageError("help takes one ID");
        id = arg;
    }
    // The menus and help texts are the module's: they come with it.
    HostApp host(std::cout);
    host.LoadModule();
    const auto& items = ModuleMenuItems();
    if (!id) {
        for (const HostMenuItem& item : items)
            std::cout << item.command << "  " << DialogTitle(item)
                      << (FindHelpFile(item.command) ? "" : "  (no help)") << "\n";
        return 0;
    }
    if (id->empty() || id->size() > 9 || id->find_first_not_of("0123456789") != std::string::npos)
        throw UsageError("'" + *id + "' is not a command id");
    const UINT command = static_cast<UINT>(std::stoul(*id));
    const bool known = std::any_of(items.begin(), items.end(),
                                   [&](const HostMenuItem& item) { return item.command == command; });
    if (!known)
        throw FileError("no menu item has the command id " + *id + " (tvkhost help lists them)");
    const auto text = FindHelpFile(command);
    if (!text)
        throw FileError("menu item " + *id + " has no help");
    std::cout << *text;
    if (!text->empty() && text->back() != '\n')
        std::cout << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // A file that would outgrow the size limit fails to be written, and says so, as on a full disk;
    // the signal would end the run with a half-written file beside the kept one.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "--help" || command == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (command == "help")
            return Help(argc, argv);
        if (command == "demo" || command == "menu" || command == "run") {
            const Options o = ParseOptions(argc, argv, command != "demo", command != "menu", command == "run",
                                           command == "demo");
            if (o.help) {
                std::cout << (command == "demo" ? kDemoHelp : command == "menu" ? kMenuHelp : kScriptHelp);
                return 0;
            }
            return command == "demo" ? Demo(o) : command == "menu" ? Menu(o) : Run(o);
        }
        std::cerr << "tvkhost: "
                  << (command.empty() ? "no command given" : "unknown command '" + Escaped(command) + "'")
                  << "\n"
                  << kUsage;
        return 2;
    } catch (const UsageError& e) {
        std::cerr << "tvkhost: " << Escaped(e.what()) << " (tvkhost "
                  << (command.empty() ? "" : command + " ") << "--help)\n";
        return 2;
    } catch (const HostError& e) {
        std::cout.flush();
        std::cerr << "tvkhost: " << Escaped(e.what()) << "\n";
        return 2;
    } catch (const FileError& e) {
        std::cout.flush();
        std::cerr << "tvkhost: " << Escaped(e.what()) << "\n";
        return 2;
    } catch (const ModuleLoadError& e) {
        std::cout.flush();
        std::cerr << "tvkhost: " << Escaped(e.what()) << "\n";
        return 1;
    } catch (const std::exception& e) {
        // A fault that ended the run: reported as the module's assertions are, with what it said.
        std::cout << "assert: main.cpp:" << __LINE__ << std::endl;
        std::cerr << "tvkhost: " << Escaped(e.what()) << "\n";
        return 2;
    }
}
