#include "Host/HostScript.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "Host/ControlOrder.h"
#include "Host/HostMenu.h"
#include "Platform/CArchive.h"
#include "TvkBaseGui/IPictureSource.h"
#include "TvkUseRes/ResourceTables.h"

const char kScriptHelp[] =
    "usage: tvkhost run [OPTIONS] FILE     run the session script FILE\n"
    "       tvkhost run [OPTIONS] -        read the script from standard input (with a prompt when it\n"
    "                                      is a terminal; errors are then reported and the session goes\n"
    "                                      on, and the exit status is 2 if there were any)\n"
    "\n"
    "options:\n"
    "  --data FILE         load a CSV data file before the script runs\n"
    "  --set NAME=VALUE    a host setting, as `set NAME VALUE` in a script (may be repeated)\n"
    "  --log FILE          also write every line the kernel received to FILE\n"
    "  --help              this text\n"
    "\n"
    "A script has one command a line. Words are separated by blanks; a value with blanks is written in\n"
    "double quotes (a doubled quote inside stands for one), and \"\" is the empty value. `#` outside\n"
    "quotes starts a comment. File names are taken relative to the script's folder (to the current\n"
    "folder for standard input). A line ends at \\n, \\r\\n or \\r and holds at most 16 MiB; outside a\n"
    "comment it holds no control character (a tab between words is a blank).\n"
    "\n"
    "Host commands:\n"
    "  data FILE                       load a CSV file (UTF-8): a header row of names, then one case a\n"
    "                                  row; a column is numeric when every non-empty cell is a number.\n"
    "                                  A name is a letter, then letters, digits or _, at most 64 of\n"
    "                                  them, unique ignoring case, and no keyword of the command\n"
    "                                  language (ALL AND BY EQ GE GT LE LT NE NOT OR TO WITH); a row\n"
    "                                  holds at most 16 MiB\n"
    "  data synthetic NVARS NROWS      NVARS numeric variables V1..Vn with NROWS cases\n"
    "  data none                       no data\n"
    "  set NAME VALUE                  a host setting (below)\n"
    "  menu ID                         choose the menu item with this dialog identifier (it must be\n"
    "                                  enabled); a dialog it opens takes the following commands until\n"
    "                                  `ok` succeeds or `cancel`\n"
    "  lines ID                        print the lines the record kept under command ID gives now\n"
    "  update ID                       print `ID enabled=0/1 checked=0/1` for menu item ID\n"
    "  dump ID                         print the archive of the record kept under command ID in hex\n"
    "  save FILE                       store every kept record in FILE (not the script being run): a\n"
    "                                  new file, put in FILE's place once it is whole\n"
    "  open FILE                       read the records of FILE (at most 256 MiB) back; they replace\n"
    "                                  those kept. A store holding a text with a control character,\n"
    "                                  a name no data file could hold or any other fault is refused\n"
    "                                  whole, naming the record\n"
    "\n"
    "Dialog commands (while a dialog is open; control ids of a tabbed dialog refer to the shown page):\n"
    "  page N                          show tab page N (0 first)\n"
    "  text ID VALUE                   type VALUE into edit ID, replacing its text\n"
    "  check ID 0|1                    set check box ID; its handler runs when the state changes\n"
    "  radio ID                        choose radio button ID\n"
    "  combo ID INDEX                  choose item INDEX (0 first) of combo ID\n"
    "  combo ID TEXT                   choose the item whose text is TEXT (any case; a unique prefix will "
    "do)\n"
    "  plot FILE                       write the picture the dialog draws as a PNG file (not over\n"
    "                                  the script being run)\n"
    "  select ID NAME...               select the named items of list ID, replacing its selection\n"
    "  select ID *                     select every item of list ID (\"*\" in quotes is a name)\n"
    "  click ID                        press button ID (1 is OK, 2 is Cancel), or click a check or radio\n"
    "  dblclick ID NAME                double-click item NAME of list ID: its first click selects the\n"
    "                                  item (the dialog hears of the new selection), then the dialog\n"
    "                                  takes the double-click (a source list adds the item)\n"
    "  drag ID NAME... to ID2          drag the named items of list ID (or * for all) onto list ID2\n"
    "                                  (0: outside any list)\n"
    "  context ID CMD                  choose command CMD of list ID's context menu (33001: add)\n"
    "  show                            list every control of the dialog (of the shown page), one a line\n"
    "                                  in the dialog's order: `ID kind \"label\" enabled= visible=`, then\n"
    "                                  checked= (checks, radios), text=\"...\" (edits), selected=\"...\"\n"
    "                                  (combos), items=N selected=\"A,B\" (lists). An edit's or combo's\n"
    "                                  label is the text of the static, check or radio before it\n"
    "  show ID                         print control ID: `ID kind enabled= visible= checked= text=\"...\"\n"
    "                                  color=RRGGBB tooltip=\"...\"`, lists and combos also `items=\"A,B\"\n"
    "                                  selected=\"A\"`\n"
    "  ok                              press OK; when the dialog refuses, `refused` is printed and it\n"
    "                                  stays open\n"
    "  cancel                          press Cancel\n"
    "  set, lines, update, dump and save work inside a dialog too; data, menu and open do not.\n"
    "  text, check, radio, combo, select, click, dblclick and drag on a disabled or hidden control do\n"
    "  nothing, as for a user, and write `tvkhost: FILE:LINE: control N is disabled; nothing happens`\n"
    "  (or hidden) to standard error; the script goes on.\n"
    "\n"
    "Settings (set NAME VALUE):\n"
    "  decimal . or ,       the decimal symbol            allvalues 0|1   the all-values switch\n"
    "  locked 0|1           the host is locked            datastatus N    the data status, 0 or above\n"
    "                                                                     (1: ready)\n"
    "  datastatus auto      the data status follows the data: 1 while variables are loaded, else 0\n"
    "  usescaption 0|1      dialogs keep their own titles print N         the kernel's print setting\n"
    "  rng N                the random-number generator   interpolate 0|1 the series interpolation\n"
    "  season N | none      the series module's period; none: no series module\n"
    "  current NAME | none  the host's current command module (e.g. SERIES)\n"
    "  query 0|1            the answer of the host's current-module service\n"
    "  groups N             the number of groups (distinct values) the data reports for any variable\n"
    "  aggregate 0|1        the data holds aggregated counts, not cases (no raw-data input)\n"
    "  Defaults: decimal . , allvalues 0, locked 0, datastatus auto, usescaption 0, print 2, rng 0,\n"
    "  season 12, interpolate 0, current none, query 1, groups 2, aggregate 0.\n"
    "\n"
    "Output, one item a line: every line the kernel receives, as it is; `caption: TEXT` when a dialog\n"
    "opens; `status: TEXT` for the status bar; `message: TEXT` for a message box; `warning: TEXT`;\n"
    "`assert: FILE:LINE` for an assertion; `refused` after a refused OK. A mistake in the script (or in\n"
    "a file it reads) stops the run with `tvkhost: FILE:LINE: what is wrong` on standard error and exit\n"
    "status 2; control characters of the input are shown escaped (\\n, \\x1B). A dialog still open when\n"
    "the script ends is cancelled, and that is an error too.\n";

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::optional<long long> ParseInteger(const std::string& text) {
    long long value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(begin, end, value);
    if (text.empty() || ec != std::errc() || at != end)
        return std::nullopt;
    return value;
}

