// Scenario tests: every tests/scenarios/NAME.tvs is a session script that the built tvkhost runs. What
// it writes to standard output and standard error, in the order written, must equal NAME.out, which ends
// with a line "[exit N]" when the exit status is not 0. A script whose first line is "#!tvkhost ARGS"
// is run as `tvkhost ARGS` instead of `tvkhost run NAME.tvs`.
//
// Each script runs in a fresh copy of tests/scenarios, so files it saves go nowhere else. With
// TVKHOST_UPDATE_SCENARIOS=1 in the environment the .out files are written instead of compared.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kScenarioDir = fs::path(DLGSTAT1_TEST_SOURCE_DIR) / "tests" / "scenarios";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> ScenarioNames() {
    std::vector<std::string> names;
    if (fs::is_directory(kScenarioDir))
        for (const auto& entry : fs::directory_iterator(kScenarioDir))
            if (entry.path().extension() == ".tvs")
                names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct Outcome {
    std::string output;
    int status;
};

// Runs tvkhost in `dir` with the given argument text (already quoted for the shell).
Outcome RunHost(const fs::path& dir, const std::string& arguments) {
    const fs::path out = dir / ".scenario-output";
    const std::string command = "cd '" + dir.string() + "' && '" + TVKHOST_PATH + "' " + arguments + " >'" +
                                out.string() + "' 2>&1 </dev/null";
    const int raw = std::system(command.c_str());
    Outcome outcome{ReadFile(out), WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw)};
    fs::remove(out);
    if (outcome.status != 0)
        outcome.output += "[exit " + std::to_string(outcome.status) + "]\n";
    return outcome;
}

class ScenarioTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        m_dir =
            fs::temp_directory_path() / ("tvkhost-scenario-" + GetParam() + "-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::copy(kScenarioDir, m_dir, fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path m_dir;
};

TEST_P(ScenarioTest, OutputMatches) {
    const std::string script = GetParam() + ".tvs";
    std::string arguments = "run '" + script + "'";
    const std::string text = ReadFile(kScenarioDir / script);
    if (text.rfind("#!tvkhost ", 0) == 0)
        arguments = text.substr(10, text.find('\n') - 10);
    const Outcome outcome = RunHost(m_dir, arguments);

    const fs::path expected = kScenarioDir / (GetParam() + ".out");
    if (const char* update = std::getenv("TVKHOST_UPDATE_SCENARIOS"); update && std::string(update) == "1") {
        std::ofstream(expected, std::ios::binary) << outcome.output;
        return;
    }
    ASSERT_TRUE(fs::exists(expected)) << expected << " is missing";
    EXPECT_EQ(ReadFile(expected), outcome.output) << "tvkhost " << arguments;
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScenarioTest, ::testing::ValuesIn(ScenarioNames()),
                         [](const ::testing::TestParamInfo<std::string>& scenario) {
                             std::string name = scenario.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// The demo is not compared line by line: every menu group that gains a dialog changes it. It must run
// through every menu item and show what the items that work already send; a dialog that refuses its
// defaults must pass with the demo's values.
TEST(DemoTest, OpensEveryMenuItemInMenuOrder) {
    const fs::path dir = fs::temp_directory_path();
    const Outcome outcome = RunHost(dir, "demo");
    ASSERT_EQ(0, outcome.status) << outcome.output;

    std::istringstream menu(
        ReadFile(fs::path(DLGSTAT1_TEST_SOURCE_DIR) / "Resources" / "menus" / "menus.txt"));
    std::vector<std::string> items;
    for (std::string line; std::getline(menu, line);)
        if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])))
            items.push_back(line);

    // Each item's block: its path, then what it printed.
    struct Block {
        std::string path;
        std::vector<std::string> lines;
    };
    std::vector<Block> blocks;
    std::istringstream demo(outcome.output);
    for (std::string line; std::getline(demo, line);) {
        if (line.rfind("== ", 0) == 0)
            blocks.push_back({line, {}});
        else if (!blocks.empty())
            blocks.back().lines.push_back(line);
    }
    ASSERT_EQ(items.size(), blocks.size());
    const auto isReport = [](const std::string& line) {
        for (const char* prefix : {"status: ", "message: ", "warning: ", "caption: "})
            if (line.rfind(prefix, 0) == 0)
                return true;
        return false;
    };
    int disabled = 0;
    int withValues = 0;
    for (const Block& block : blocks) {
        SCOPED_TRACE(block.path);
        // Notes on unreachable controls and mistakes in the values come on standard error.
        for (const std::string& line : block.lines) {
            EXPECT_NE("refused", line);
            EXPECT_NE(0u, line.rfind("tvkhost: ", 0)) << line;
        }
        if (block.lines == std::vector<std::string>{"disabled"}) {
            ++disabled;
            continue;
        }
        // What the kernel received, after the values if the defaults were refused. Only the probability
        // calculator, which computes inside its dialog, may send nothing.
        auto first = std::find(block.lines.begin(), block.lines.end(),
                               "refused with its defaults; with the demo's values:");
        if (first != block.lines.end())
            ++withValues;
        first = first == block.lines.end() ? block.lines.begin() : first + 1;
        const bool sent =
            std::any_of(first, block.lines.end(), [&](const std::string& l) { return !isReport(l); });
        EXPECT_TRUE(sent || block.path.find("Probability Calculator") != std::string::npos);
    }
    // Response surfaces, optimal designs and sample size tables.
    EXPECT_EQ(3, disabled);
    // Every item the bundled values name needs them: values no dialog asks for any more are stale.
    std::istringstream values(
        ReadFile(fs::path(DLGSTAT1_TEST_SOURCE_DIR) / "Resources" / "data" / "demo.tvs"));
    int named = 0;
    for (std::string line; std::getline(values, line);)
        named += line.rfind("menu ", 0) == 0;
    EXPECT_EQ(named, withValues);
    EXPECT_NE(std::string::npos,
              outcome.output.find("Random Samples: Multivariate\nRANDSAMP\nMULTIVARIATE "
                                  "multinomRN(1, 3, [0.2, 0.3, 0.5]) / NSAMP = 1 SIZE = 1\n"));
    EXPECT_NE(std::string::npos, outcome.output.find("Kolmogorov-Smirnov and Lilliefors\nNONPARAMETRIC\n"
                                                     "KS Sales / UNIFORM = 0, 1\n"));
    EXPECT_EQ("== Statistics: Descriptive Statistics: Column Statistics", blocks.front().path);
    EXPECT_NE(std::string::npos, outcome.output.find("== Statistics: Time Series: Correlation Plots: "
                                                     "Autocorrelation\nSERIES\nACF Sales\n"));
    EXPECT_NE(std::string::npos, outcome.output.find("== Statistics: Time Series: Missing Values: "
                                                     "Interpolate\nSERIES\nMISSING INTERPOLATE\n"));
    EXPECT_NE(std::string::npos, outcome.output.find("Response Surfaces\ndisabled\n"));
}

