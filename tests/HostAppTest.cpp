// The reference host with the module loaded as a user runs it: the record store's file and its
// failures, and the session-script words.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>

#include "Host/HostApp.h"
#include "Host/HostScript.h"
#include "Host/HostText.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

namespace {

// A driver that runs the given actions on each dialog and then presses OK.
class ActingDriver final : public IDialogDriver {
public:
    explicit ActingDriver(std::function<void(CGUIBaseDlg&)> act) : m_act(std::move(act)) {
        m_previous = GetDialogDriver();
        InstallDialogDriver(this);
    }
    ~ActingDriver() override { InstallDialogDriver(m_previous); }
    int Run(CGUIBaseDlg& dlg) override {
        m_act(dlg);
        return dlg.OnOK() ? IDOK : IDCANCEL;
    }

private:
    std::function<void(CGUIBaseDlg&)> m_act;
    IDialogDriver* m_previous;
};

std::string Lines(HostApp& host, UINT command) {
    CGUIBaseObj* record = host.FindRecord(command);
    if (!record)
        return "none";
    CCmdList lines;
    record->GetCommandInfoList(lines);
    std::string out;
    for (const auto& line : lines)
        out += line.GetCommand().ToUtf8() + "|";
    return out;
}

class HostAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_host.LoadModule(DLGSTAT1_MODULE_PATH);
        m_host.Data().Synthetic(3, 30);
    }
    void Open(UINT command, const std::string& lag) {
        ActingDriver driver([&](CGUIBaseDlg& dlg) { dlg.UserTypeText(1002, CString::FromUtf8(lag)); });
        ASSERT_TRUE(m_host.RouteCommand(command));
    }

    std::ostringstream m_out;
    HostApp m_host{m_out};
};

TEST_F(HostAppTest, StoreComesBackAndDropsWhatItDoesNotName) {
    Open(1039, "7");
    Open(1048, "5");
    const auto stored = m_host.SaveRecords();
    Open(1039, "9");
    Open(1052, "1");
    m_host.OpenRecords(stored);
    EXPECT_EQ("SERIES|ACF V1 / LAG = 7|", Lines(m_host, 1039));
    EXPECT_EQ("SERIES|PACF V1 / LAG = 5|", Lines(m_host, 1048));
    EXPECT_EQ("none", Lines(m_host, 1052));
}

TEST_F(HostAppTest, BadStoreLeavesEveryRecordAsItWas) {
    Open(1039, "7");
    Open(1048, "5");
    const auto stored = m_host.SaveRecords();
    Open(1039, "9");
    Open(1048, "6");
    // The last byte belongs to the last record (1048): a truncated archive fails after 1039 has loaded.
    std::vector<unsigned char> truncated(stored.begin(), stored.end() - 1);
    EXPECT_THROW(m_host.OpenRecords(truncated), HostError);
    auto longer = stored;
    longer.push_back(0);
    EXPECT_THROW(m_host.OpenRecords(longer), HostError);
    EXPECT_EQ("SERIES|ACF V1 / LAG = 9|", Lines(m_host, 1039));
    EXPECT_EQ("SERIES|PACF V1 / LAG = 6|", Lines(m_host, 1048));

    // A damaged variable list inside 1048's archive: its wide-string marker is gone.
    auto damaged = stored;
    for (std::size_t i = damaged.size() - 1; i > 3; --i)
        if (damaged[i - 2] == 0xFF && damaged[i - 1] == 0xFE && damaged[i] == 0xFF) {
            damaged[i] = 0x00;
            break;
        }
    try {
        m_host.OpenRecords(damaged);
        FAIL() << "a damaged record loaded";
    } catch (const HostError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("record for command 1048"));
    }
    EXPECT_EQ("SERIES|ACF V1 / LAG = 9|", Lines(m_host, 1039));
    EXPECT_EQ("SERIES|PACF V1 / LAG = 6|", Lines(m_host, 1048));
}

TEST_F(HostAppTest, SaveLineDoublesAQuoteInTheFileName) {
    ActingDriver driver([](CGUIBaseDlg& dlg) {
        dlg.UserCheck(1006, 1);
        dlg.UserTypeText(1007, L"a\"b / LAG = 1.tvz");
    });
    ASSERT_TRUE(m_host.RouteCommand(1039));
    EXPECT_EQ("SERIES|SAVE \"a\"\"b / LAG = 1.tvz\"|ACF V1|", Lines(m_host, 1039));
}

