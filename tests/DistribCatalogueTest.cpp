// The catalogue record and its dialog: the archive of every field in declared order, the choice's
// type, and the dialog's rules over the distributions (range checks, the triangular message, the list
// validators, what is shown and the tool tips).

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <variant>

#include "ArchiveTestUtil.h"
#include "DialogTestUtil.h"
#include "DistribTestUtil.h"
#include "FakeHost.h"
#include "Private/DistribDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

// Every field in declared order with its default: 'd' a real holder, 'i' an integer holder, 's' a text,
// 'c' a 4-byte integer.
struct FieldRow {
    char kind;
    double value;
};

std::vector<FieldRow> DeclaredFields() {
    std::vector<FieldRow> rows = {
        {'d', 0},   {'d', 1},   {'d', 2},  {'d', 2},  {'d', 0},  {'d', 1},   {'d', 0}, {'d', 1},   {'d', 0.5},
        {'d', 0},   {'d', 1},   {'d', 0},  {'d', 1},  {'i', 5},  {'d', 0},   {'d', 1}, {'d', 0},   {'d', 1},
        {'d', 0},   {'d', 1},   {'d', 1},  {'d', 1},  {'i', 1},  {'d', 0.3}, {'d', 3}, {'d', 0},   {'d', 1},
        {'i', 2},   {'i', 2},   {'d', 1},  {'d', 2},  {'d', 1},  {'d', 1},   {'d', 2}, {'d', 1},   {'d', 1},
        {'d', 0},   {'d', 1},   {'i', 3},  {'i', 3},  {'i', 10}, {'d', 1},   {'i', 2}, {'d', 0.5}, {'d', 2},
        {'d', 0.5}, {'d', 0.5}, {'i', 20}, {'i', 10}, {'i', 5},  {'d', 2},   {'i', 1}, {'i', 3},   {'s', 0},
        {'d', 1},   {'d', 1},   {'d', 1},  {'i', 3},  {'s', 0},  {'i', 2},   {'s', 0}, {'s', 0},   {'s', 0},
        {'c', 0},   {'i', 2},   {'i', 2},  {'s', 0},  {'s', 0},  {'c', 0},   {'s', 0}, {'s', 0},   {'c', 0},
    };
    for (int slot = 0; slot < 6; ++slot)
        rows.insert(rows.end(), {{'d', 0}, {'d', 0}, {'s', 0}, {'c', 0}});
    rows.push_back({'c', 0});  // DistributionCombo
    return rows;
}

// The archive of a record whose fields are the defaults, with `changed` (field position -> a typed
// value or text) applied as a user's change.
Bytes ExpectedBytes(const std::map<std::size_t, std::variant<double, std::u16string>>& changed) {
    ExpectedArchive b;
    b.Base();
    const auto rows = DeclaredFields();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FieldRow& r = rows[i];
        const auto it = changed.find(i);
        switch (r.kind) {
            case 'd':
                if (it == changed.end())
                    b.Holder<double>(1, 0, r.value, r.value, 1);
                else
                    b.Holder<double>(0, 0, r.value, std::get<double>(it->second), 1);
                break;
            case 'i':
                if (it == changed.end())
                    b.Holder<int>(1, 0, static_cast<int>(r.value), static_cast<int>(r.value), 1);
                else
                    b.Holder<int>(0, 0, static_cast<int>(r.value),
                                  static_cast<int>(std::get<double>(it->second)), 1);
                break;
            case 's':
                b.Text(it == changed.end() ? u"" : std::get<std::u16string>(it->second));
                break;
            default:
                b.Int(it == changed.end() ? static_cast<int>(r.value)
                                          : static_cast<int>(std::get<double>(it->second)));
        }
    }
    return b.bytes();
}

TEST(DistribDataArchive, DefaultsInDeclaredOrder) {
    CDistribData record;
    EXPECT_EQ(Hex(Store(record)), Hex(ExpectedBytes({})));
}

