// The framework's exchange rules as every dialog meets them, each run on a plain dialog and on a page of
// a composite launched from their menus: disabled edits, the save file's tool tip, the colour of a text
// the dialog sets, variables the data no longer has; then the framework's own forms on small test
// dialogs: type-filtered moves, combo indexes, file names, the number rules.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "DialogTestUtil.h"
#include "Msg/DescriptiveStatisticsMsg.h"
#include "Msg/TimeSeriesMsg.h"
#include "Private/AcfDlg.h"
#include "Private/ArimaDlg.h"
#include "Private/ExponentialDlg.h"
#include "Private/PowerOneSampleDlg.h"
#include "Private/StatisticsDlg.h"
#include "Private/StatisticsTabData.h"
#include "Private/StatisticsTilesDlg.h"
#include "Private/TimeDlg.h"

namespace {

using Actions = std::function<int(CGUIBaseDlg&)>;
using Stats = CStatisticsDlg;

constexpr UINT kColumnStatistics = 1060;
constexpr int kPlain = -1;  // the dialog itself rather than a page of it

class ExchangeRules : public ::testing::Test {
protected:
    ExchangeRules() {
        host.data.cases = 30;
        host.data.AddNumeric(L"Sales");
        host.data.AddNumeric(L"Cost");
        host.data.AddString(L"Region");
        CStatisticsDlg::m_mapIDS2State.clear();
        CStatisticsTilesDlg::m_mapIDS2State.clear();
    }

    // Chooses the menu item and runs `actions` on the page (or, for kPlain, the dialog) it opens.
    void Open(UINT command, int page, Actions actions) {
        ScriptedDriver driver([&](CGUIBaseDlg& dlg) {
            if (page == kPlain)
                return actions(dlg);
            dlg.UserShowPage(page);
            return actions(dlg.GetActiveControlsDialog());
        });
        if (command >= 1060 && command <= 1063)
            EXPECT_TRUE(CDescriptiveStatisticsMsg(&host).OnTKCommand(command));
        else
            EXPECT_TRUE(CTimeSeriesMsg(&host).OnTKCommand(command));
        EXPECT_EQ(driver.runs, 1);
    }

    // Every line of the kept record, as one text.
    std::wstring Lines(UINT command) {
        std::wstring all;
        for (const auto& line : LinesOf(*host.records.at(command)))
            all += line + L"\n";
        return all;
    }

    std::wstring LastStatus() const {
        return host.sentMessages.empty() ? L"" : host.sentMessages.back().second;
    }

    FakeHost host;
};

// ---- a number typed into an edit that is then disabled ------------------------------------------
// ARIMA's MA order, the trimming proportion and the n-tiles are the exchange_disabled_edits scenario's;
// a period of 0 is time_period_zero's.

TEST_F(ExchangeRules, ADisabledEditKeepsWhatWasTypedWithoutARangeCheck) {
    using Smooth = CExponentialDlg;
    // The forecast check opens the number edit (with its radio) and closes it again.
    Open(1044, kPlain, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(Smooth::IDC_FORECAST_CHECK);
        dlg.UserClick(Smooth::IDC_NUMBER_RADIO);
        dlg.UserTypeText(Smooth::IDC_NUMBER_EDIT, L"6");
        dlg.UserClick(Smooth::IDC_FORECAST_CHECK);
        EXPECT_FALSE(dlg.IsCtrlEnabled(Smooth::IDC_NUMBER_EDIT));
        return IDOK;
    });
    ASSERT_EQ(host.runs.size(), 1u);
    EXPECT_EQ(Lines(1044).find(L" / FORECAST=6 "), std::wstring::npos);
    Open(1044, kPlain, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetCtrlWindowText(Smooth::IDC_NUMBER_EDIT), L"6");
        dlg.UserClick(Smooth::IDC_FORECAST_CHECK);
        EXPECT_TRUE(dlg.IsCtrlEnabled(Smooth::IDC_NUMBER_EDIT));
        return IDOK;
    });
    EXPECT_NE(Lines(1044).find(L" / FORECAST=6 "), std::wstring::npos);
}

