// The reference host with the module loaded as a user runs it: the record store's file and its
// failures, and the session-script words.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "Host/HostApp.h"
#include "Host/HostScript.h"
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

TEST_F(HostAppTest, StoreMakesTheRecordsTheHostLacksQuietly) {
    Open(1048, "4");
    const auto stored = m_host.SaveRecords();
    HostApp fresh(m_out);
    fresh.LoadModule(DLGSTAT1_MODULE_PATH);
    fresh.Data().Synthetic(3, 30);
    m_out.str("");
    fresh.OpenRecords(stored);
    EXPECT_EQ("SERIES|PACF V1 / LAG = 4|", Lines(fresh, 1048));
    EXPECT_EQ("", m_out.str());  // the dialog opened to make the record was never seen
    EXPECT_TRUE(fresh.KernelLog().empty());
}

TEST_F(HostAppTest, BadStoreLeavesEveryRecordAsItWas) {
    Open(1039, "7");
    Open(1048, "5");
    const auto stored = m_host.SaveRecords();
    Open(1039, "9");
    Open(1048, "6");
    // The last byte belongs to the last record (1048): a truncated archive fails after 1039 has loaded.
    std::vector<unsigned char> truncated(stored.begin(), stored.end() - 1);
    EXPECT_THROW(m_host.OpenRecords(truncated), CArchiveException);
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
    ApplyHostSetting(host, "datastatus", "-3");
    EXPECT_EQ(L',', host.GetDecimalSymbol());
    EXPECT_EQ(nullptr, host.FindModule(L"TvkSeries"));
    EXPECT_TRUE(host.IsCurrentModule(L"SERIES"));
    EXPECT_EQ(-3, host.GetDataStatus());
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