int ParseInt(const std::string& text, const std::string& what) {
    const auto value = ParseInteger(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
        throw std::invalid_argument(what + " must be an integer, not '" + text + "'");
    return static_cast<int>(*value);
}

bool ParseSwitch(const std::string& text, const std::string& what) {
    if (text != "0" && text != "1")
        throw std::invalid_argument(what + " must be 0 or 1, not '" + text + "'");
    return text == "1";
}

// Control ids, command ids and indexes: non-negative integers.
UINT ParseId(int line, const ScriptWord& word, const char* what) {
    const auto value = ParseInteger(word.text);
    if (!value || *value < 0 || *value > UINT32_MAX)
        throw ScriptError(line, std::string("bad ") + what + " '" + word.text + "'");
    return static_cast<UINT>(*value);
}

void RequireWords(int line, const std::vector<ScriptWord>& words, std::size_t count, const char* usage) {
    if (words.size() != count)
        throw ScriptError(line, std::string("usage: ") + usage);
}

// A text in double quotes as a script writes it (a quote doubled), control characters escaped.
std::string Quote(const CString& text) {
    std::string out = "\"";
    for (char c : Escaped(text.ToUtf8())) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

std::string ColorText(COLORREF color) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", static_cast<unsigned>(color & 0xFF),
                  static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
    return buf;
}

// Names of a list's items; `*` (unquoted) stands for all of them.
std::vector<CString> ItemNames(CGUIBaseDlg& dlg, UINT list, std::vector<ScriptWord>::const_iterator first,
                               std::vector<ScriptWord>::const_iterator last) {
    std::vector<CString> names;
    for (auto it = first; it != last; ++it) {
        if (it->text == "*" && !it->quoted) {
            for (const auto& v : dlg.ListCtrl(list).GetItems())
                names.push_back(v.GetVariableName());
        } else {
            names.push_back(CString::FromUtf8(it->text));
        }
    }
    return names;
}

// The item whose text is `text`, ignoring case, or the only one it begins.
int ComboItemByText(int line, const CTKCtrl& combo, const std::string& text) {
    CString wanted = CString::FromUtf8(text);
    wanted.MakeLower();
    int found = -1;
    for (std::size_t i = 0; i < combo.m_comboItems.size(); ++i) {
        CString item = combo.m_comboItems[i];
        item.MakeLower();
        if (item == wanted)
            return static_cast<int>(i);
        if (item.Left(wanted.GetLength()) == wanted)
            found = found == -1 ? static_cast<int>(i) : -2;
    }
    if (found < 0)
        throw ScriptError(line, std::string(found == -1 ? "no" : "more than one") +
                                    " item of the combo box begins '" + text + "'");
    return found;
}

}  // namespace