TEST_F(HostAppTest, RecordFilesThatAreNoStoresAreRefusedWithoutReadingThemWhole) {
    const auto refusal = [&](const std::string& path, std::size_t limit = kMaxStoreBytes) {
        try {
            m_host.OpenRecordFile(path, "f", limit);
        } catch (const HostError& e) {
            return std::string(e.what());
        }
        return std::string("opened");
    };
    EXPECT_EQ("f: cannot open the record file: it is a folder",
              refusal(std::filesystem::temp_directory_path().string()));
    EXPECT_EQ("f: not a record store (no TVKR mark at its start)", refusal("/dev/zero"));
    Open(1039, "7");
    const auto path =
        std::filesystem::temp_directory_path() / ("hostapp-" + std::to_string(::getpid()) + ".tvr");
    const auto stored = m_host.SaveRecords();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(stored.data()), static_cast<std::streamsize>(stored.size()));
    EXPECT_EQ("f: the file is larger than " + std::to_string(stored.size() - 1) +
                  " bytes (the limit of a record store)",
              refusal(path.string(), stored.size() - 1));
    EXPECT_EQ("opened", refusal(path.string(), stored.size()));
    std::filesystem::remove(path);
}

// Runs a script on the fixture's host: the exit status, then what went to standard error.
struct ScriptRun {
    int status;
    std::string err;
};

TEST_F(HostAppTest, ScriptLinesEndAtAnyLineEndAndHoldText) {
    const auto run = [&](const std::string& text,
                         ScriptRunner::Options options = {"t.tvs", {}, false, nullptr, {}}) {
        std::istringstream in(text);
        std::ostringstream err;
        m_out.str("");
        ScriptRunner runner(m_host, in, err, std::move(options));
        const int status = runner.RunScript();
        return ScriptRun{status, err.str()};
    };
    EXPECT_EQ(0, run("menu 1039\rtext 1002 4\r\nok\r").status);
    EXPECT_EQ("caption: Time Series: Correlation Plots: Autocorrelation\nSERIES\nACF V1 / LAG = 4\n",
              m_out.str());
    EXPECT_EQ("", run("\xEF\xBB\xBFupdate 1039\n").err);
    EXPECT_EQ("1039 enabled=1 checked=0\n", m_out.str());

    EXPECT_EQ("tvkhost: t.tvs:2: a control character (\\x1B) in a word: a script is plain text\n",
              run("update 1039\nA\x1B[31mB\n").err);
    EXPECT_EQ("tvkhost: t.tvs:1: a control character (\\t) in a word: a script is plain text\n",
              run("set current \"a\tb\" # \x1B in a comment is no harm\n").err);
    EXPECT_EQ("tvkhost: t.tvs:1: a control character (\\u0085) in a word: a script is plain text\n",
              run("set current a\xC2\x85\n").err);
    EXPECT_EQ("tvkhost: t.tvs:1: a control character (\\u2028) in a word: a script is plain text\n",
              run("set current a\xE2\x80\xA8\n").err);
    EXPECT_EQ("tvkhost: t.tvs:1: unknown command 'caf\xC3\xA9\\xFF'\n", run("caf\xC3\xA9\xFF\n").err);
    EXPECT_EQ("tvkhost: t.tvs:2: a NUL byte: a script is plain text\n", run(std::string("\n\0\0\0", 4)).err);
    EXPECT_EQ(
        "tvkhost: t.tvs:1: the script is in UTF-16 (it starts with that byte-order mark): save it as UTF-8\n",
        run(std::string("\xFF\xFEu\0p\0", 6)).err);
    const ScriptRun longLine =
        run("update 1039\n#" + std::string(64, 'x') + "\n", {"t.tvs", {}, false, nullptr, {}, 64});
    EXPECT_EQ(2, longLine.status);
    EXPECT_EQ("tvkhost: t.tvs:2: the line is longer than 64 bytes (the limit of a script line)\n",
              longLine.err);
    EXPECT_EQ(0, run("#" + std::string(63, 'x') + "\r\n", {"t.tvs", {}, false, nullptr, {}, 64}).status);

    // A person at the prompt goes on after each of these.
    const ScriptRun session = run(std::string("\0bad\n#", 6) + std::string(64, 'x') + "\nupdate 1039\n",
                                  {"stdin", {}, true, nullptr, {}, 64});
    EXPECT_EQ(2, session.status);
    EXPECT_EQ("1039 enabled=1 checked=0\n", m_out.str());
    EXPECT_NE(std::string::npos, session.err.find("stdin:2: the line is longer"));
}

