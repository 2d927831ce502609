#include <gtest/gtest.h>

#include "DialogTestUtil.h"
#include "Private/AcfDlg.h"
#include "Private/SpatialDlg.h"
#include "Private/XTab2WayDlg.h"
#include "Source/OpenDlgCommon.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

// The autocorrelation template, its lag edit taking a minus sign, with an exchange whose range the test
// chooses.
class RangeDlg : public CGUIBaseDlg {
public:
    RangeDlg() : CGUIBaseDlg(CAcfDlg::IDD) {
        CreateWindowFromTemplate();
        Ctrl(CAcfDlg::IDC_LAG_EDIT).m_bNoMinus = false;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_STText(pDX, CAcfDlg::IDC_LAG_EDIT, holder);
        DDV_MinMaxDouble(pDX, CAcfDlg::IDC_LAG_EDIT, holder, minimum, maximum, minMode, maxMode);
    }
    BOOL IsColoredValidation() const override { return colored; }

    CGUIData<double> holder{5.0};
    double minimum = 1;
    double maximum = 10;
    EDlgValidation minMode = eInclusive;
    EDlgValidation maxMode = eInclusive;
    bool colored = true;
};

struct RangeCase {
    const char* text;
    EDlgValidation minMode;
    EDlgValidation maxMode;
    bool accepted;
};

class RangeModes : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeModes, AcceptOrRefuseAtTheBounds) {
    FakeHost host;
    RangeDlg dlg;
    dlg.minMode = GetParam().minMode;
    dlg.maxMode = GetParam().maxMode;
    dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, CString::FromUtf8(GetParam().text));
    EXPECT_EQ(dlg.UpdateData(1) != 0, GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(DialogPattern, RangeModes,
                         ::testing::Values(RangeCase{"1", eInclusive, eInclusive, true},
                                           RangeCase{"1", eExclusive, eInclusive, false},
                                           RangeCase{"0.999", eInclusive, eInclusive, false},
                                           RangeCase{"-1e9", eNoValidation, eInclusive, true},
                                           RangeCase{"10", eInclusive, eInclusive, true},
                                           RangeCase{"10", eInclusive, eExclusive, false},
                                           RangeCase{"10.001", eInclusive, eInclusive, false},
                                           RangeCase{"1e300", eInclusive, eNoValidation, true}));

TEST(DialogPattern, FailureColoursTheEditAndSendsTheRangeToTheStatusBar) {
    FakeHost host;
    RangeDlg dlg;
    dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, L"0");
    EXPECT_FALSE(dlg.UpdateData(1));
    EXPECT_EQ(dlg.Ctrl(CAcfDlg::IDC_LAG_EDIT).m_color, 0xC080FFu);
    EXPECT_EQ(dlg.GetFocusCtrl(), CAcfDlg::IDC_LAG_EDIT);
    ASSERT_EQ(host.sentMessages.size(), 1u);
    EXPECT_EQ(host.sentMessages[0].first, L"UpdateStatusBar");
    EXPECT_EQ(host.sentMessages[0].second, L"Enter a number in [1, 10]");
    EXPECT_TRUE(host.messages.empty());
    // Mended, the edit turns white again.
    dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, L"2");
    EXPECT_TRUE(dlg.UpdateData(1));
    EXPECT_EQ(dlg.Ctrl(CAcfDlg::IDC_LAG_EDIT).m_color, 0xFFFFFFu);
    EXPECT_DOUBLE_EQ(dlg.holder.GetValue(), 2.0);
    EXPECT_FALSE(dlg.holder.IsDefault());
}

TEST(DialogPattern, WithoutColouringTheFrameworkShowsTheRange) {
    FakeHost host;
    RangeDlg dlg;
    dlg.colored = false;
    dlg.minMode = eExclusive;
    dlg.maxMode = eNoValidation;
    dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, L"1");
    EXPECT_FALSE(dlg.UpdateData(1));
    EXPECT_TRUE(host.sentMessages.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], L"Enter a number in (1, +inf)");
    EXPECT_EQ(dlg.Ctrl(CAcfDlg::IDC_LAG_EDIT).m_color, 0xFFFFFFu);
}