std::vector<ScriptWord> SplitScriptLine(std::string_view line, int lineNumber) {
    std::vector<ScriptWord> words;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i >= line.size() || line[i] == '#')
            break;
        ScriptWord word;
        if (line[i] == '"') {
            word.quoted = true;
            bool closed = false;
            for (++i; i < line.size(); ++i) {
                if (line[i] != '"') {
                    word.text += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    word.text += '"';
                    ++i;
                } else {
                    closed = true;
                    ++i;
                    break;
                }
            }
            if (!closed)
                throw ScriptError(lineNumber, "a quoted value is never closed");
            if (i < line.size() && !IsBlank(line[i]) && line[i] != '#')
                throw ScriptError(lineNumber, "a blank must follow a quoted value");
        } else {
            for (; i < line.size() && !IsBlank(line[i]) && line[i] != '#'; ++i) {
                if (line[i] == '"')
                    throw ScriptError(lineNumber, "a quote inside a word: quote the whole value");
                word.text += line[i];
            }
        }
        if (const std::size_t at = FindControlCharacter(word.text); at != std::string::npos) {
            throw ScriptError(lineNumber, "a control character (" + ControlCharacterShown(word.text, at) +
                                              ") in a word: a script is plain text");
        }
        words.push_back(std::move(word));
    }
    return words;
}