TEST_F(HostAppTest, SaveDoesNotOverwriteAScriptBeingRead) {
    const auto dir = std::filesystem::temp_directory_path() / ("hostapp-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "s.tvs") << "save s.tvs\nupdate 1039\n";
    std::ifstream in(dir / "s.tvs");
    std::ostringstream err;
    ScriptRunner runner(m_host, in, err, {"s.tvs", dir, false, nullptr, {*IdentityOf(dir / "s.tvs")}});
    EXPECT_EQ(2, runner.RunScript());
    EXPECT_EQ("tvkhost: s.tvs:1: s.tvs is a script being read: saving there would overwrite it\n", err.str());
    std::ifstream again(dir / "s.tvs");
    EXPECT_EQ("save s.tvs\nupdate 1039\n", std::string(std::istreambuf_iterator<char>(again), {}));
    std::filesystem::remove_all(dir);
}

TEST_F(HostAppTest, StoreOfACommandWithoutRecordIsRefused) {
    Open(1039, "7");
    // A store naming the clear-series item, which opens no dialog and keeps no record.
    CArchive ar;
    for (char c : {'T', 'V', 'K', 'R'})
        ar.WriteUInt8(static_cast<std::uint8_t>(c));
    ar.WriteInt32(1);
    ar.WriteCount(1);
    ar.WriteUInt32(1042);
    ar.WriteUInt32(0);
    m_out.str("");
    EXPECT_THROW(m_host.OpenRecords(ar.GetBuffer()), HostError);
    EXPECT_EQ("", m_out.str());  // nothing was sent while the host asked the module
    EXPECT_EQ("SERIES|ACF V1 / LAG = 7|", Lines(m_host, 1039));
}

// A store of one record: the kept record of `command` with every variable named V1 renamed (and given
// `type` when it is not 0), and where in the store the first of them starts.
struct RenamedStore {
    std::vector<unsigned char> bytes;
    std::size_t firstAt = 0;
    int renamed = 0;
};

RenamedStore RenameV1(CGUIBaseObj& record, UINT command, const std::string& name, int type) {
    CArchive one;
    record.Serialize(one);
    std::vector<unsigned char> body = one.GetBuffer();
    CArchive from, to;
    from.WriteString(L"V1");
    to.WriteString(CString::FromUtf8(name));
    RenamedStore store;
    for (auto at = std::search(body.begin(), body.end(), from.GetBuffer().begin(), from.GetBuffer().end());
         at != body.end();
         at = std::search(at, body.end(), from.GetBuffer().begin(), from.GetBuffer().end())) {
        const std::size_t index = static_cast<std::size_t>(at - body.begin());
        if (store.renamed++ == 0)
            store.firstAt = index;
        at = body.insert(body.erase(at, at + static_cast<std::ptrdiff_t>(from.GetBuffer().size())),
                         to.GetBuffer().begin(), to.GetBuffer().end()) +
             static_cast<std::ptrdiff_t>(to.GetBuffer().size());
        for (int b = 0; type != 0 && b < 4; ++b)
            at[b] = static_cast<unsigned char>(static_cast<unsigned>(type) >> (8 * b));
    }
    CArchive ar;
    for (char c : {'T', 'V', 'K', 'R'})
        ar.WriteUInt8(static_cast<std::uint8_t>(c));
    ar.WriteInt32(1);
    ar.WriteCount(1);
    ar.WriteUInt32(command);
    ar.WriteUInt32(static_cast<std::uint32_t>(body.size()));
    store.firstAt += ar.GetBuffer().size();
    for (unsigned char b : body)
        ar.WriteUInt8(b);
    store.bytes = ar.GetBuffer();
    return store;
}

TEST_F(HostAppTest, StoredNamesAreHeldToTheDataFileRule) {
    struct Case {
        std::string name;
        int type;  // 0: as stored (numeric); else the type given to every renamed variable
        bool loads;
    };
    const std::vector<Case> cases = {
        {"W2", 0, true},  // valid, if not in the data: the dialog drops it when it opens
        {"a_1", 0, true},
        {"A" + std::string(63, 'x'), 0, true},
        {"A" + std::string(64, 'x'), 0, false},
        {"", 0, false},
        {"1V", 0, false},
        {"_V", 0, false},
        {"V 1", 0, false},
        {"V / LAG = 999", 0, false},
        {"V\"1", 0, false},
        {"V\n1", 0, false},
        {"caf\xC3\xA9", 0, false},
        {"A*B", 0, false},
    };
    Open(1039, "7");
    CGUIBaseObj& record = *m_host.FindRecord(1039);
    const auto original = m_host.SaveRecords();
    for (const Case& c : cases) {
        const RenamedStore store = RenameV1(record, 1039, c.name, c.type);
        ASSERT_EQ(store.renamed, 2) << "V1 is in the source list and selected";
        try {
            m_host.OpenRecords(store.bytes);
            EXPECT_TRUE(c.loads) << Shown(c.name) << " loaded";
            m_host.OpenRecords(original);
        } catch (const HostError& e) {
            EXPECT_FALSE(c.loads) << Shown(c.name) << ": " << e.what();
            EXPECT_EQ("record for command 1039: " + Shown(c.name) + " (at byte offset " +
                          std::to_string(store.firstAt) + ") is not a valid variable name",
                      std::string(e.what()));
        }
        EXPECT_EQ("SERIES|ACF V1 / LAG = 7|", Lines(m_host, 1039)) << Shown(c.name);
    }
}

TEST_F(HostAppTest, AnOpenedLoglinearPageHasItsSessionValuesAsBuiltAndItsTermsAsStored) {
    ActingDriver model([](CGUIBaseDlg& dlg) {
        CGUIBaseDlg& page = dlg.GetActiveControlsDialog();
        page.UserSelect(1242, {L"V1", L"V2"});
        page.UserClick(1249);
        page.UserTypeText(1268, L"0.25");
    });
    ASSERT_TRUE(m_host.RouteCommand(1004));
    ASSERT_NE(std::string::npos,
              Lines(m_host, 1004).find(" = V1*V2|PLENGTH NONE / EXPECT FIT|ESTIMATE / DELTA"));
    m_host.OpenRecords(m_host.SaveRecords());
    EXPECT_NE(std::string::npos, Lines(m_host, 1004).find(" = V1*V2|PLENGTH NONE / EXPECT FIT|ESTIMATE |"));
}

TEST_F(HostAppTest, AFaultInsideADialogIsReportedAndTheRunGoesOn) {
    {
        ActingDriver faulty([](CGUIBaseDlg&) { throw std::out_of_range("vector::_M_range_check"); });
        EXPECT_TRUE(m_host.RouteCommand(1039));
    }
    EXPECT_NE(std::string::npos, m_out.str().find("assert: HostApp.cpp:")) << m_out.str();
    Open(1039, "7");
    EXPECT_EQ("SERIES|ACF V1 / LAG = 7|", Lines(m_host, 1039));

    // A record that fails when asked for its lines or its archive, asked from a script.
    struct Faulty : CGUIBaseObj {
        void GetCommandInfoList(CCmdList&) const override { throw std::out_of_range("lines"); }
        void Serialize(CArchive&) override { throw std::out_of_range("archive"); }
    };
    m_host.StoreDialogRecord(1039, new Faulty);
    std::istringstream in("lines 1039\ndump 1039\nupdate 1039\n");
    std::ostringstream err;
    m_out.str("");
    EXPECT_EQ(0, ScriptRunner(m_host, in, err, {"t.tvs", {}, false, nullptr, {}}).RunScript()) << err.str();
    EXPECT_EQ(std::regex_replace(m_out.str(), std::regex(":[0-9]+"), ":N"),
              "assert: HostApp.cpp:N\nassert: HostApp.cpp:N\n1039 enabled=1 checked=0\n");
}

TEST_F(HostAppTest, AFailedSaveLeavesThePreviousStoreWhole) {
    const auto dir = std::filesystem::temp_directory_path() / ("hostapp-save-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    Open(1039, "7");
    m_host.SaveRecordFile((dir / "kept.tvr").string(), "kept.tvr");
    const auto previous = m_host.SaveRecords();
    m_host.Data().Synthetic(100, 30);  // a store of more than the 1 KiB the save may write
    Open(1039, "9");
    if (const pid_t child = ::fork(); child == 0) {
        const rlimit limit{1024, 1024};
        ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails as on a full disk
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            m_host.SaveRecordFile((dir / "kept.tvr").string(), "kept.tvr");
        } catch (const HostError& e) {
            ::_exit(std::string(e.what()).starts_with("kept.tvr: cannot write the record file") ? 0 : 3);
        }
        ::_exit(4);
    } else {
        int status = -1;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(0, WEXITSTATUS(status));
    }
    std::ifstream in(dir / "kept.tvr", std::ios::binary);
    EXPECT_EQ(previous, std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {}));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir), {}));  // nothing left beside it
    std::filesystem::remove_all(dir);
}

