// The distribution manager's inputs: description files (the module's own, or a named folder's, read
// bounded and refused with their name and line), the records it reads back (values no dialog stores
// are refused), and the one table of distributions they rest on, against the numerical service.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "ArchiveTestUtil.h"
#include "DialogTestUtil.h"
#include "Msg/MonteCarloMsg.h"
#include "Numerics/NumericalService.h"
#include "TvkDlgBase/CDistribManager.h"

namespace {

namespace fs = std::filesystem;

struct TextCase {
    const char* name;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
    std::string text;
    int line;           // 0: read; -1: the whole file
    const char* error;  // what the message says after the line
};

class DescriptionTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(DescriptionTexts, AreReadOrRefusedWithTheirLine) {
    const TextCase& c = GetParam();
    CDistribManager manager(nullptr);
    EXPECT_EQ(manager.ParseDistribInfo(c.text), c.line);
    EXPECT_EQ(manager.GetInfo().empty(), c.line != 0);
    EXPECT_NE(manager.GetReadError().ToUtf8().find(c.error), std::string::npos)
        << manager.GetReadError().ToUtf8();
}

const TextCase kTexts[] = {
    {"TwoInOrder", "; offered\n[Distributions]\nDistribution = gamma\r\nDistribution = Normal ; a comment\n",
     0, ""},
    {"UnknownName", "[Distributions]\nDistribution = Normal\nDistribution = Nromal\n", 3,
     "3: an unknown distribution 'Nromal'"},
    {"Twice", "[Distributions]\nDistribution = Normal\nDistribution = NORMAL\n", 3, "offered twice"},
    {"UnknownKey", "[Distributions]\nType = 9\n", 2, "an unknown key 'Type'"},
    {"OtherSection", "[Normal]\nDistribution = Normal\n", 2, "a section [Normal]"},
    {"NoKey", "[Distributions]\nDistribution = Normal\nNormal\n", 3, "not a line of a description file"},
    {"Empty", "", -1, "offers no distribution"},
    {"NulByte", std::string("[Distributions]\nDistribution = Normal\0\nDistribution = Gamma\n", 58), 2,
     "a NUL byte"},
    {"Utf16", std::string("\xFF\xFE[\0D\0", 6), 1, "UTF-16"},
    {"LongLine", "[Distributions]\nDistribution = Normal" + std::string(300, ' ') + "\n", 2, "longer than"},
};

INSTANTIATE_TEST_SUITE_P(Texts, DescriptionTexts, ::testing::ValuesIn(kTexts),
                         [](const auto& p) { return std::string(p.param.name); });

class DescriptionFolder : public ::testing::Test {
protected:
    DescriptionFolder() : m_folder(fs::temp_directory_path() / ("distrib-" + std::to_string(::getpid()))) {
        fs::create_directories(m_folder);
    }
    ~DescriptionFolder() override { fs::remove_all(m_folder); }
    void Write(const std::string& name, const std::string& text) { std::ofstream(m_folder / name) << text; }
    CString Path(const std::string& name) const { return CString::FromUtf8((m_folder / name).string()); }
    fs::path m_folder;
};

// A named folder is read bounded: what is no regular file of a sensible size is refused with its name,
// without blocking or reading on; the current folder plays no part.
TEST_F(DescriptionFolder, ReadsAreBoundedAndSayTheFile) {
    Write("big.ini", "[Distributions]\n" + std::string(CDistribManager::kMaxFileBytes, ';'));
    ::mkfifo((m_folder / "fifo.ini").c_str(), 0600);
    fs::create_directory(m_folder / "folder.ini");
    fs::create_symlink("/dev/zero", m_folder / "zero.ini");
    const std::pair<const char*, const char*> cases[] = {
        {"big.ini", "larger than 64 KiB"},
        {"fifo.ini", "is no regular file"},
        {"folder.ini", "is a folder"},
        {"zero.ini", "is no regular file"},
        {"none.ini", "cannot be read: No such file"},
    };
    for (const auto& [name, said] : cases) {
        CDistribManager manager(nullptr);
        EXPECT_FALSE(manager.ReadDistribInfo(Path(name)));
        const std::string error = manager.GetReadError().ToUtf8();
        EXPECT_EQ(error.find(Path(name).ToUtf8() + ": "), 0u) << error;
        EXPECT_NE(error.find(said), std::string::npos) << error;
    }
    // A bare name is the module's own, even where the current folder holds a file of that name.
    Write("RandSampDiscreteDistribInfo.ini", "[Distributions]\nDistribution = Zipf\n");
    const fs::path before = fs::current_path();
    fs::current_path(m_folder);
    CDistribManager own(nullptr);
    const bool read = own.ReadDistribInfo(L"RandSampDiscreteDistribInfo.ini");
    fs::current_path(before);
    EXPECT_TRUE(read);
    EXPECT_EQ(own.GetInfo().size(), 7u);
    CDistribManager named(nullptr);
    EXPECT_TRUE(named.ReadDistribInfo(Path("RandSampDiscreteDistribInfo.ini")));
    EXPECT_EQ(named.GetInfo().size(), 1u);
}

// The dialog says why it offers nothing, and its OK refuses with the same words.
TEST_F(DescriptionFolder, ADialogSaysWhatIsWrongWithItsFile) {
    Write("RandSampContinuousDistribInfo.ini", "[Distributions]\nDistribution = Normal\nDistribution = x\n");
    FakeHost host;
    host.distributionFolder = CString::FromUtf8(m_folder.string() + "/");
    bool refused = false;
    ScriptedDriver driver([&](CGUIBaseDlg& dlg) {
        refused = !dlg.OnOK();
        return IDCANCEL;
    });
    CMonteCarloMsg(&host).OnTKCommand(1035);
    EXPECT_TRUE(refused);
    const std::wstring said =
        std::wstring(Path("RandSampContinuousDistribInfo.ini").str()) + L":3: an unknown distribution 'x'";
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0], said);
    EXPECT_EQ(host.messages[1], said);
    EXPECT_TRUE(host.runs.empty());
}