void ApplyHostSetting(HostApp& host, const std::string& name, const std::string& value) {
    HostSettings& s = host.Settings();
    if (name == "decimal") {
        if (value != "." && value != ",")
            throw std::invalid_argument("decimal must be . or , not '" + value + "'");
        s.decimal = value == "," ? L',' : L'.';
    } else if (name == "allvalues") {
        s.allValues = ParseSwitch(value, name);
    } else if (name == "locked") {
        s.locked = ParseSwitch(value, name);
    } else if (name == "datastatus") {
        if (value == "auto") {
            s.dataStatus = HostSettings::kDataStatusFollowsData;
        } else {
            const auto status = ParseInteger(value);
            if (!status || *status < 0 || *status > INT32_MAX)
                throw std::invalid_argument("datastatus must be auto or an integer 0 or above, not '" +
                                            value + "'");
            s.dataStatus = static_cast<int>(*status);
        }
    } else if (name == "usescaption") {
        s.usesCaption = ParseSwitch(value, name);
    } else if (name == "print") {
        s.print = ParseInt(value, name);
    } else if (name == "rng") {
        s.rng = ParseInt(value, name);
    } else if (name == "season") {
        if (value == "none") {
            s.hasSeries = false;
        } else {
            s.season = ParseInt(value, name);
            s.hasSeries = true;
        }
    } else if (name == "interpolate") {
        s.interpolate = ParseSwitch(value, name);
    } else if (name == "current") {
        s.current = value == "none" ? std::wstring() : CString::FromUtf8(value).str();
    } else if (name == "query") {
        s.query = ParseSwitch(value, name);
    } else if (name == "groups") {
        host.Data().SetGroupCount(ParseInt(value, name));
    } else if (name == "aggregate") {
        s.aggregate = ParseSwitch(value, name);
    } else {
        throw std::invalid_argument("unknown setting '" + name + "' (tvkhost run --help lists them)");
    }
}

ScriptRunner::ScriptRunner(HostApp& host, std::istream& in, std::ostream& err, Options options)
    : m_host(host),
      m_reader(*in.rdbuf()),
      m_err(err),
      m_options(std::move(options)),
      m_previousDriver(GetDialogDriver()) {
    InstallDialogDriver(this);
}

ScriptRunner::~ScriptRunner() {
    InstallDialogDriver(m_previousDriver);
}

bool ScriptRunner::NextLine(int& number, std::vector<ScriptWord>& words) {
    if (m_options.interactive && m_options.prompt)
        *m_options.prompt << (m_dialogDepth > 0 ? "tvkhost (dialog)> " : "tvkhost> ") << std::flush;
    if (!m_started) {
        m_started = true;
        const ByteOrderMark mark = m_reader.ReadByteOrderMark();
        if (mark == ByteOrderMark::Utf16 || mark == ByteOrderMark::Utf32) {
            m_reader.SkipLine();
            number = ++m_lineNumber;
            throw ScriptError(number, std::string("the script is in ") +
                                          (mark == ByteOrderMark::Utf16 ? "UTF-16" : "UTF-32") +
                                          " (it starts with that byte-order mark): save it as UTF-8");
        }
    }
    std::string text;
    const ByteReader::LineStatus status = m_reader.ReadLine(text, m_options.lineLimit);
    if (status == ByteReader::LineStatus::End)
        return false;
    number = ++m_lineNumber;
    if (status != ByteReader::LineStatus::Line) {
        // Only a person at the prompt goes on; a file that is not text is left unread.
        if (m_options.interactive)
            m_reader.SkipLine();
        throw ScriptError(number, status == ByteReader::LineStatus::Nul
                                      ? "a NUL byte: a script is plain text"
                                      : "the line is longer than " + SizeText(m_options.lineLimit) +
                                            " (the limit of a script line)");
    }
    words = SplitScriptLine(text, number);
    return true;
}

void ScriptRunner::Report(const ScriptError& error) {
    m_failed = true;
    Note(error.GetLine(), error.what());
}

void ScriptRunner::Note(int line, const std::string& what) {
    // What the input said may be long or hold control characters: keep the message one short line.
    constexpr std::size_t kShown = 1000;
    m_host.Out().flush();
    m_err << "tvkhost: " << Escaped(m_options.name) << ":" << line << ": "
          << Escaped(what.size() > kShown ? what.substr(0, kShown) + "..." : what) << std::endl;
}

int ScriptRunner::RunScript() {
    while (true) {
        int number = 0;
        std::vector<ScriptWord> words;
        try {
            if (!NextLine(number, words))
                break;
            if (!words.empty())
                Execute(number, words, nullptr);
        } catch (const ScriptError& e) {
            Report(e);
            if (!m_options.interactive)
                return 2;
        } catch (const std::ios_base::failure&) {
            throw;  // the script cannot be read
        } catch (const std::exception& e) {
            m_host.ReportFault(e);  // `lines` and the like call the module's code
        }
    }
    m_host.Out().flush();
    return m_failed ? 2 : 0;
}