// One field of each kind away from its default, through the setters, at both ends and in the middle.
TEST(DistribDataArchive, ChangedFieldsKeepTheirPlaces) {
    CDistribData record;
    CGUIData<double> u1 = CDistribData::GetDefaultU1Edit();
    u1.SetUserValue(-2.5);
    record.SetU1Edit(u1);
    CGUIData<int> t1 = record.GetT1Edit();
    t1.SetUserValue(7);
    record.SetT1Edit(t1);
    CGUIData<double> ge1 = record.GetGe1Edit();
    ge1.SetUserValue(0.25);
    record.SetGe1Edit(ge1);
    record.SetZp3bEdit(L"1 0; 0 1");
    record.SetWi4Check(1);
    record.SetPara6FileEdit(L"p6.txt");
    record.SetDistributionCombo(4);
    const Bytes expected = ExpectedBytes(
        {{0, -2.5}, {13, 7.0}, {46, 0.25}, {61, u"1 0; 0 1"}, {71, 1.0}, {94, u"p6.txt"}, {96, 4.0}});
    EXPECT_EQ(Hex(Store(record)), Hex(expected));

    // All fields move at once, both ways.
    CDistribData to;
    record.GetAllBase(to);
    EXPECT_EQ(Store(to), expected);
    CDistribData from;
    from.SetAllBase(record);
    EXPECT_EQ(Store(from), expected);
}

class DistribChoice : public ::testing::Test {
protected:
    void SetUp() override { CDistribData::InitializeDistribIDSAndType(); }
    SavedTables<CDistribData> saved;
    FakeHost host;
};

TEST_F(DistribChoice, TypeOfTheChosenPosition) {
    CDistribData record;
    struct Row {
        int set;
        int position;
        int index;
        int type;
        int count;
    };
    const Row rows[] = {
        {1, 0, 21, 21, 7},  // the discrete set starts at the discrete uniform
        {2, 0, 28, 29, 5},  // type 28 is never produced
        {2, 4, 32, 33, 5}, {0, 20, 20, 20, 21}, {3, 19, 19, 19, 20}, {4, 27, 27, 27, 28},
    };
    for (const Row& r : rows) {
        CDistribData::SetDistribSet(r.set);
        record.DistributionCombo = r.position;
        EXPECT_EQ(CDistribData::GetDistribComboString(r.position), r.index) << r.set << "/" << r.position;
        EXPECT_EQ(record.GetDistribType(), r.type) << r.set << "/" << r.position;
        EXPECT_EQ(CDistribData::GetDistribComboCount(), r.count) << r.set;
    }
    record.DistributionCombo = 5;  // beyond the multivariate set
    CDistribData::SetDistribSet(2);
    EXPECT_THROW(record.GetDistribType(), std::invalid_argument);
}

// ---- the dialog ----------------------------------------------------------------------------------------

using Dlg = CDistribDlg;

struct DialogRun {
    bool accepted = false;
    std::wstring status;   // the last status bar text
    std::wstring message;  // the last message box
};

class DistribDialog : public DistribChoice {
protected:
    // Opens the dialog on `record` with `set` active, chooses `position`, runs the actions and presses OK.
    DialogRun Run(int set, int position, const std::function<void(CGUIBaseDlg&)>& actions) {
        CDistribData::SetDistribSet(set);
        ScriptedDriver driver([&](CGUIBaseDlg& dlg) {
            dlg.UserCombo(Dlg::IDC_DISTRIBUTION_COMBO, position);
            actions(dlg);
            return IDOK;
        });
        Dlg dlg;
        dlg.SetData(&record);
        DialogRun run;
        run.accepted = dlg.DoModal() == IDOK;
        if (!host.sentMessages.empty())
            run.status = host.sentMessages.back().second;
        if (!host.messages.empty())
            run.message = host.messages.back();
        return run;
    }
    CDistribData record;
};

struct RuleRow {
    const char* what;
    int set;
    int position;
    std::vector<std::pair<UINT, const wchar_t*>> typed;  // edit, text (a check: "0" or "1")
    bool accepted;
    const wchar_t* said;  // the start of the status text or message refusing it
};

const wchar_t kTriangular[] = L"Enter the appropriate values of parameters";

