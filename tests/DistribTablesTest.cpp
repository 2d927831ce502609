// The static distribution tables shared by the distribution dialogs: sets, positions, display ids and
// the keywords procedures write.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "DistribTestUtil.h"
#include "FakeHost.h"
#include "Private/DistribData.h"

namespace {

class DistribTables : public ::testing::Test {
protected:
    void SetUp() override {
        CDistribData::InitializeDistribIDSAndType();
        CDistribFittingData::InitializeDistribIDSAndType();
        CDistribKSData::InitializeDistribIDSAndType();
    }

    template <class C>
    static std::wstring Keyword(int index) {
        CString text;
        C::GetDistributionComboCommand(index, text);
        return std::wstring(text.str());
    }

    // Catalogue indexes at every position of the active set.
    template <class C>
    static std::vector<int> Positions() {
        std::vector<int> indexes;
        for (int i = 0; i < C::GetDistribComboCount(); ++i)
            indexes.push_back(C::GetDistribComboString(i));
        return indexes;
    }

    static std::vector<int> Range(int first, int last) {
        std::vector<int> v;
        for (int i = first; i <= last; ++i)
            v.push_back(i);
        return v;
    }

    SavedTables<CDistribData> savedCatalogue;
    SavedTables<CDistribFittingData> savedFitting;
    SavedTables<CDistribKSData> savedOneSample;
    FakeHost host;
};

TEST_F(DistribTables, MultivariateSetSkipsTypeTwentyEight) {
    CDistribData::SetDistribSet(2);
    EXPECT_EQ(Positions<CDistribData>(), Range(28, 32));
    EXPECT_EQ(CDistribData::GetDistribTypeAt(CDistribData::GetDistribComboString(0)), 29);
    for (int index = 0; index < CDistribData::GetDistribCount(); ++index)
        EXPECT_NE(CDistribData::GetDistribTypeAt(index), 28) << index;
    EXPECT_EQ(CDistribData::GetDistribTypeAt(27), 27);
    EXPECT_EQ(CDistribData::GetDistribTypeAt(32), 33);
}

TEST_F(DistribTables, EverySetShowsItsIndexesInAscendingOrder) {
    const std::vector<std::vector<int>> sets{Range(0, 20), Range(21, 27), Range(28, 32), Range(0, 19),
                                             Range(0, 27)};
    for (int set = 0; set < 5; ++set) {
        CDistribData::SetDistribSet(set);
        EXPECT_EQ(CDistribData::m_nDistribSet, set);
        EXPECT_EQ(Positions<CDistribData>(), sets[static_cast<std::size_t>(set)]) << "set " << set;
    }
    EXPECT_TRUE(host.assertions.empty());
}

TEST_F(DistribTables, UnknownSetLeavesAnEmptyListAndIsReported) {
    CDistribData::SetDistribSet(5);
    EXPECT_EQ(CDistribData::GetDistribComboCount(), 0);
    EXPECT_THROW(CDistribData::GetDistribComboString(0), std::invalid_argument);
    ASSERT_EQ(host.assertions.size(), 1u);
    EXPECT_EQ(host.assertions[0].file, L"DistribData.cpp");

    CDistribData::SetDistribSet(-1);
    EXPECT_EQ(CDistribData::GetDistribComboCount(), 0);
    EXPECT_EQ(host.assertions.size(), 2u);
}

TEST_F(DistribTables, PositionOutsideTheSetIsAnInvalidArgument) {
    CDistribData::SetDistribSet(1);
    EXPECT_THROW(CDistribData::GetDistribComboString(7), std::invalid_argument);
    EXPECT_THROW(CDistribData::GetDistribComboString(-1), std::invalid_argument);
    EXPECT_NO_THROW(CDistribData::GetDistribComboString(6));
    // Position 21 was valid in the continuous set, not in the discrete one.
    CDistribData::SetDistribSet(0);
    EXPECT_THROW(CDistribData::GetDistribComboString(21), std::invalid_argument);
}

TEST_F(DistribTables, DisplayIdsAndTheirAbsence) {
    EXPECT_EQ(CDistribData::GetDistribComboIDS(32), 24043);
    EXPECT_EQ(CDistribData::GetDistribComboIDS(33), -1);
    EXPECT_EQ(CDistribData::GetDistribComboIDS(-1), -1);
    EXPECT_EQ(host.assertions.size(), 2u);

    // Before the tables are filled (or after they are freed) there is no display id, and no report.
    CDistribData::CleanupOnDestroy();
    EXPECT_EQ(CDistribData::m_pDistribComboIDS, nullptr);
    EXPECT_EQ(CDistribData::GetDistribComboIDS(0), -1);
    EXPECT_EQ(host.assertions.size(), 2u);
    EXPECT_EQ(CDistribData::GetDistribCount(), 33);
}

TEST_F(DistribTables, KeywordOfEveryUnivariateEntry) {
    const std::vector<std::wstring> keywords{
        L"UNIFORM = ",   L"BETA = ",      L"ENORM = ",      L"TRIANGULAR = ", L"LOGISTIC = ", L"DEXP = ",
        L"T = ",         L"CAUCHY = ",    L"GUMBEL = ",     L"NORMAL = ",     L"GAMMA = ",    L"CHISQ = ",
        L"GOMPERTZ = ",  L"LNORMAL = ",   L"F = ",          L"WEIBULL = ",    L"PARETO = ",   L"RAYLEIGH = ",
        L"IGAUSSIAN = ", L"EXP = ",       L"RANGE = ",      L"DUNIFORM = ",   L"POISSON = ",  L"BINOMIAL = ",
        L"NBINOMIAL = ", L"GEOMETRIC = ", L"HGEOMETRIC = ", L"ZIPF = "};
    for (int index = 0; index < 28; ++index) {
        EXPECT_EQ(Keyword<CDistribData>(index), keywords[static_cast<std::size_t>(index)]) << index;
        EXPECT_EQ(CDistribData::GetDistribTypeAt(index), index);
    }
    // The multivariate keywords come from the resources alone; each still ends in " = ".
    for (int index = 28; index < 33; ++index)
        EXPECT_TRUE(Keyword<CDistribData>(index).ends_with(L" = ")) << index;
    EXPECT_EQ(Keyword<CDistribData>(33), L"");
    EXPECT_EQ(host.assertions.size(), 1u);
}

TEST_F(DistribTables, OneSampleTestsCatalogue) {
    EXPECT_EQ(CDistribKSData::GetDistribCount(), 29);
    CDistribKSData::SetDistribSet(4);
    EXPECT_EQ(Positions<CDistribKSData>(), Range(0, 28));
    std::vector<int> types;
    for (int index = 0; index < 29; ++index)
        types.push_back(CDistribKSData::GetDistribTypeAt(index));
    std::vector<int> expected = Range(0, 19);
    for (int t : {35, 36, 38, 39, 40, 41, 42, 43, 44})
        expected.push_back(t);
    EXPECT_EQ(types, expected);
    const std::vector<std::wstring> onlyHere{L"BENFORD = ",   L"ERLANG = ",  L"LSERIES = ",
                                             L"LLOGISTIC = ", L"NCCHISQ = ", L"NCF = ",
                                             L"NCT = ",       L"SMM = ",     L"SEV = "};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(Keyword<CDistribKSData>(20 + i), onlyHere[static_cast<std::size_t>(i)]) << 20 + i;
    // Without the studentized range.
    for (int index = 0; index < 29; ++index)
        EXPECT_NE(Keyword<CDistribKSData>(index), L"RANGE = ");
    CDistribKSData::SetDistribSet(3);
    EXPECT_EQ(Positions<CDistribKSData>(), Range(0, 19));
}

TEST_F(DistribTables, FittingCatalogueHasTheUnivariateEntries) {
    EXPECT_EQ(CDistribFittingData::GetDistribCount(), 28);
    CDistribFittingData::SetDistribSet(0);
    EXPECT_EQ(Positions<CDistribFittingData>(), Range(0, 20));
    CDistribFittingData::SetDistribSet(1);
    EXPECT_EQ(Positions<CDistribFittingData>(), Range(21, 27));
    EXPECT_EQ(Keyword<CDistribFittingData>(27), L"ZIPF = ");
    EXPECT_TRUE(host.assertions.empty());
}

// The catalogues are independent: choosing a set for one leaves the others as they were.
TEST_F(DistribTables, SetsAreKeptPerCatalogue) {
    CDistribData::SetDistribSet(2);
    CDistribKSData::SetDistribSet(4);
    EXPECT_EQ(CDistribData::GetDistribComboCount(), 5);
    EXPECT_EQ(CDistribKSData::GetDistribComboCount(), 29);
}

// In a fresh process, before the module starts: no set, the whole catalogue shown, no display ids.
TEST(DistribTablesDeathTest, BeforeTheModuleStarts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const bool fresh =
                CDistribData::m_nDistribSet == -1 && CDistribData::GetDistribCount() == 33 &&
                CDistribData::GetDistribComboCount() == 33 && CDistribData::GetDistribComboString(32) == 32 &&
                CDistribData::GetDistribComboIDS(0) == -1 && CDistribKSData::GetDistribComboCount() == 29;
            std::_Exit(fresh ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