int ScriptRunner::Run(CGUIBaseDlg& dlg) {
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } depth(m_dialogDepth);
    m_host.Out() << "caption: " << dlg.GetDlgCaption().ToUtf8() << "\n";
    while (true) {
        int number = 0;
        std::vector<ScriptWord> words;
        try {
            if (!NextLine(number, words)) {
                m_pending = ScriptError(m_menuLine, "the script ends while the dialog opened here is open");
                dlg.OnCancel();
                return IDCANCEL;
            }
            if (!words.empty() && ExecuteInDialog(number, words, dlg))
                return dlg.GetResult();
        } catch (const ScriptError& e) {
            if (m_options.interactive) {
                Report(e);
                continue;
            }
            // Leave the module's code the way a user would leave the dialog; the error goes on from the
            // `menu` command that opened it.
            m_pending = e;
            dlg.OnCancel();
            return IDCANCEL;
        }
    }
}

namespace {

// `plot`: the open dialog's picture into `file`, never over a script being read; a failure says why.
void WritePlot(int line, const std::string& file, const std::filesystem::path& path,
               const std::vector<FileIdentity>& reading, CGUIBaseDlg& dlg) {
    auto* picture = dynamic_cast<IPictureSource*>(&dlg);
    if (!picture)
        throw ScriptError(line, "this dialog draws no picture to write to " + file);
    if (const auto target = IdentityOf(path))
        for (const FileIdentity& script : reading)
            if (script == *target)
                throw ScriptError(line, file + " is a script being read: the picture would overwrite it");
    std::error_code ec;
    const bool existed = std::filesystem::exists(path, ec);
    // Opened to append, a file that exists stays as it is; the open says whether it can be written.
    std::FILE* probe = std::fopen(path.c_str(), "ab");
    if (!probe)
        throw ScriptError(line, file + ": cannot write the picture: " + std::strerror(errno));
    std::fclose(probe);
    if (!picture->WritePicture(path)) {
        if (!existed)
            std::filesystem::remove(path, ec);
        throw ScriptError(line, file + ": no picture written: the dialog has drawn none yet (compute first)");
    }
}

}  // namespace

std::filesystem::path ScriptRunner::Resolve(const std::string& file) const {
    const std::filesystem::path path(file);
    if (path.is_absolute() || m_options.directory.empty())
        return path;
    return m_options.directory / path;
}

void ScriptRunner::LoadData(int line, const std::vector<ScriptWord>& words) {
    if (words.size() == 2 && words[1].text == "none" && !words[1].quoted) {
        m_host.Data().Clear();
        return;
    }
    if (words.size() == 4 && words[1].text == "synthetic" && !words[1].quoted) {
        const auto variables = ParseInteger(words[2].text);
        const auto cases = ParseInteger(words[3].text);
        if (!variables || *variables < 0)
            throw ScriptError(line, "bad number of variables '" + words[2].text + "'");
        if (!cases || *cases < 0 || *cases > INT32_MAX)
            throw ScriptError(line, "bad number of cases '" + words[3].text + "'");
        // Each variable costs the host and every list that shows it; beyond this the machine runs out.
        constexpr long long kMaxVariables = 10'000'000;
        if (*variables > kMaxVariables)
            throw ScriptError(line, "at most " + std::to_string(kMaxVariables) + " variables");
        m_host.Data().Synthetic(static_cast<int>(*variables), static_cast<int>(*cases));
        return;
    }
    RequireWords(line, words, 2, "data FILE | data synthetic NVARS NROWS | data none");
    try {
        m_host.Data().LoadCsv(Resolve(words[1].text).string(), words[1].text);
    } catch (const HostError& e) {
        throw ScriptError(line, e.what());
    }
}