std::string Words(const std::string& line) {
    std::string out;
    for (const auto& w : SplitScriptLine(line, 1))
        out += (w.quoted ? "q[" : "[") + w.text + "]";
    return out;
}

TEST(ScriptWordsTest, QuotesBlanksAndComments) {
    EXPECT_EQ("[text][1002][12]", Words("  text\t1002 12  "));
    EXPECT_EQ("[text][1007]q[a b]", Words("text 1007 \"a b\""));
    EXPECT_EQ("[text][1007]q[]", Words("text 1007 \"\""));
    EXPECT_EQ("q[say \"hi\"]q[\"]", Words("\"say \"\"hi\"\"\" \"\"\"\""));
    EXPECT_EQ("[select][1004]q[*][*]", Words("select 1004 \"*\" *"));
    EXPECT_EQ("[ok]", Words("ok # press it"));
    EXPECT_EQ("[ok]", Words("ok#now"));
    EXPECT_EQ("q[# not a comment]", Words("\"# not a comment\""));
    EXPECT_EQ("", Words("   # only a comment"));
    EXPECT_THROW(Words("text 1 \"open"), ScriptError);
    EXPECT_THROW(Words("text 1 \"a\"b"), ScriptError);
    EXPECT_THROW(Words("text 1 a\"b\""), ScriptError);
}