TEST_F(ExchangeRules, ADisabledEditHoldingNoNumberKeepsItsValueAndPasses) {
    Open(1040, kPlain, [&](CGUIBaseDlg& dlg) {
        dlg.UserClick(CArimaDlg::IDC_MA_CHECK);
        dlg.UserTypeText(CArimaDlg::IDC_MA_EDIT, L"four");
        dlg.UserClick(CArimaDlg::IDC_MA_CHECK);
        EXPECT_TRUE(dlg.OnOK());
        return IDOK;
    });
    EXPECT_TRUE(dynamic_cast<CArimaData&>(*host.records.at(1040)).MaEdit.IsDefault());
    EXPECT_TRUE(host.sentMessages.empty());
}

// ---- the save file's tool tip -----------------------------------------------------------------------

TEST_F(ExchangeRules, TheSaveFilesToolTipFollowsTheNameWhateverSetsIt) {
    struct Case {
        UINT command;
        int page;
        UINT check;
        UINT file;
    };
    for (const Case& c : {Case{1040, kPlain, CArimaDlg::IDC_SAVE_CHECK, CArimaDlg::IDC_SAVE_FILE},
                          Case{kColumnStatistics, 0, Stats::IDC_SAVE_CHECK, Stats::IDC_SAVE_FILE}}) {
        SCOPED_TRACE(c.command);
        Open(c.command, c.page, [&](CGUIBaseDlg& dlg) {
            EXPECT_EQ(dlg.GetToolTip(c.file), L"");
            dlg.UserCheck(c.check, 1);
            dlg.UserTypeText(c.file, L"out/a");
            EXPECT_EQ(dlg.GetToolTip(c.file), L"out/a");
            return IDOK;
        });
        Open(c.command, c.page, [&](CGUIBaseDlg& dlg) {
            EXPECT_EQ(dlg.GetToolTip(c.file), L"out/a.tvz");  // loaded
            dlg.UserClick(IDC_RESET);
            EXPECT_EQ(dlg.GetCtrlWindowText(c.file), L"");
            EXPECT_EQ(dlg.GetToolTip(c.file), L"");
            return IDCANCEL;
        });
    }
}

// ---- the colour of a text the dialog sets -----------------------------------------------------------

TEST_F(ExchangeRules, AnEditWhoseTextTheDialogSetsIsJudgedAgain) {
    // The autocorrelation dialog replaces a kept lag beyond the data by the data's maximum.
    auto* acf = new CAcfData;
    acf->EditLagEdit.SetUserValue(40);
    host.StoreDialogRecord(1039, acf);
    auto* tab = new CStatisticsTabData;
    tab->Page<0>().CimCheck = 1;
    tab->Page<0>().CimEdit.SetUserValue(100.0);
    host.StoreDialogRecord(kColumnStatistics, tab);
    struct Case {
        UINT command;
        int page;
        UINT edit;
        COLORREF opening;
        const wchar_t* inside;
        const wchar_t* outside;
    };
    for (const Case& c : {Case{1039, kPlain, CAcfDlg::IDC_LAG_EDIT, kColorWhite, L"5", L"30"},
                          Case{kColumnStatistics, 0, Stats::IDC_CIM_EDIT, kColorInvalid, L"95", L"100"}}) {
        Open(c.command, c.page, [&](CGUIBaseDlg& dlg) {
            EXPECT_EQ(dlg.Ctrl(c.edit).m_color, c.opening) << c.command;
            dlg.SetCtrlWindowText(c.edit, c.inside);
            EXPECT_EQ(dlg.Ctrl(c.edit).m_color, kColorWhite) << c.command;
            dlg.SetCtrlWindowText(c.edit, c.outside);
            EXPECT_EQ(dlg.Ctrl(c.edit).m_color, kColorInvalid) << c.command;
            return IDCANCEL;
        });
    }
}