const RuleRow kRules[] = {
    {"beta shape 0", 0, 1, {{Dlg::IDC_B1Edit, L"0"}}, false, L"Enter a number in (0, +inf)"},
    {"beta shape just above 0", 0, 1, {{Dlg::IDC_B2Edit, L"1e-300"}}, true, L""},
    {"normal sd the largest double", 0, 9, {{Dlg::IDC_Z2Edit, L"1.7976931348623157e308"}}, true, L""},
    {"normal sd negative", 0, 9, {{Dlg::IDC_Z2Edit, L"-1"}}, false, L"Enter a number in (0, +inf)"},
    {"normal mean anything", 0, 9, {{Dlg::IDC_Z1Edit, L"-1e300"}}, true, L""},
    {"t df 0", 0, 6, {{Dlg::IDC_T1Edit, L"0"}}, false, L"Enter a number in [1, +inf)"},
    {"t df the largest int", 0, 6, {{Dlg::IDC_T1Edit, L"2147483647"}}, true, L""},
    {"t df not whole", 0, 6, {{Dlg::IDC_T1Edit, L"2.5"}}, false, L"Enter a number"},
    {"gompertz c at 1", 0, 12, {{Dlg::IDC_Go2Edit, L"1"}}, false, L"Enter a number in (1, +inf)"},
    {"gompertz c above 1", 0, 12, {{Dlg::IDC_Go2Edit, L"1.001"}}, true, L""},
    {"range means 1", 0, 20, {{Dlg::IDC_S1Edit, L"1"}}, false, L"Enter a number in [2, +inf)"},
    {"range df 1", 0, 20, {{Dlg::IDC_S2Edit, L"1"}}, true, L""},
    {"uniform bounds equal", 0, 0, {{Dlg::IDC_U2Edit, L"0"}}, false, L"The lower bound must be below"},
    {"uniform bounds ordered", 0, 0, {{Dlg::IDC_U1Edit, L"-3"}, {Dlg::IDC_U2Edit, L"-2"}}, true, L""},
    {"triangular 0 1 0.5",
     0,
     3,
     {{Dlg::IDC_Tr1Edit, L"0"}, {Dlg::IDC_Tr2Edit, L"1"}, {Dlg::IDC_Tr3Edit, L"0.5"}},
     true,
     L""},
    {"triangular mode 1.5", 0, 3, {{Dlg::IDC_Tr3Edit, L"1.5"}}, false, kTriangular},
    {"triangular mode at a bound", 0, 3, {{Dlg::IDC_Tr3Edit, L"1"}}, true, L""},
    {"triangular bounds reversed",
     0,
     3,
     {{Dlg::IDC_Tr1Edit, L"2"}, {Dlg::IDC_Tr3Edit, L"1.5"}},
     false,
     kTriangular},
    {"binomial p 1", 1, 2, {{Dlg::IDC_N2Edit, L"1"}}, false, L"Enter a number in (0, 1)"},
    {"binomial p 0", 1, 2, {{Dlg::IDC_N2Edit, L"0"}}, false, L"Enter a number in (0, 1)"},
    {"binomial p 0.999", 1, 2, {{Dlg::IDC_N2Edit, L"0.999"}}, true, L""},
    {"geometric p 1", 1, 4, {{Dlg::IDC_Ge1Edit, L"1"}}, false, L"Enter a number in (0, 1)"},
    {"hypergeometric sample 0", 1, 5, {{Dlg::IDC_H3Edit, L"0"}}, false, L"Enter a number in [1, +inf)"},
    {"multinomial categories 2",
     2,
     0,
     {{Dlg::IDC_M2Edit, L"2"}, {Dlg::IDC_M3bEdit, L"0.5 0.5"}},
     false,
     L"Enter a number in [3, +inf)"},
    {"multinomial probabilities", 2, 0, {{Dlg::IDC_M3bEdit, L"0.2, 0.3, 0.5"}}, true, L""},
    {"multinomial thirds typed", 2, 0, {{Dlg::IDC_M3bEdit, L"0.3333 0.3333 0.3334"}}, true, L""},
    {"multinomial two of three", 2, 0, {{Dlg::IDC_M3bEdit, L"0.5 0.5"}}, false, L"Give one probability"},
    {"multinomial negative", 2, 0, {{Dlg::IDC_M3bEdit, L"0.6 0.5 -0.1"}}, false, L"Give one probability"},
    {"multinomial empty", 2, 0, {}, false, L"Give one probability"},
    {"dirichlet parameters", 2, 2, {{Dlg::IDC_Di2bEdit, L"1 2.5 3"}}, true, L""},
    {"dirichlet zero", 2, 2, {{Dlg::IDC_Di2bEdit, L"1 0 3"}}, false, L"Give one positive parameter"},
    {"dirichlet not a number", 2, 2, {{Dlg::IDC_Di2bEdit, L"1 x 3"}}, false, L"Give one positive parameter"},
    {"normal vector and matrix",
     2,
     3,
     {{Dlg::IDC_Zp2bEdit, L"0 1"}, {Dlg::IDC_Zp3bEdit, L"2 0.5; 0.5 1"}},
     true,
     L""},
    {"normal matrix rows by lines",
     2,
     3,
     {{Dlg::IDC_Zp2bEdit, L"0 1"}, {Dlg::IDC_Zp3bEdit, L"2 0.5\n0.5 1\n"}},
     true,
     L""},
    {"normal matrix not symmetric",
     2,
     3,
     {{Dlg::IDC_Zp2bEdit, L"0 1"}, {Dlg::IDC_Zp3bEdit, L"2 0.5; 0.4 1"}},
     false,
     L"Give a symmetric positive definite matrix"},
    {"normal matrix not definite",
     2,
     3,
     {{Dlg::IDC_Zp2bEdit, L"0 1"}, {Dlg::IDC_Zp3bEdit, L"1 2; 2 1"}},
     false,
     L"Give a symmetric positive definite matrix"},
    {"normal matrix short row",
     2,
     3,
     {{Dlg::IDC_Zp2bEdit, L"0 1"}, {Dlg::IDC_Zp3bEdit, L"1 0; 1"}},
     false,
     L"Give a symmetric positive definite matrix"},
    {"normal means one short",
     2,
     3,
     {{Dlg::IDC_Zp2bEdit, L"0"}, {Dlg::IDC_Zp3bEdit, L"1 0; 0 1"}},
     false,
     L"Give one mean per dimension"},
    {"normal matrix from a file",
     2,
     3,
     {{Dlg::IDC_Zp2bEdit, L"0 1"}, {Dlg::IDC_Zp3Check, L"1"}, {Dlg::IDC_Zp3FileEdit, L"cov.txt"}},
     true,
     L""},
    {"normal matrix file unnamed",
     2,
     3,
     {{Dlg::IDC_Zp2bEdit, L"0 1"}, {Dlg::IDC_Zp3Check, L"1"}},
     false,
     L"Enter a file name"},
    {"wishart df below p",
     2,
     4,
     {{Dlg::IDC_Wi1Edit, L"3"},
      {Dlg::IDC_Wi2Edit, L"2"},
      {Dlg::IDC_Wi3Check, L"1"},
      {Dlg::IDC_Wi3FileEdit, L"s"},
      {Dlg::IDC_Wi4Check, L"1"},
      {Dlg::IDC_Wi4FileEdit, L"t"}},
     false,
     L"The degrees of freedom must be at least"},
    {"wishart df p and matrices",
     2,
     4,
     {{Dlg::IDC_Wi2Edit, L"2"}, {Dlg::IDC_Wi3bEdit, L"1 0; 0 1"}, {Dlg::IDC_Wi4bEdit, L"2 1; 1 2"}},
     true,
     L""},
};