// ---- records read back --------------------------------------------------------------------------------

struct LoadCase {
    const char* name;
    friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
    int active;
    int type;
    std::vector<double> values;
    std::vector<std::u16string> texts;
    bool loads;
};

class DistributionRecords : public ::testing::TestWithParam<LoadCase> {};

TEST_P(DistributionRecords, LoadOnlyWhatADialogStores) {
    const LoadCase& c = GetParam();
    ExpectedArchive a;
    a.Int(c.texts.empty() ? 1 : 2).Int(c.active).Count(1).Int(c.type).Count(c.values.size());
    for (double v : c.values)
        a.Double(v);
    if (!c.texts.empty()) {
        a.Count(c.texts.size());
        for (const auto& t : c.texts)
            a.Text(t);
    }
    CDistribManagerData data;
    data.SetActiveType(7);
    const CDistribManagerData before = data;
    CArchive ar(a.bytes());
    if (c.loads) {
        data.Serialize(ar);
        EXPECT_EQ(data.GetActiveType(), c.active);
    } else {
        EXPECT_THROW(data.Serialize(ar), CArchiveException);
        EXPECT_EQ(data, before);
    }
}

const LoadCase kLoads[] = {
    {"Normal", 9, 9, {0, 1}, {}, true},
    {"ChoiceWithoutValues", 22, 9, {0, 1}, {}, false},
    {"UnknownType", -1, 34, {1}, {}, false},
    {"ValueShort", -1, 9, {0}, {}, false},
    {"NegativeSpread", -1, 9, {0, -1}, {}, false},
    {"NotANumber", -1, 9, {std::nan(""), 1}, {}, false},
    {"WholeBeyondInt", -1, 6, {1e300}, {}, false},
    {"WholeNotWhole", -1, 6, {2.5}, {}, false},
    {"BoundsReversedChosen", 0, 0, {2, 1}, {}, false},
    {"BoundsReversedNotChosen", -1, 0, {2, 1}, {}, true},
    {"ListFromAFile", -1, 29, {1, 3, 1}, {u"", u"", u"0.2 0.3 0.5"}, false},
    {"MatrixFromAFile", 32, 32, {2, 0, 1}, {u"", u"0 0", u"cov.txt"}, true},
    {"TextsShort", -1, 32, {2, 0, 0}, {u"", u"0 0"}, false},
};

INSTANTIATE_TEST_SUITE_P(Archives, DistributionRecords, ::testing::ValuesIn(kLoads),
                         [](const auto& p) { return std::string(p.param.name); });

// ---- the table ---------------------------------------------------------------------------------------

// The module's files read; the defaults of every distribution fit together, and those the service
// computes it takes as they are: the count and order of the table's parameters are the service's.
TEST(DistributionTable, DefaultsFitAndTheServiceTakesThem) {
    for (const char* file :
         {"ADDistribInfo.ini", "FittingContinuousDistribInfo.ini", "FittingDiscreteDistribInfo.ini",
          "OneSampleKSDistribInfo.ini", "ProbabilityContinuousDistribInfo.ini",
          "ProbabilityDiscreteDistribInfo.ini", "RandSampContinuousDistribInfo.ini",
          "RandSampDiscreteDistribInfo.ini", "RandSampMultivariateDistribInfo.ini"})
        EXPECT_TRUE(CDistribManager(nullptr).ReadDistribInfo(CString::FromUtf8(file))) << file;
    CNumericalService service;
    INumericalService& numerics = service;
    int computed = 0;
    for (const DistribFact& f : AllDistribFacts()) {
        std::vector<double> values;
        std::vector<CString> texts;
        for (const DistribParameter& p : f.parameters) {
            EXPECT_TRUE(p.Accepts(p.defaultValue)) << f.name;
            values.push_back(p.defaultValue);
            texts.push_back(p.defaultText);
        }
        EXPECT_FALSE(f.CheckTogether(values, texts)) << f.name;
        EXPECT_EQ(FindDistribFact(f.type), &f);
        if (f.ValueRangeText().IsEmpty())
            continue;
        auto d = numerics.CreateDistribution(f.type);
        ASSERT_TRUE(d) << f.name;
        EXPECT_TRUE(d->SetParameters(values)) << f.name;
        values.push_back(1);
        EXPECT_FALSE(d->SetParameters(values)) << f.name;
        EXPECT_EQ(d->IsDiscrete(), f.discrete) << f.name;
        ++computed;
    }
    EXPECT_EQ(computed, 37);
}

}  // namespace