// ---- variables the data no longer has -------------------------------------------------------------

TEST_F(ExchangeRules, OpeningDropsSelectedVariablesTheDataLacks) {
    auto* acf = new CAcfData;
    acf->SelectedVariablesList = Variables({L"Gone", L"Cost", L"Lost"});
    host.StoreDialogRecord(1039, acf);
    auto* tab = new CStatisticsTabData;
    tab->Page<0>().SelectedVariableList = Variables({L"Sales", L"Gone"});
    host.StoreDialogRecord(kColumnStatistics, tab);
    struct Case {
        UINT command;
        int page;
        UINT selected;
        std::vector<std::wstring> kept;
        const wchar_t* status;
        std::function<const CVariableList&()> record;
    };
    const Case cases[] = {
        {1039,
         kPlain,
         CAcfDlg::IDC_SELECTED_LIST,
         {L"Cost"},
         L"Dropped 2 variables the data does not have: Gone, Lost",
         [&]() -> const CVariableList& { return acf->SelectedVariablesList; }},
        {kColumnStatistics,
         0,
         Stats::IDC_SELECTED_LIST,
         {L"Sales"},
         L"Dropped 1 variable the data does not have: Gone",
         [&]() -> const CVariableList& { return tab->Page<0>().SelectedVariableList; }},
    };
    for (const Case& c : cases) {
        for (const int result : {IDCANCEL, IDOK}) {
            host.sentMessages.clear();
            Open(c.command, c.page, [&](CGUIBaseDlg& dlg) {
                EXPECT_EQ(NamesOf(dlg.ListCtrl(c.selected).GetItems()), c.kept);
                return result;
            });
            ASSERT_FALSE(host.sentMessages.empty()) << c.command;
            EXPECT_EQ(host.sentMessages.front().second, c.status);
        }
        // Cancelled, the record kept them; accepted, it holds what the dialog showed.
        EXPECT_EQ(NamesOf(c.record()), c.kept);
    }
    // The source list is the data's own, and data without variables drops nothing.
    host.data.variables.clear();
    acf->SelectedVariablesList = Variables({L"Gone"});
    Open(1039, kPlain, [&](CGUIBaseDlg& dlg) {
        EXPECT_EQ(NamesOf(dlg.ListCtrl(CAcfDlg::IDC_SELECTED_LIST).GetItems()),
                  std::vector<std::wstring>{L"Gone"});
        return IDCANCEL;
    });
}

// ---- the statistics page: each keyword alone --------------------------------------------------------

struct KeywordCase {
    UINT box;
    const wchar_t* options;  // the line's text after " /"
};

void PrintTo(const KeywordCase& c, std::ostream* os) {
    *os << "box " << c.box;
}

class StatisticsKeywords : public ExchangeRules, public ::testing::WithParamInterface<KeywordCase> {};

TEST_P(StatisticsKeywords, EachBoxAloneWritesItsKeyword) {
    Open(kColumnStatistics, 0, [&](CGUIBaseDlg& page) {
        for (UINT id : {Stats::IDC_N, Stats::IDC_MINIMUM, Stats::IDC_MAXIMUM, Stats::IDC_MEAN, Stats::IDC_SD})
            page.UserCheck(id, 0);
        page.UserCheck(GetParam().box, 1);
        return IDOK;
    });
    EXPECT_EQ(Lines(kColumnStatistics), L"CSTATISTICS  /" + std::wstring(GetParam().options) + L"\n");
}