TEST(DialogPattern, LoadingOnlyPaintsAnOutOfRangeValue) {
    FakeHost host;
    RangeDlg dlg;
    dlg.holder = CGUIData<double>(50.0);
    EXPECT_TRUE(dlg.UpdateData(0));
    EXPECT_EQ(dlg.Ctrl(CAcfDlg::IDC_LAG_EDIT).m_strText, L"50");
    EXPECT_EQ(dlg.Ctrl(CAcfDlg::IDC_LAG_EDIT).m_color, 0xC080FFu);
    EXPECT_TRUE(host.sentMessages.empty());
}

TEST(DialogPattern, MarkedHolderAtItsDefaultIsNotChecked) {
    FakeHost host;
    for (int second : {1, 2}) {
        RangeDlg dlg;
        dlg.holder = CGUIData<double>(500.0);
        dlg.holder.SetSecond(second);
        EXPECT_TRUE(dlg.UpdateData(0));
        EXPECT_TRUE(dlg.UpdateData(1)) << "second mark " << second;
        // Once the user changes it, the check runs again.
        dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, L"400");
        EXPECT_FALSE(dlg.UpdateData(1)) << "second mark " << second;
    }
    RangeDlg unmarked;
    unmarked.holder = CGUIData<double>(500.0);
    unmarked.UpdateData(0);
    EXPECT_FALSE(unmarked.UpdateData(1));
}

TEST(DialogPattern, RefusedValueNeverReachesTheCopies) {
    FakeHost host;
    RangeDlg dlg;
    dlg.UpdateData(0);
    dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, L"0");
    EXPECT_FALSE(dlg.UpdateData(1));
    EXPECT_DOUBLE_EQ(dlg.holder.GetValue(), 5.0);
    EXPECT_TRUE(dlg.holder.IsDefault());
    EXPECT_EQ(dlg.holder.GetLast(), 1);
}

TEST(DialogPattern, DisabledEditIsNeverChecked) {
    FakeHost host;
    RangeDlg dlg;
    dlg.holder = CGUIData<double>(-7.0);
    dlg.UpdateData(0);
    dlg.EnableCtrl(CAcfDlg::IDC_LAG_EDIT, 0);
    EXPECT_TRUE(dlg.UpdateData(1));
    EXPECT_TRUE(host.sentMessages.empty());
}

TEST(DialogPattern, MinimumAboveMaximumAssertsAndFails) {
    FakeHost host;
    RangeDlg dlg;
    dlg.minimum = 5;
    dlg.maximum = 4;
    dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, L"4.5");
    EXPECT_FALSE(dlg.UpdateData(1));
    EXPECT_EQ(host.assertions.size(), 1u);
}

TEST(DialogPattern, UnparsableTextIsRefusedAndLeavesTheHolder) {
    FakeHost host;
    RangeDlg dlg;
    dlg.UpdateData(0);
    // "1,5" under the decimal point; numbers that no range can judge.
    for (const wchar_t* text : {L"", L"abc", L"1..2", L"3x", L"1,5", L"nan", L"-nan", L"inf", L"-Infinity"}) {
        dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, text);
        EXPECT_FALSE(dlg.UpdateData(1)) << CString(text).ToUtf8();
        EXPECT_DOUBLE_EQ(dlg.holder.GetValue(), 5.0);
        EXPECT_TRUE(dlg.holder.IsDefault());
    }
}

TEST(DialogPattern, CommaDecimalSymbolForDisplayAndInput) {
    FakeHost host;
    host.decimal = L',';
    RangeDlg dlg;
    dlg.holder = CGUIData<double>(2.5);
    dlg.UpdateData(0);
    EXPECT_EQ(dlg.GetCtrlWindowText(CAcfDlg::IDC_LAG_EDIT), L"2,5");
    dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, L"7,25");
    EXPECT_TRUE(dlg.UpdateData(1));
    EXPECT_DOUBLE_EQ(dlg.holder.GetValue(), 7.25);
    // The bounds are kept apart by a semicolon, not by the decimal symbol.
    dlg.maximum = 7.5;
    dlg.UserTypeText(CAcfDlg::IDC_LAG_EDIT, L"8");
    EXPECT_FALSE(dlg.UpdateData(1));
    EXPECT_EQ(host.sentMessages.back().second, L"Enter a number in [1; 7,5]");
}

// ---- lists ----------------------------------------------------------------------------------------

class ListMoves : public ::testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* name : {L"A", L"B", L"C"})
            host.data.AddNumeric(name);
        host.data.AddString(L"S");
        record.FillListSource();
        record.SelectedVariablesList.RemoveAll();
        dlg.SetData(&record);
        dlg.CreateWindowFromTemplate();
        dlg.OnInitDialog();
        dlg.UpdateDependentWindows();
    }
    const CVariableList& Selected() { return dlg.ListCtrl(CAcfDlg::IDC_SELECTED_LIST).GetItems(); }

    FakeHost host;
    CAcfData record;
    CAcfDlg dlg;
};