// Values from a file of the user's replace the bundled ones; a mistake in them names the file and line
// and stops the demo, whether it shows on reading or only once the dialog is open.
TEST(DemoTest, ValuesFromAFile) {
    const fs::path dir = fs::temp_directory_path() / ("tvkhost-demo-values-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string paired =
        "== Statistics: Hypothesis Testing: Means: Paired t Test\n"
        "message: Select at least two variables: the test compares them in pairs.\n";
    const std::string pairedRefused = paired + "refused\n== ";
    const std::string pairedAccepted =
        paired +
        "refused with its defaults; with the demo's values:\nHYPOTHESIS\nTTEST Sales Visitors /\n== ";
    const std::string oneCorrelationRefused =
        "Correlations: One Correlation\nmessage: Select at least two "
        "variables: the test compares them in pairs.\nrefused\n== ";
    struct Case {
        std::string values;
        int status;
        std::vector<std::string> expected;  // found in the output, in this order
    } cases[] = {
        {"# only the paired test\nmenu 1075\r\nselect 5131 Sales Visitors\n\n  click 5124",
         0,
         {pairedAccepted, oneCorrelationRefused}},
        {"", 0, {pairedRefused}},
        // Read as a script is: lone carriage returns end lines, a NUL byte is refused.
        {"menu 1075\rselect 5131 Sales Visitors\rclick 5124\r", 0, {pairedAccepted}},
        {std::string("menu 1075\nselect 5131 Sa\0les\n", 30),
         2,
         {"tvkhost: values.tvs:2: a NUL byte: a script is plain text\n"}},
        {"select 5131 Sales\n",
         2,
         {"tvkhost: values.tvs:1: 'select' before the first `menu ID`\n[exit 2]\n"}},
        {"menu 1075\n\nmenu 9999\n", 2, {"tvkhost: values.tvs:3: the module has no menu item 9999\n"}},
        {"menu 1075\nmenu 1075\n", 2, {"tvkhost: values.tvs:2: menu item 1075 has its values already\n"}},
        {"menu 1075\nselect 5131 Sales\nok\n", 2, {"tvkhost: values.tvs:3: the demo presses OK itself"}},
        {"menu 1075\nselect 5131 \"Sales\n", 2, {"tvkhost: values.tvs:2: "}},
        // Found only once the dialog is open: the demo stops at that item.
        {"menu 1075\nselect 5131 Sales Visitors\nfrobnicate 1\n",
         2,
         {paired + "refused with its defaults; with the demo's values:\n"
                   "tvkhost: values.tvs:3: unknown command 'frobnicate'\n[exit 2]\n"}},
        // A control the dialog shows disabled is noted, and the demo goes on.
        {"menu 1075\nselect 5131 Sales Visitors\nclick 5135\nclick 5124\n",
         0,
         {"tvkhost: values.tvs:3: control 5135 is disabled; nothing happens\nHYPOTHESIS\nTTEST Sales "
          "Visitors /\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values);
        std::ofstream(dir / "values.tvs", std::ios::binary) << c.values;
        const Outcome outcome = RunHost(dir, "demo --values values.tvs");
        EXPECT_EQ(c.status, outcome.status);
        std::size_t at = 0;
        for (const std::string& expected : c.expected) {
            at = outcome.output.find(expected, at);
            EXPECT_NE(std::string::npos, at) << expected << "\n---\n" << outcome.output;
        }
    }
    // An endless file is refused at its first line, not read into memory.
    const Outcome endless = RunHost(dir, "demo --values /dev/zero");
    EXPECT_EQ(2, endless.status);
    EXPECT_NE(std::string::npos, endless.output.find("tvkhost: /dev/zero:1: a NUL byte")) << endless.output;
    // A file that is not there is an error, not a demo with no values.
    const Outcome missing = RunHost(dir, "demo --values no-such-values.tvs");
    EXPECT_EQ(2, missing.status);
    EXPECT_NE(std::string::npos,
              missing.output.find("tvkhost: no-such-values.tvs: cannot open the demo's values"))
        << missing.output;
    fs::remove_all(dir);
}

}  // namespace