INSTANTIATE_TEST_SUITE_P(
    ExchangeRules, StatisticsKeywords,
    ::testing::Values(
        KeywordCase{Stats::IDC_N, L" N"}, KeywordCase{Stats::IDC_MINIMUM, L" MIN"},
        KeywordCase{Stats::IDC_MAXIMUM, L" MAX"}, KeywordCase{Stats::IDC_SUM, L" SUM"},
        KeywordCase{Stats::IDC_MEAN, L" MEAN"}, KeywordCase{Stats::IDC_SEM, L" SEM"},
        KeywordCase{Stats::IDC_CIM, L" CONFI"}, KeywordCase{Stats::IDC_MEDIAN, L" MEDIAN"},
        KeywordCase{Stats::IDC_SD, L" SD"}, KeywordCase{Stats::IDC_CV, L" CV"},
        KeywordCase{Stats::IDC_RANGE, L" RANGE"}, KeywordCase{Stats::IDC_VARIANCE, L" VARIANCE"},
        KeywordCase{Stats::IDC_SKEWNESS, L" SKEWNESS"}, KeywordCase{Stats::IDC_SES, L" SES"},
        KeywordCase{Stats::IDC_KURTOSIS, L" KURTOSIS"}, KeywordCase{Stats::IDC_SEK, L" SEK"},
        KeywordCase{Stats::IDC_GM, L" GMEAN"}, KeywordCase{Stats::IDC_HM, L" HMEAN"},
        KeywordCase{Stats::IDC_TRMEAN, L" TREGION = BOTH"}, KeywordCase{Stats::IDC_SHAPIRO_WILK, L" SWTEST"},
        KeywordCase{Stats::IDC_ANDERSON_DARLING, L" ADTEST"},
        KeywordCase{Stats::IDC_MSKEWNESS, L" MSKEWNESS"}, KeywordCase{Stats::IDC_MKURTOSIS, L" MKURTOSIS"},
        KeywordCase{Stats::IDC_HZTEST, L" HZTEST"}, KeywordCase{Stats::IDC_ALL_OPTIONS, L" ALL"}));

// ---- the framework's forms on test dialogs ------------------------------------------------------------

// The autocorrelation template with a numeric-only list pair, a file edit and nothing else.
class FormsDlg : public CGUIBaseDlg {
public:
    FormsDlg() : CGUIBaseDlg(CAcfDlg::IDD) {
        AddListPair({CAcfDlg::IDC_SOURCE_LIST, CAcfDlg::IDC_SELECTED_LIST, CAcfDlg::IDC_ADD,
                     CAcfDlg::IDC_REMOVE, kVariableTypeNumeric});
        source.Add(Numeric(L"A"));
        source.Add(CGUIDataVariable(L"S", kVariableTypeString));
        CreateWindowFromTemplate();
        OnInitDialog();
        CreateListCtrlMenu(CAcfDlg::IDC_SOURCE_LIST, CAcfDlg::IDC_LIST_MENU_LABEL);
        UpdateDependentWindows();
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_ListCtrlArray(pDX, CAcfDlg::IDC_SOURCE_LIST, source);
        DDX_ListCtrlArray(pDX, CAcfDlg::IDC_SELECTED_LIST, selected);
        DDX_FileEditCtrl(pDX, CAcfDlg::IDC_SAVE_FILE, file, 1, 1, 0, L".tvz", L"", 0);
    }

    CVariableList source;
    CVariableList selected;
    CString file;
};

TEST(ExchangeForms, ANumericOnlyListRefusesAStringVariableByEveryWay) {
    FakeHost host;
    using Way = std::function<void(FormsDlg&)>;
    const Way ways[] = {
        [](FormsDlg& dlg) {
            dlg.UserSelect(CAcfDlg::IDC_SOURCE_LIST, {L"A", L"S"});
            dlg.UserClick(CAcfDlg::IDC_ADD);
        },
        [](FormsDlg& dlg) {
            dlg.UserDrag(CAcfDlg::IDC_SOURCE_LIST, {L"A", L"S"}, CAcfDlg::IDC_SELECTED_LIST);
        },
        [](FormsDlg& dlg) {
            dlg.UserSelect(CAcfDlg::IDC_SOURCE_LIST, {L"A", L"S"});
            dlg.UserContext(CAcfDlg::IDC_SOURCE_LIST, ID_LIST_ADD_TARGET);
        },
        [](FormsDlg& dlg) {
            dlg.UserDblClick(CAcfDlg::IDC_SOURCE_LIST, L"S");
            dlg.UserDblClick(CAcfDlg::IDC_SOURCE_LIST, L"A");
        },
    };
    for (std::size_t i = 0; i < std::size(ways); ++i) {
        FormsDlg dlg;
        dlg.UserSelect(CAcfDlg::IDC_SOURCE_LIST, {L"S"});
        EXPECT_FALSE(dlg.IsCtrlEnabled(CAcfDlg::IDC_ADD)) << i;
        EXPECT_FALSE(dlg.OnUpdateAddTarget(CAcfDlg::IDC_SOURCE_LIST)) << i;
        EXPECT_FALSE(dlg.MouseMoveListCtrlHelper(CAcfDlg::IDC_SOURCE_LIST, CAcfDlg::IDC_SELECTED_LIST)) << i;
        ways[i](dlg);
        EXPECT_EQ(NamesOf(dlg.ListCtrl(CAcfDlg::IDC_SELECTED_LIST).GetItems()),
                  std::vector<std::wstring>{L"A"})
            << "way " << i;
    }
}