TEST_F(ListMoves, AddButtonFollowsTheSelection) {
    EXPECT_FALSE(dlg.IsCtrlEnabled(CAcfDlg::IDC_ADD));
    // The source list holds the numeric variables only.
    EXPECT_THROW(dlg.UserSelect(CAcfDlg::IDC_SOURCE_LIST, {L"S"}), std::invalid_argument);
    dlg.UserSelect(CAcfDlg::IDC_SOURCE_LIST, {L"A", L"C"});
    EXPECT_TRUE(dlg.IsCtrlEnabled(CAcfDlg::IDC_ADD));
    dlg.UserClick(CAcfDlg::IDC_ADD);
    ASSERT_EQ(Selected().GetSize(), 2);
    EXPECT_EQ(Selected()[1].GetVariableName(), L"C");
    // The source keeps its variables; what is added already cannot be added again.
    EXPECT_EQ(dlg.ListCtrl(CAcfDlg::IDC_SOURCE_LIST).GetItemCount(), 3);
    dlg.UserSelect(CAcfDlg::IDC_SOURCE_LIST, {L"A"});
    EXPECT_FALSE(dlg.IsCtrlEnabled(CAcfDlg::IDC_ADD));
    dlg.UserSelect(CAcfDlg::IDC_SELECTED_LIST, {L"A"});
    EXPECT_TRUE(dlg.IsCtrlEnabled(CAcfDlg::IDC_REMOVE));
    dlg.UserClick(CAcfDlg::IDC_REMOVE);
    ASSERT_EQ(Selected().GetSize(), 1);
    EXPECT_EQ(Selected()[0].GetVariableName(), L"C");
}

TEST_F(ListMoves, DoubleClickMovesOnlyWhileTheAddButtonIsEnabled) {
    // A source list in its refresh state offers no move.
    dlg.ListCtrl(CAcfDlg::IDC_SOURCE_LIST).SetState(2);
    dlg.UserDblClick(CAcfDlg::IDC_SOURCE_LIST, L"B");
    EXPECT_FALSE(dlg.IsCtrlEnabled(CAcfDlg::IDC_ADD));
    EXPECT_TRUE(Selected().IsEmpty());
    dlg.ListCtrl(CAcfDlg::IDC_SOURCE_LIST).SetState(0);
    // Nor does a disabled target list.
    dlg.EnableCtrl(CAcfDlg::IDC_SELECTED_LIST, 0);
    dlg.UserDblClick(CAcfDlg::IDC_SOURCE_LIST, L"B");
    EXPECT_FALSE(dlg.IsCtrlEnabled(CAcfDlg::IDC_ADD));
    EXPECT_TRUE(Selected().IsEmpty());
    dlg.EnableCtrl(CAcfDlg::IDC_SELECTED_LIST, 1);
    dlg.UserDblClick(CAcfDlg::IDC_SOURCE_LIST, L"B");
    ASSERT_EQ(Selected().GetSize(), 1);
    EXPECT_EQ(Selected()[0].GetVariableName(), L"B");
}

TEST_F(ListMoves, UnknownControlsAndItemsAreRefused) {
    EXPECT_THROW(dlg.UserClick(4242), std::invalid_argument);
    EXPECT_THROW(dlg.UserSelect(CAcfDlg::IDC_SOURCE_LIST, {L"nope"}), std::invalid_argument);
    EXPECT_THROW(dlg.UserTypeText(CAcfDlg::IDC_SOURCE_LIST, L"1"), std::invalid_argument);
}

// ---- a source list feeding several targets ------------------------------------------------------

// One user action on the spatial page (X, Y and value: one numeric variable each, in that pair order)
// and the three targets after it.
struct FeedStep {
    const char* what;
    bool drag;  // else a double-click on the first name
    UINT from;
    std::vector<CString> names;
    UINT to;  // of a drag; 0 outside any list
    std::vector<std::wstring> x, y, value;
};

