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
// through every menu item and show what the items that work already send.
TEST(DemoTest, OpensEveryMenuItemInMenuOrder) {
    const fs::path dir = fs::temp_directory_path();
    const Outcome outcome = RunHost(dir, "demo");
    ASSERT_EQ(0, outcome.status) << outcome.output;

    std::istringstream menu(
        ReadFile(fs::path(DLGSTAT1_TEST_SOURCE_DIR) / "Resources" / "menus" / "menus.txt"));
    std::istringstream demo(outcome.output);
    std::vector<std::string> items;
    std::vector<std::string> paths;
    for (std::string line; std::getline(menu, line);)
        if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])))
            items.push_back(line);
    // Every item shows what it sent (or that it was disabled or refused); only the probability
    // calculator, which computes inside its dialog, may send nothing.
    std::vector<std::string> silent;
    bool lastWasPath = false;
    for (std::string line; std::getline(demo, line);) {
        const bool isPath = line.rfind("== ", 0) == 0;
        if (isPath && lastWasPath)
            silent.push_back(paths.back());
        if (isPath)
            paths.push_back(line);
        lastWasPath = isPath;
    }
    if (lastWasPath)
        silent.push_back(paths.back());
    ASSERT_EQ(items.size(), paths.size());
    for (const std::string& path : silent)
        EXPECT_NE(std::string::npos, path.find("Probability Calculator")) << path;
    EXPECT_NE(std::string::npos,
              outcome.output.find("Random Samples: Multivariate\nRANDSAMP\nMULTIVARIATE "
                                  "multinomRN(1, 3, [0.2, 0.3, 0.5]) / NSAMP = 1 SIZE = 1\n"));
    EXPECT_NE(std::string::npos, outcome.output.find("Kolmogorov-Smirnov and Lilliefors\nNONPARAMETRIC\n"
                                                     "KS Sales / UNIFORM = 0, 1\n"));
    EXPECT_EQ("== Statistics: Descriptive Statistics: Column Statistics", paths.front());
    EXPECT_NE(std::string::npos, outcome.output.find("== Statistics: Time Series: Correlation Plots: "
                                                     "Autocorrelation\nSERIES\nACF Sales\n"));
    EXPECT_NE(std::string::npos, outcome.output.find("== Statistics: Time Series: Missing Values: "
                                                     "Interpolate\nSERIES\nMISSING INTERPOLATE\n"));
    EXPECT_NE(std::string::npos, outcome.output.find("Response Surfaces\ndisabled\n"));
}

}  // namespace