TEST(ExchangeForms, AFileNameWithoutExtensionTakesTheProceduresOne) {
    FakeHost host;
    FormsDlg dlg;
    const std::pair<const wchar_t*, const wchar_t*> names[] = {
        {L"out", L"out.tvz"},
        {L" res.v1/out ", L"res.v1/out.tvz"},
        {L"res.v1\\out", L"res.v1\\out.tvz"},
        {L"res.v1/out.dat", L"res.v1/out.dat"},
        {L"", L""},
    };
    for (const auto& [typed, stored] : names) {
        dlg.SetCtrlWindowText(CAcfDlg::IDC_SAVE_FILE, typed);
        EXPECT_TRUE(dlg.UpdateData(1));
        EXPECT_EQ(dlg.file, stored);
    }
}

// The time template's date-format combo alone.
class ComboDlg : public CGUIBaseDlg {
public:
    ComboDlg() : CGUIBaseDlg(CTimeDlg::IDD) {
        CreateWindowFromTemplate();
        FillComboFromResource(CTimeDlg::IDC_DATE_FORMAT_COMBO, CTimeData::kDateFormatCombo);
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_CBIndex(pDX, CTimeDlg::IDC_DATE_FORMAT_COMBO, index);
    }
    int index = 0;
};

TEST(ExchangeForms, AStoredComboIndexPastTheLastItemSelectsNothing) {
    FakeHost host;
    ComboDlg dlg;
    const int count = static_cast<int>(dlg.Ctrl(CTimeDlg::IDC_DATE_FORMAT_COMBO).m_comboItems.size());
    ASSERT_GT(count, 1);
    for (const auto& [stored, shown] : {std::pair(count - 1, count - 1), std::pair(count, -1),
                                        std::pair(count + 5, -1), std::pair(-2, -1), std::pair(0, 0)}) {
        dlg.index = stored;
        dlg.UpdateData(0);
        EXPECT_EQ(dlg.Ctrl(CTimeDlg::IDC_DATE_FORMAT_COMBO).m_nComboIndex, shown) << stored;
    }
}

// ---- the number rules -------------------------------------------------------------------------------

// The power template's edits, each under one of the framework's number rules.
class NumbersDlg : public CGUIBaseDlg {
public:
    enum : UINT { kSeed = 3754, kShare = 3836, kAmount = 3837, kWidth = 3838, kLevel = 3751 };
    NumbersDlg() : CGUIBaseDlg(CPowerOneSampleDlg::IDD) {
        CreateWindowFromTemplate();
        UpdateData(0);
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Range(pDX, kSeed, seed, 1u, 4294967295u);
        DDX_Range(pDX, kShare, share, 0.0, 1.0, eExclusive, eExclusive);
        DDX_Range(pDX, kAmount, amount, 0.0, 1.0);
        DDX_OptionalRange(pDX, kWidth, width, CGUIData<double>(0.0), 0.0, 0.0, eExclusive, eNoValidation);
        DDX_Text(pDX, kLevel, level);
        CheckNumberText(pDX, kLevel, level, 0.0, 1.0, eExclusive, eExclusive, true);
    }