TEST(SeveralTargets, DoubleClickFillsTheFirstWithRoomAndDragReachesAny) {
    using D = CSpatialDlg;
    const std::vector<FeedStep> steps = {
        {"double-click fills X", false, D::IDC_SOURCE_LIST, {L"A"}, 0, {L"A"}, {}, {}},
        {"X is full: Y", false, D::IDC_SOURCE_LIST, {L"B"}, 0, {L"A"}, {L"B"}, {}},
        {"A is in X, not in the value", false, D::IDC_SOURCE_LIST, {L"A"}, 0, {L"A"}, {L"B"}, {L"A"}},
        {"all full: nothing", false, D::IDC_SOURCE_LIST, {L"C"}, 0, {L"A"}, {L"B"}, {L"A"}},
        {"drag out of Y removes", true, D::IDC_Y_LIST, {L"B"}, 0, {L"A"}, {}, {L"A"}},
        {"a full target takes no drop",
         true,
         D::IDC_SOURCE_LIST,
         {L"C"},
         D::IDC_VALUE_LIST,
         {L"A"},
         {},
         {L"A"}},
        {"drag onto the second target",
         true,
         D::IDC_SOURCE_LIST,
         {L"C"},
         D::IDC_Y_LIST,
         {L"A"},
         {L"C"},
         {L"A"}},
        {"double-click on a target removes", false, D::IDC_X_LIST, {L"A"}, 0, {}, {L"C"}, {L"A"}},
        {"drag onto the first target",
         true,
         D::IDC_SOURCE_LIST,
         {L"B"},
         D::IDC_X_LIST,
         {L"B"},
         {L"C"},
         {L"A"}},
    };
    FakeHost host;
    for (const wchar_t* name : {L"A", L"B", L"C"})
        host.data.AddNumeric(name);
    CSpatialData record;
    record.FillListSource();
    for (CVariableList* target : {&record.XVariableList, &record.YVariableList, &record.ValueVariableList})
        target->RemoveAll();
    CSpatialDlg dlg;
    dlg.SetData(&record);
    dlg.CreateWindowFromTemplate();
    dlg.OnInitDialog();
    dlg.UpdateDependentWindows();
    const auto items = [&dlg](UINT list) { return NamesOf(dlg.ListCtrl(list).GetItems()); };
    for (const FeedStep& step : steps) {
        if (step.drag)
            dlg.UserDrag(step.from, step.names, step.to);
        else
            dlg.UserDblClick(step.from, step.names.front());
        EXPECT_EQ(items(D::IDC_X_LIST), step.x) << step.what;
        EXPECT_EQ(items(D::IDC_Y_LIST), step.y) << step.what;
        EXPECT_EQ(items(D::IDC_VALUE_LIST), step.value) << step.what;
    }
}

TEST(SeveralTargets, WithoutTheChoiceADoubleClickGoesToTheFirstTargetOnly) {
    using D = CXTab2WayDlg;
    FakeHost host;
    for (const wchar_t* name : {L"A", L"B"})
        host.data.AddNumeric(name);
    CXTab2WayData record;
    record.FillListSource();
    record.RowVariableList.RemoveAll();
    record.ColumnVariableList.RemoveAll();
    D dlg;
    dlg.SetData(&record);
    dlg.CreateWindowFromTemplate();
    dlg.OnInitDialog();
    dlg.UpdateDependentWindows();
    dlg.UserDblClick(D::IDC_SOURCE_LIST, L"A");
    dlg.UserDblClick(D::IDC_SOURCE_LIST, L"A");
    EXPECT_EQ(NamesOf(dlg.ListCtrl(D::IDC_ROW_LIST).GetItems()), std::vector<std::wstring>{L"A"});
    EXPECT_TRUE(dlg.ListCtrl(D::IDC_COLUMN_LIST).GetItems().IsEmpty());
    // A drag reaches the second target all the same.
    dlg.UserDrag(D::IDC_SOURCE_LIST, {L"A"}, D::IDC_COLUMN_LIST);
    EXPECT_EQ(NamesOf(dlg.ListCtrl(D::IDC_COLUMN_LIST).GetItems()), std::vector<std::wstring>{L"A"});
}

// Two targets of one source that take different types: each move keeps to its own target's type.
class TwoTypesDlg : public CGUIBaseDlg {
public:
    using D = CSpatialDlg;
    TwoTypesDlg() : CGUIBaseDlg(D::IDD) {
        AddListPair({D::IDC_SOURCE_LIST, D::IDC_X_LIST, D::IDC_ADD_X, D::IDC_REMOVE_X, kVariableTypeString});
        AddListPair({D::IDC_SOURCE_LIST, D::IDC_Y_LIST, D::IDC_ADD_Y, D::IDC_REMOVE_Y, kVariableTypeNumeric});
        SetDblClkToAnyTarget(true);
        CreateWindowFromTemplate();
        CVariableList source;
        source.Add(CGUIDataVariable(L"N", kVariableTypeNumeric));
        source.Add(CGUIDataVariable(L"S", kVariableTypeString));
        ListCtrl(D::IDC_SOURCE_LIST).SetItems(source);
        InitializeListCtrl();
    }
};