TEST(ScriptWordsTest, SettingsTakeOnlyTheirValues) {
    std::ostringstream out;
    HostApp host(out);
    ApplyHostSetting(host, "decimal", ",");
    ApplyHostSetting(host, "season", "none");
    ApplyHostSetting(host, "current", "SERIES");
    ApplyHostSetting(host, "datastatus", "0");
    EXPECT_EQ(L',', host.GetDecimalSymbol());
    EXPECT_EQ(nullptr, host.FindModule(L"TvkSeries"));
    EXPECT_TRUE(host.IsCurrentModule(L"SERIES"));
    host.Data().Synthetic(1, 3);
    EXPECT_EQ(0, host.GetDataStatus());
    // The number that stands for `auto` inside the host is not a status a script may set.
    EXPECT_THROW(ApplyHostSetting(host, "datastatus", "-1"), std::invalid_argument);
    EXPECT_EQ(0, host.GetDataStatus());
    host.Data().Clear();
    ApplyHostSetting(host, "season", "4");
    ApplyHostSetting(host, "datastatus", "auto");
    EXPECT_NE(nullptr, host.FindModule(L"TvkSeries"));
    EXPECT_EQ(0, host.GetDataStatus());  // no data
    host.Data().Synthetic(1, 3);
    EXPECT_EQ(1, host.GetDataStatus());
    EXPECT_THROW(ApplyHostSetting(host, "decimal", ";"), std::invalid_argument);
    EXPECT_THROW(ApplyHostSetting(host, "locked", "yes"), std::invalid_argument);
    EXPECT_THROW(ApplyHostSetting(host, "print", "2x"), std::invalid_argument);
    EXPECT_THROW(ApplyHostSetting(host, "print", "99999999999"), std::invalid_argument);
    EXPECT_THROW(ApplyHostSetting(host, "colour", "1"), std::invalid_argument);
}

}  // namespace