    CGUIData<unsigned int> seed{1u};
    CGUIData<double> share{0.5};
    CGUIData<double> amount{0.5};
    CGUIData<double> width{0.0};
    CString level;
};

TEST(ExchangeNumbers, EachRuleTakesItsWholeRangeAndNothingBeyond) {
    struct Row {
        UINT edit;
        const wchar_t* typed;
        const wchar_t* refusal;  // empty when taken
    };
    const Row rows[] = {
        {NumbersDlg::kSeed, L"4294967295", L""},
        {NumbersDlg::kSeed, L"2147483648", L""},
        {NumbersDlg::kSeed, L"4294967296", L"Enter a number"},
        {NumbersDlg::kSeed, L"-1", L"Enter a number"},
        {NumbersDlg::kSeed, L"0", L"Enter a number in [1, 4294967295]"},
        // A subnormal number counts as 0.
        {NumbersDlg::kShare, L"3.99996e-320", L"Enter a number in (0, 1)"},
        {NumbersDlg::kShare, L"-4e-320", L"Enter a number in (0, 1)"},
        {NumbersDlg::kShare, L"1e-300", L""},
        {NumbersDlg::kAmount, L"4e-320", L""},
        {NumbersDlg::kWidth, L"", L""},
        {NumbersDlg::kWidth, L"0", L"Enter a number in (0, +inf)"},
        {NumbersDlg::kWidth, L"2.5", L""},
        {NumbersDlg::kLevel, L"", L""},
        {NumbersDlg::kLevel, L"0.05", L""},
        {NumbersDlg::kLevel, L"abc", L"Enter a number"},
        {NumbersDlg::kLevel, L"1", L"Enter a number in (0, 1)"},
    };
    for (const Row& row : rows) {
        FakeHost host;
        NumbersDlg dlg;
        dlg.UserTypeText(row.edit, row.typed);
        const bool taken = *row.refusal == 0;
        EXPECT_EQ(dlg.UpdateData(1) != 0, taken) << row.edit << " " << CString(row.typed).ToUtf8();
        EXPECT_EQ(host.sentMessages.empty() ? L"" : host.sentMessages.back().second, row.refusal);
        EXPECT_EQ(dlg.Ctrl(row.edit).m_color, taken ? kColorWhite : kColorInvalid);
    }
    FakeHost host;
    NumbersDlg dlg;
    dlg.UserTypeText(NumbersDlg::kSeed, L"4294967295");
    ASSERT_TRUE(dlg.UpdateData(1));
    EXPECT_EQ(dlg.seed.GetValue(), 4294967295u);
}

TEST(ExchangeNumbers, NumbersReachALineWithoutTheSignOfAZeroAndInTheHostsSymbol) {
    FakeHost host;
    EXPECT_EQ(CGUIBaseObj::NumberText(-0.0), L"0");
    EXPECT_EQ(CGUIBaseObj::NumberText(-0.5), L"-0.5");
    struct Row {
        wchar_t decimal;
        const wchar_t* typed;
        std::optional<std::wstring> written;
    };
    const Row rows[] = {
        {L'.', L" -0  +1,50\t2.5e-3 -0.0 ", L"0 1.50 2.5e-3 0.0"},
        {L',', L"0.25 -1,5", L"0,25 -1,5"},
        {L'.', L"", L""},
        {L'.', L"1 x", std::nullopt},
        {L'.', L"1/2", std::nullopt},
        {L',', L"1,5,2", std::nullopt},
    };
    for (const Row& row : rows) {
        host.decimal = row.decimal;
        const auto written = CGUIBaseObj::TypedNumbersText(row.typed);
        EXPECT_EQ(written ? std::optional<std::wstring>(written->str()) : std::nullopt, row.written)
            << CString(row.typed).ToUtf8();
    }
}

}  // namespace