void ScriptRunner::Execute(int line, const std::vector<ScriptWord>& words, CGUIBaseDlg* dlg) {
    const std::string& command = words[0].text;
    const auto commandId = [&](const char* usage) {
        RequireWords(line, words, 2, usage);
        return ParseId(line, words[1], "command id");
    };
    const auto keptRecord = [&](UINT id) {
        CGUIBaseObj* record = m_host.FindRecord(id);
        if (!record)
            throw ScriptError(line, "no record is kept for command " + std::to_string(id));
        return record;
    };

    if (command == "data") {
        if (dlg)
            throw ScriptError(line, "the data cannot change while a dialog is open");
        LoadData(line, words);
    } else if (command == "set") {
        RequireWords(line, words, 3, "set NAME VALUE");
        try {
            ApplyHostSetting(m_host, words[1].text, words[2].text);
        } catch (const std::invalid_argument& e) {
            throw ScriptError(line, e.what());
        }
    } else if (command == "menu") {
        const UINT id = commandId("menu ID");
        if (dlg)
            throw ScriptError(line, "a dialog is open: end it with ok or cancel first");
        if (!m_host.IsModuleCommand(id))
            throw ScriptError(line, "the module has no menu item " + std::to_string(id));
        if (!m_host.UpdateCommand(id).m_bEnabled)
            throw ScriptError(line, "menu item " + std::to_string(id) + " is disabled");
        m_menuLine = line;
        m_pending.reset();
        try {
            m_host.RouteCommand(id);
        } catch (const ScriptError&) {
            throw;
        } catch (const std::exception& e) {
            throw ScriptError(line, std::string("menu item ") + std::to_string(id) + ": " + e.what());
        }
        if (m_pending) {
            const ScriptError error = *m_pending;
            m_pending.reset();
            throw error;
        }
    } else if (command == "lines") {
        CGUIBaseObj* record = keptRecord(commandId("lines ID"));
        CCmdList lines;
        record->GetCommandInfoList(lines);
        for (const auto& l : lines)
            m_host.Out() << l.GetCommand().ToUtf8() << "\n";
    } else if (command == "update") {
        const UINT id = commandId("update ID");
        if (!m_host.IsModuleCommand(id))
            throw ScriptError(line, "the module has no menu item " + std::to_string(id));
        const CCmdUI ui = m_host.UpdateCommand(id);
        m_host.Out() << id << " enabled=" << (ui.m_bEnabled ? 1 : 0) << " checked=" << ui.m_nCheck << "\n";
    } else if (command == "dump") {
        CGUIBaseObj* record = keptRecord(commandId("dump ID"));
        CArchive ar;
        record->Serialize(ar);
        const auto& bytes = ar.GetBuffer();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(bytes[i]));
            m_host.Out() << hex << (i + 1 == bytes.size() || i % 16 == 15 ? "\n" : " ");
        }
    } else if (command == "save") {
        RequireWords(line, words, 2, "save FILE");
        SaveRecords(line, words[1].text);
    } else if (command == "open") {
        RequireWords(line, words, 2, "open FILE");
        if (dlg)
            throw ScriptError(line, "records cannot be replaced while a dialog is open");
        try {
            m_host.OpenRecordFile(Resolve(words[1].text).string(), words[1].text);
        } catch (const HostError& e) {
            throw ScriptError(line, e.what());
        }
    } else if (command == "page" || command == "text" || command == "check" || command == "radio" ||
               command == "combo" || command == "select" || command == "click" || command == "dblclick" ||
               command == "drag" || command == "context" || command == "show" || command == "ok" ||
               command == "cancel") {
        throw ScriptError(line, "no dialog is open for '" + command + "'");
    } else {
        throw ScriptError(line, "unknown command '" + command + "'");
    }
}