class DistribDialogRules : public DistribDialog, public ::testing::WithParamInterface<RuleRow> {};

TEST_P(DistribDialogRules, AcceptsOrRefuses) {
    const RuleRow& row = GetParam();
    const DialogRun run = Run(row.set, row.position, [&](CGUIBaseDlg& dlg) {
        for (const auto& [id, text] : row.typed) {
            if (dlg.Ctrl(id).GetKind() == ControlKind::Check)
                dlg.UserCheck(id, text == std::wstring(L"1"));
            else
                dlg.UserTypeText(id, text);
        }
    });
    EXPECT_EQ(run.accepted, row.accepted);
    if (!row.accepted) {
        const std::wstring said = run.message.empty() ? run.status : run.message;
        EXPECT_TRUE(said.starts_with(row.said)) << std::string(said.begin(), said.end());
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DistribDialogRules, ::testing::ValuesIn(kRules), [](const auto& row) {
    std::string name = row.param.what;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

// Only the chosen distribution is checked: a bad value kept for another stays unjudged.
TEST_F(DistribDialog, OnlyTheChosenDistributionIsChecked) {
    record.Z2Edit.SetUserValue(-1);
    record.Tr3Edit.SetUserValue(7);
    EXPECT_TRUE(Run(0, 1, [](CGUIBaseDlg&) {}).accepted);
    EXPECT_EQ(record.DistributionCombo, 1);
    EXPECT_FALSE(Run(0, 9, [](CGUIBaseDlg&) {}).accepted);
}

// Parameter controls of each catalogue entry (edits and switches, labels aside), as the catalogue lists
// its fields; only the chosen entry's are shown.
TEST_F(DistribDialog, ShowsOnlyTheChosenGroup) {
    const int fields[33] = {2, 2, 2, 3, 2, 2, 1, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2,
                            1, 2, 2, 2, 1, 1, 2, 2, 1, 3, 1, 3, 3, 2, 5, 8};
    const auto shown = [](const CGUIBaseDlg& dlg) {
        std::vector<UINT> ids;
        for (UINT id : dlg.GetCtrlIDs())
            if (id >= Dlg::IDC_U1Edit && id < Dlg::IDC_Para1Edit + 6 * Dlg::kParaStride &&
                dlg.IsCtrlVisible(id))
                ids.push_back(id);
        return ids;
    };
    UINT next = Dlg::IDC_U1Edit;
    for (int index = 0; index < 33; ++index) {
        const int set = index < 28 ? 4 : 2;
        const int position = index < 28 ? index : index - 28;
        Run(set, position, [&](CGUIBaseDlg& dlg) {
            const auto ids = shown(dlg);
            ASSERT_EQ(static_cast<int>(ids.size()), fields[index]) << "entry " << index;
            // The groups follow one another in the catalogue's order.
            for (std::size_t i = 0; i < ids.size(); ++i)
                EXPECT_EQ(ids[i], next + i) << "entry " << index;
            next += static_cast<UINT>(ids.size());
            for (UINT id : ids) {
                if (dlg.Ctrl(id).GetKind() != ControlKind::Check) {
                    EXPECT_TRUE(dlg.IsCtrlVisible(id + Dlg::kLabelOffset)) << id;
                }
            }
            const auto& combo = dlg.Ctrl(Dlg::IDC_DISTRIBUTION_COMBO);
            EXPECT_EQ(combo.m_comboItems[static_cast<std::size_t>(position)],
                      GetString(static_cast<UINT>(
                          CDistribData::Catalogue()[static_cast<std::size_t>(index)].displayIds)));
        });
    }
}

TEST_F(DistribDialog, ComboShowsTheActiveSet) {
    Run(1, 0, [](CGUIBaseDlg& dlg) {
        const auto& items = dlg.Ctrl(Dlg::IDC_DISTRIBUTION_COMBO).m_comboItems;
        ASSERT_EQ(items.size(), 7u);
        EXPECT_EQ(items[0], L"DUNIFORM = ");
        EXPECT_EQ(items[6], L"ZIPF = ");
    });
}

TEST_F(DistribDialog, RangeToolTips) {
    const std::pair<UINT, const wchar_t*> tips[] = {
        {Dlg::IDC_En1Edit, L"( -inf , +inf )"},
        {Dlg::IDC_E1Edit, L"( -inf , +inf )"},
        {Dlg::IDC_Para1Edit + 3 * Dlg::kParaStride + 1, L"( -inf , +inf )"},
        {Dlg::IDC_De2Edit, L"( 0.0 , +inf )"},
        {Dlg::IDC_R1Edit, L"( 0.0 , +inf )"},
        {Dlg::IDC_Zi1Edit, L"( 0.0 , +inf )"},
        {Dlg::IDC_Go2Edit, L"( 1.0 , +inf )"},
        {Dlg::IDC_Nb2Edit, L"( 0.0 , 1.0 )"},
        {Dlg::IDC_Du1Edit, L"[ 1 , +inf )"},
        {Dlg::IDC_M1Edit, L"[ 1 , +inf )"},
        {Dlg::IDC_S1Edit, L"[ 2 , +inf )"},
        {Dlg::IDC_Wi1Edit, L"[ 2 , +inf )"},
        {Dlg::IDC_Di1Edit, L"[ 3 , +inf )"},
        {Dlg::IDC_Wi2Edit, L"[ p , +inf )"},
        {Dlg::IDC_B1Edit, L""},
        {Dlg::IDC_F1Edit, L""},
    };
    Run(0, 0, [&](CGUIBaseDlg& dlg) {
        for (const auto& [id, tip] : tips)
            EXPECT_EQ(dlg.GetToolTip(id), tip) << id;
    });
}

// A file field's tool tip follows its text: the record's when the dialog opens, then what is typed.
TEST_F(DistribDialog, FileFieldToolTipsFollowTheText) {
    record.Wi3FileEdit = L"scale.txt";
    record.Para2FileEdit = L"p2.txt";
    Run(2, 4, [](CGUIBaseDlg& dlg) {
        EXPECT_EQ(dlg.GetToolTip(Dlg::IDC_Wi3FileEdit), L"scale.txt");
        EXPECT_EQ(dlg.GetToolTip(Dlg::IDC_Para1Edit + Dlg::kParaStride + 2), L"p2.txt");
        EXPECT_FALSE(dlg.IsCtrlEnabled(Dlg::IDC_Wi4FileEdit));
        dlg.UserCheck(Dlg::IDC_Wi4Check, 1);
        EXPECT_TRUE(dlg.IsCtrlEnabled(Dlg::IDC_Wi4FileEdit));
        EXPECT_FALSE(dlg.IsCtrlEnabled(Dlg::IDC_Wi4bEdit));
        dlg.UserTypeText(Dlg::IDC_Wi4FileEdit, L"/data/second matrix.txt");
        EXPECT_EQ(dlg.GetToolTip(Dlg::IDC_Wi4FileEdit), L"/data/second matrix.txt");
    });
}

}  // namespace