TEST(SeveralTargets, EachTargetTakesItsOwnTypeOnly) {
    using D = CSpatialDlg;
    FakeHost host;
    TwoTypesDlg dlg;
    const auto items = [&dlg](UINT list) { return NamesOf(dlg.ListCtrl(list).GetItems()); };
    // A numeric variable passes the string target by; dropped onto it, it stays out.
    dlg.UserDblClick(D::IDC_SOURCE_LIST, L"N");
    EXPECT_TRUE(items(D::IDC_X_LIST).empty());
    EXPECT_EQ(items(D::IDC_Y_LIST), std::vector<std::wstring>{L"N"});
    dlg.UserDrag(D::IDC_SOURCE_LIST, {L"N"}, D::IDC_X_LIST);
    EXPECT_TRUE(items(D::IDC_X_LIST).empty());
    dlg.UserDrag(D::IDC_SOURCE_LIST, {L"S"}, D::IDC_Y_LIST);
    EXPECT_EQ(items(D::IDC_Y_LIST), std::vector<std::wstring>{L"N"});
    dlg.UserDblClick(D::IDC_SOURCE_LIST, L"S");
    EXPECT_EQ(items(D::IDC_X_LIST), std::vector<std::wstring>{L"S"});
}

// Pairs declared with their bounds: X takes one variable at most and closes when full; Y, declared
// second, is exchanged (and refused) first.
class BoundedPairsDlg : public CGUIBaseDlg {
public:
    using D = CSpatialDlg;
    BoundedPairsDlg() : CGUIBaseDlg(D::IDD) {
        AddListPair({D::IDC_SOURCE_LIST, D::IDC_X_LIST, D::IDC_ADD_X, D::IDC_REMOVE_X, kVariableTypeAny})
            .Lists(source, x)
            .AtLeast(1, kVariableMessage)
            .AtMost(1, kOneVariableMessage)
            .ClosedWhenFull();
        AddListPair({D::IDC_SOURCE_LIST, D::IDC_Y_LIST, D::IDC_ADD_Y, D::IDC_REMOVE_Y, kVariableTypeAny})
            .Lists(source, y)
            .AtLeast(1, kTwoVariablesMessage)
            .ExchangedFirst();
        for (const wchar_t* name : {L"A", L"B"})
            source.Add(Numeric(name));
        CreateWindowFromTemplate();
        OnInitDialog();
        UpdateDependentWindows();
    }

    CVariableList source, x, y;
};

TEST(SeveralTargets, DeclaredBoundsRefuseInDeclaredOrder) {
    using D = CSpatialDlg;
    FakeHost host;
    BoundedPairsDlg dlg;
    EXPECT_FALSE(dlg.UpdateData(1));
    EXPECT_EQ(dlg.GetFocusCtrl(), D::IDC_Y_LIST);
    EXPECT_EQ(host.messages.back(), GetString(kTwoVariablesMessage).str());
    dlg.UserDblClick(D::IDC_SOURCE_LIST, L"A");
    EXPECT_FALSE(dlg.IsCtrlEnabled(D::IDC_ADD_X));
    EXPECT_EQ(NamesOf(dlg.ListCtrl(D::IDC_X_LIST).GetItems()), std::vector<std::wstring>{L"A"});
    dlg.UserDrag(D::IDC_SOURCE_LIST, {L"B"}, D::IDC_Y_LIST);
    EXPECT_TRUE(dlg.UpdateData(1));
    // A second variable that reached X all the same is refused, and the copy keeps the first alone.
    dlg.ListCtrl(D::IDC_X_LIST).SetItems(dlg.source);
    EXPECT_FALSE(dlg.UpdateData(1));
    EXPECT_EQ(dlg.GetFocusCtrl(), D::IDC_X_LIST);
    EXPECT_EQ(host.messages.back(), GetString(kOneVariableMessage).str());
    EXPECT_EQ(NamesOf(dlg.x), std::vector<std::wstring>{L"A"});
}

}  // namespace