bool ScriptRunner::ExecuteInDialog(int line, const std::vector<ScriptWord>& words, CGUIBaseDlg& dlg) {
    const std::string& command = words[0].text;
    const auto id = [&](std::size_t index) { return ParseId(line, words[index], "control id"); };
    const auto ok = [&] {
        if (!dlg.OnOK() && !dlg.IsEnded())
            m_host.Out() << "refused\n";
    };
    try {
        // Control ids of a tabbed dialog refer to the page it shows.
        CGUIBaseDlg& active = dlg.GetActiveControlsDialog();
        // A user cannot act on a disabled or hidden control, and neither does the script; but it says
        // so, once the dialog has had its say on a wrong kind or name.
        const auto reach = [&](UINT control, const auto& act) {
            const CTKCtrl* c = active.FindCtrl(control);
            const char* state = !c               ? nullptr
                                : !c->m_bVisible ? "hidden"
                                : !c->m_bEnabled ? "disabled"
                                                 : nullptr;
            act();
            if (state)
                Note(line, "control " + std::to_string(control) + " is " + state + "; nothing happens");
        };
        if (command == "ok") {
            RequireWords(line, words, 1, "ok");
            ok();
        } else if (command == "cancel") {
            RequireWords(line, words, 1, "cancel");
            dlg.OnCancel();
        } else if (command == "page") {
            RequireWords(line, words, 2, "page N");
            const UINT page = ParseId(line, words[1], "page");
            if (page > INT32_MAX)
                throw ScriptError(line, "bad page '" + words[1].text + "'");
            dlg.UserShowPage(static_cast<int>(page));
        } else if (command == "text") {
            RequireWords(line, words, 3, "text ID VALUE");
            reach(id(1), [&] { active.UserTypeText(id(1), CString::FromUtf8(words[2].text)); });
        } else if (command == "check") {
            RequireWords(line, words, 3, "check ID 0|1");
            if (words[2].text != "0" && words[2].text != "1")
                throw ScriptError(line, "check takes 0 or 1, not '" + words[2].text + "'");
            reach(id(1), [&] { active.UserCheck(id(1), words[2].text == "1" ? 1 : 0); });
        } else if (command == "radio") {
            RequireWords(line, words, 2, "radio ID");
            reach(id(1), [&] { active.UserRadio(id(1)); });
        } else if (command == "combo") {
            RequireWords(line, words, 3, "combo ID INDEX|TEXT");
            if (words[2].quoted || words[2].text.find_first_not_of("0123456789") != std::string::npos) {
                const int item = ComboItemByText(line, active.Ctrl(id(1)), words[2].text);
                reach(id(1), [&] { active.UserCombo(id(1), item); });
            } else {
                const UINT index = ParseId(line, words[2], "combo index");
                if (index > INT32_MAX)
                    throw ScriptError(line, "bad combo index '" + words[2].text + "'");
                reach(id(1), [&] { active.UserCombo(id(1), static_cast<int>(index)); });
            }
        } else if (command == "plot") {
            RequireWords(line, words, 2, "plot FILE");
            WritePlot(line, words[1].text, Resolve(words[1].text), m_options.reading, active);
        } else if (command == "select") {
            if (words.size() < 2)
                throw ScriptError(line, "usage: select ID NAME... | select ID *");
            const UINT list = id(1);
            reach(list, [&] {
                if (words.size() == 3 && words[2].text == "*" && !words[2].quoted)
                    active.UserSelectAll(list);
                else
                    active.UserSelect(list, ItemNames(active, list, words.begin() + 2, words.end()));
            });
        } else if (command == "click") {
            RequireWords(line, words, 2, "click ID");
            const UINT button = id(1);
            if (button == IDOK)
                ok();
            else if (button == IDCANCEL)
                dlg.OnCancel();
            else
                reach(button, [&] { active.UserClick(button); });
        } else if (command == "dblclick") {
            RequireWords(line, words, 3, "dblclick ID NAME");
            reach(id(1), [&] { active.UserDblClick(id(1), CString::FromUtf8(words[2].text)); });
        } else if (command == "drag") {
            if (words.size() < 5 || words[words.size() - 2].text != "to" || words[words.size() - 2].quoted)
                throw ScriptError(line, "usage: drag ID NAME... to ID2");
            const UINT from = id(1);
            const UINT to = id(words.size() - 1);
            reach(from, [&] {
                active.UserDrag(from, ItemNames(active, from, words.begin() + 2, words.end() - 2), to);
            });
        } else if (command == "context") {
            RequireWords(line, words, 3, "context ID CMD");
            active.UserContext(id(1), ParseId(line, words[2], "context command"));
        } else if (command == "show") {
            if (words.size() > 2)
                throw ScriptError(line, "usage: show [ID]");
            if (words.size() == 1)
                PrintControls(active);
            else
                PrintControl(active, id(1));
        } else {
            Execute(line, words, &dlg);
        }
    } catch (const std::invalid_argument& e) {
        throw ScriptError(line, e.what());
    }
    return dlg.IsEnded();
}

void ScriptRunner::SaveRecords(int line, const std::string& file) {
    const std::filesystem::path path = Resolve(file);
    if (const auto target = IdentityOf(path)) {
        for (const FileIdentity& script : m_options.reading)
            if (script == *target)
                throw ScriptError(line, file + " is a script being read: saving there would overwrite it");
    }
    try {
        m_host.SaveRecordFile(path.string(), file);
    } catch (const HostError& e) {
        throw ScriptError(line, e.what());
    }
}

void ScriptRunner::PrintControl(CGUIBaseDlg& dlg, UINT id) {
    const CTKCtrl& c = dlg.Ctrl(id);
    std::ostream& out = m_host.Out();
    out << id << " " << ControlKindName(c.GetKind()) << " enabled=" << (c.m_bEnabled ? 1 : 0)
        << " visible=" << (c.m_bVisible ? 1 : 0) << " checked=" << (c.m_nChecked ? 1 : 0)
        << " text=" << Quote(c.m_strText) << " color=" << ColorText(c.m_color)
        << " tooltip=" << Quote(c.m_strToolTip);
    if (c.GetKind() == ControlKind::List) {
        const auto& list = static_cast<const CGUIListCtrl&>(c);
        CString items;
        CString selected;
        for (int i = 0; i < list.GetItemCount(); ++i)
            items += (i ? L"," : L"") + list.GetItems()[i].GetVariableName();
        bool first = true;
        for (int i : list.GetSelection()) {
            selected += (first ? L"" : L",") + list.GetItems()[i].GetVariableName();
            first = false;
        }
        out << " items=" << Quote(items) << " selected=" << Quote(selected);
    } else if (c.GetKind() == ControlKind::Combo) {
        CString items;
        for (std::size_t i = 0; i < c.m_comboItems.size(); ++i)
            items += (i ? L"," : L"") + c.m_comboItems[i];
        const bool chosen = c.m_nComboIndex >= 0 && c.m_nComboIndex < static_cast<int>(c.m_comboItems.size());
        out << " items=" << Quote(items) << " selected="
            << Quote(chosen ? c.m_comboItems[static_cast<std::size_t>(c.m_nComboIndex)] : CString());
    }
    out << "\n";
}

void ScriptRunner::PrintControls(CGUIBaseDlg& dlg) {
    std::ostream& out = m_host.Out();
    // In the order a user meets them, the desktop host's. An edit or combo has no text of its own: its
    // label is the text of the static, check or radio right before it.
    CString label;
    for (const UINT id : OrderControls(dlg).ids) {
        const CTKCtrl* c = &dlg.Ctrl(id);
        const ControlKind kind = c->GetKind();
        const bool labels =
            kind == ControlKind::Static || kind == ControlKind::Check || kind == ControlKind::Radio;
        const bool field = c->IsEdit() || kind == ControlKind::Combo;
        const CString& own = field ? label : c->m_strText;
        out << id << " " << ControlKindName(kind) << " " << Quote(DisplayMenuText(own.str(), true))
            << " enabled=" << (c->m_bEnabled ? 1 : 0) << " visible=" << (c->m_bVisible ? 1 : 0);
        if (kind == ControlKind::Check || kind == ControlKind::Radio)
            out << " checked=" << (c->m_nChecked ? 1 : 0);
        if (c->IsEdit())
            out << " text=" << Quote(c->m_strText);
        if (kind == ControlKind::Combo) {
            const bool chosen =
                c->m_nComboIndex >= 0 && c->m_nComboIndex < static_cast<int>(c->m_comboItems.size());
            out << " selected="
                << Quote(chosen ? c->m_comboItems[static_cast<std::size_t>(c->m_nComboIndex)] : CString());
        }
        if (kind == ControlKind::List) {
            const auto& list = static_cast<const CGUIListCtrl&>(*c);
            CString selected;
            for (int i : list.GetSelection())
                selected += (selected.IsEmpty() ? L"" : L",") + list.GetItems()[i].GetVariableName();
            out << " items=" << list.GetItemCount() << " selected=" << Quote(selected);
        }
        out << "\n";
        if (!field)
            label = labels ? c->m_strText : CString();
    }
}
