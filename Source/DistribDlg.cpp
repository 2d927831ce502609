#include "Private/DistribDlg.h"

#include <algorithm>
#include <cmath>

#include "TvkDlgBase/CDistribManager.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

using D = CDistribData;
using Check = CDistribDlg::Check;
using Control = CDistribDlg::Control;

const wchar_t kTriangularMessage[] = L"Enter the appropriate values of parameters";

Control Real(UINT id, CGUIData<double> D::*field, Check check = Check::Any, bool tip = false) {
    return {id, field, check, 0, nullptr, tip};
}
Control Whole(UINT id, CGUIData<int> D::*field, int atLeast, bool tip = false) {
    return {id, field, Check::AtLeast, atLeast, nullptr, tip};
}
// An integer without a bound of its own (the degrees of freedom of F).
Control Whole(UINT id, CGUIData<int> D::*field) {
    return {id, field, Check::Any};
}
Control List(UINT id, CString D::*field, Check check, CGUIData<int> D::*count, UINT fileSwitch = 0) {
    return {id, field, check, 0, count, false, fileSwitch};
}
Control File(UINT id, CString D::*field, UINT fileSwitch) {
    return {id, field, Check::Any, 0, nullptr, false, fileSwitch};
}
Control Switch(UINT id, int D::*field) {
    return {id, field, Check::Switch};
}

// One row per catalogue entry. `tip`: the edit shows its range as its tool tip (the location parameters
// of Cauchy and Gumbel and the shapes of several laws show none).
std::vector<std::vector<Control>> MakeGroups() {
    using G = CDistribDlg;
    constexpr bool tip = true;
    constexpr auto Positive = Check::Positive;
    return {
        {Real(G::IDC_U1Edit, &D::U1Edit), Real(G::IDC_U2Edit, &D::U2Edit)},
        {Real(G::IDC_B1Edit, &D::B1Edit, Positive), Real(G::IDC_B2Edit, &D::B2Edit, Positive)},
        {Real(G::IDC_En1Edit, &D::En1Edit, Check::Any, tip),
         Real(G::IDC_En2Edit, &D::En2Edit, Positive, tip)},
        {Real(G::IDC_Tr1Edit, &D::Tr1Edit), Real(G::IDC_Tr2Edit, &D::Tr2Edit),
         Real(G::IDC_Tr3Edit, &D::Tr3Edit)},
        {Real(G::IDC_L1Edit, &D::L1Edit, Check::Any, tip), Real(G::IDC_L2Edit, &D::L2Edit, Positive, tip)},
        {Real(G::IDC_De1Edit, &D::De1Edit, Check::Any, tip),
         Real(G::IDC_De2Edit, &D::De2Edit, Positive, tip)},
        {Whole(G::IDC_T1Edit, &D::T1Edit, 1, tip)},
        {Real(G::IDC_C1Edit, &D::C1Edit), Real(G::IDC_C2Edit, &D::C2Edit, Positive)},
        {Real(G::IDC_Gu1Edit, &D::Gu1Edit), Real(G::IDC_Gu2Edit, &D::Gu2Edit, Positive)},
        {Real(G::IDC_Z1Edit, &D::Z1Edit, Check::Any, tip), Real(G::IDC_Z2Edit, &D::Z2Edit, Positive, tip)},
        {Real(G::IDC_G1Edit, &D::G1Edit, Positive), Real(G::IDC_G2Edit, &D::G2Edit, Positive)},
        {Whole(G::IDC_X1Edit, &D::X1Edit, 1, tip)},
        {Real(G::IDC_Go1Edit, &D::Go1Edit, Positive, tip),
         Real(G::IDC_Go2Edit, &D::Go2Edit, Check::AboveOne, tip)},
        {Real(G::IDC_Ln1Edit, &D::Ln1Edit, Check::Any, tip),
         Real(G::IDC_Ln2Edit, &D::Ln2Edit, Positive, tip)},
        {Whole(G::IDC_F1Edit, &D::F1Edit), Whole(G::IDC_F2Edit, &D::F2Edit)},
        {Real(G::IDC_W1Edit, &D::W1Edit, Positive), Real(G::IDC_W2Edit, &D::W2Edit, Positive)},
        {Real(G::IDC_Pa1Edit, &D::Pa1Edit), Real(G::IDC_Pa2Edit, &D::Pa2Edit)},
        {Real(G::IDC_R1Edit, &D::R1Edit, Positive, tip)},
        {Real(G::IDC_Ig1Edit, &D::Ig1Edit, Positive), Real(G::IDC_Ig2Edit, &D::Ig2Edit, Positive)},
        {Real(G::IDC_E1Edit, &D::E1Edit, Check::Any, tip), Real(G::IDC_E2Edit, &D::E2Edit, Positive, tip)},
        {Whole(G::IDC_S1Edit, &D::S1Edit, 2, tip), Whole(G::IDC_S2Edit, &D::S2Edit, 1, tip)},
        {Whole(G::IDC_Du1Edit, &D::Du1Edit, 1, tip)},
        {Real(G::IDC_P1Edit, &D::P1Edit, Positive, tip)},
        {Whole(G::IDC_N1Edit, &D::N1Edit, 1, tip), Real(G::IDC_N2Edit, &D::N2Edit, Check::Unit, tip)},
        {Real(G::IDC_Nb1Edit, &D::Nb1Edit, Positive, tip),
         Real(G::IDC_Nb2Edit, &D::Nb2Edit, Check::Unit, tip)},
        {Real(G::IDC_Ge1Edit, &D::Ge1Edit, Check::Unit, tip)},
        {Whole(G::IDC_H1Edit, &D::H1Edit, 1), Whole(G::IDC_H2Edit, &D::H2Edit, 1),
         Whole(G::IDC_H3Edit, &D::H3Edit, 1)},
        {Real(G::IDC_Zi1Edit, &D::Zi1Edit, Positive, tip)},
        {Whole(G::IDC_M1Edit, &D::M1Edit, 1, tip), Whole(G::IDC_M2Edit, &D::M2Edit, 3, tip),
         List(G::IDC_M3bEdit, &D::M3bEdit, Check::Probabilities, &D::M2Edit)},
        {Real(G::IDC_Be1Edit, &D::Be1Edit, Positive), Real(G::IDC_Be2Edit, &D::Be2Edit, Positive),
         Real(G::IDC_Be3Edit, &D::Be3Edit, Positive)},
        {Whole(G::IDC_Di1Edit, &D::Di1Edit, 3, tip),
         List(G::IDC_Di2bEdit, &D::Di2bEdit, Check::PositiveList, &D::Di1Edit)},
        {Whole(G::IDC_Zp1Edit, &D::Zp1Edit, 2, tip),
         List(G::IDC_Zp2bEdit, &D::Zp2bEdit, Check::Numbers, &D::Zp1Edit),
         Switch(G::IDC_Zp3Check, &D::Zp3Check),
         List(G::IDC_Zp3bEdit, &D::Zp3bEdit, Check::Matrix, &D::Zp1Edit, G::IDC_Zp3Check),
         File(G::IDC_Zp3FileEdit, &D::Zp3FileEdit, G::IDC_Zp3Check)},
        {Whole(G::IDC_Wi1Edit, &D::Wi1Edit, 2, tip),
         {G::IDC_Wi2Edit, &D::Wi2Edit, Check::AtLeastCount, 0, &D::Wi1Edit, tip},
         Switch(G::IDC_Wi3Check, &D::Wi3Check),
         List(G::IDC_Wi3bEdit, &D::Wi3bEdit, Check::Matrix, &D::Wi1Edit, G::IDC_Wi3Check),
         File(G::IDC_Wi3FileEdit, &D::Wi3FileEdit, G::IDC_Wi3Check),
         Switch(G::IDC_Wi4Check, &D::Wi4Check),
         List(G::IDC_Wi4bEdit, &D::Wi4bEdit, Check::Matrix, &D::Wi1Edit, G::IDC_Wi4Check),
         File(G::IDC_Wi4FileEdit, &D::Wi4FileEdit, G::IDC_Wi4Check)},
    };
}

// The generic slots belong to no catalogue entry: exchanged always, never shown by a choice.
std::vector<Control> MakeSlots() {
    using F = CGUIData<double> D::*;
    using T = CString D::*;
    using S = int D::*;
    struct Slot {
        F value, second;
        T file;
        S check;
    };
    const Slot slots[] = {
        {&D::Para1Edit, &D::Para1bEdit, &D::Para1FileEdit, &D::Para1Check},
        {&D::Para2Edit, &D::Para2bEdit, &D::Para2FileEdit, &D::Para2Check},
        {&D::Para3Edit, &D::Para3bEdit, &D::Para3FileEdit, &D::Para3Check},
        {&D::Para4Edit, &D::Para4bEdit, &D::Para4FileEdit, &D::Para4Check},
        {&D::Para5Edit, &D::Para5bEdit, &D::Para5FileEdit, &D::Para5Check},
        {&D::Para6Edit, &D::Para6bEdit, &D::Para6FileEdit, &D::Para6Check},
    };
    std::vector<Control> controls;
    UINT id = CDistribDlg::IDC_Para1Edit;
    for (const Slot& s : slots) {
        // The values are read from the file when the switch is checked.
        Control value = Real(id, s.value, Check::Any, true);
        Control second = Real(id + 1, s.second, Check::Any, true);
        value.fileSwitch = second.fileSwitch = id + 3;
        controls.insert(controls.end(),
                        {value, second, File(id + 2, s.file, id + 3), Switch(id + 3, s.check)});
        id += CDistribDlg::kParaStride;
    }
    return controls;
}

const std::vector<Control>& Slots() {
    static const std::vector<Control> slots = MakeSlots();
    return slots;
}

bool IsFileField(const Control& c) {
    return std::holds_alternative<CString D::*>(c.field) && c.check == Check::Any;
}

// Whether a text-or-file field is the one its switch chooses now: a file field when checked.
bool IsChosen(const CGUIBaseDlg& dlg, const Control& c) {
    if (!c.fileSwitch)
        return true;
    const bool file = IsFileField(c);
    return (dlg.IsCtrlChecked(c.fileSwitch) != 0) == file;
}

CString CountText(int n) {
    return CGUIBaseObj::NumberText(n);
}

}  // namespace

const std::vector<std::vector<Control>>& CDistribDlg::Groups() {
    static const std::vector<std::vector<Control>> groups = MakeGroups();
    return groups;
}

CString CDistribDlg::RangeText(const Control& c) {
    switch (c.check) {
        case Check::Any:
            return std::holds_alternative<CString D::*>(c.field) ? CString() : CString(L"( -inf , +inf )");
        case Check::Positive:
            return L"( 0.0 , +inf )";
        case Check::AboveOne:
            return L"( 1.0 , +inf )";
        case Check::Unit:
            return L"( 0.0 , 1.0 )";
        case Check::AtLeast:
            return L"[ " + CountText(c.bound) + L" , +inf )";
        case Check::AtLeastCount:
            return L"[ p , +inf )";
        default:
            return {};
    }
}

std::optional<CString> CDistribDlg::ValidateList(const CString& text, Check check, int count) {
    const auto rows = ParseNumberMatrix(text, GetDecimalSymbol());
    const CString n = CountText(count);
    if (check == Check::Matrix) {
        const CString refusal =
            L"Enter a symmetric positive definite " + n + L" x " + n + L" matrix, its rows separated by ';'";
        if (!rows || static_cast<int>(rows->size()) != count)
            return refusal;
        const auto& a = *rows;
        for (const auto& row : a)
            if (static_cast<int>(row.size()) != count)
                return refusal;
        // Cholesky's factor exists exactly for a symmetric positive definite matrix.
        std::vector<std::vector<double>> l(a.size(), std::vector<double>(a.size(), 0.0));
        for (std::size_t i = 0; i < a.size(); ++i)
            for (std::size_t j = 0; j <= i; ++j) {
                if (a[i][j] != a[j][i])
                    return refusal;
                double sum = a[i][j];
                for (std::size_t k = 0; k < j; ++k)
                    sum -= l[i][k] * l[j][k];
                if (i == j) {
                    if (!(sum > 0))
                        return refusal;
                    l[i][i] = std::sqrt(sum);
                } else {
                    l[i][j] = sum / l[j][j];
                }
            }
        return std::nullopt;
    }
    std::vector<double> values;
    if (rows)
        for (const auto& row : *rows)
            values.insert(values.end(), row.begin(), row.end());
    const bool counted = rows && static_cast<int>(values.size()) == count;
    switch (check) {
        case Check::Probabilities: {
            double sum = 0;
            bool each = counted;
            for (double v : values) {
                each = each && v >= 0 && v <= 1;
                sum += v;
            }
            // Typed decimals rarely add up exactly: 0.3333 three times is taken as a third each.
            if (each && std::fabs(sum - 1) <= 1e-3)
                return std::nullopt;
            return L"Enter " + n + L" probabilities that add up to 1";
        }
        case Check::PositiveList: {
            bool each = counted;
            for (double v : values)
                each = each && v > 0;
            if (each)
                return std::nullopt;
            return L"Enter " + n + L" numbers above 0";
        }
        default:
            if (counted)
                return std::nullopt;
            return L"Enter " + n + L" numbers";
    }
}

CDistribDlg::CDistribDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {}

BOOL CDistribDlg::OnInitDialog() {
    // The combo's items first: the base shows the record's position among them.
    CTKCtrl& combo = Ctrl(IDC_DISTRIBUTION_COMBO);
    combo.m_comboItems.clear();
    for (int position = 0; position < CDistribData::GetDistribComboCount(); ++position)
        combo.m_comboItems.push_back(GetString(static_cast<UINT>(
            CDistribData::GetDistribComboIDS(CDistribData::GetDistribComboString(position)))));
    CGUIBaseDlg::OnInitDialog();
    OnSelchangeDistributionCombo();
    return 1;
}

int CDistribDlg::GetChosenIndex() const {
    const int position = Ctrl(IDC_DISTRIBUTION_COMBO).m_nComboIndex;
    if (position < 0 || position >= CDistribData::GetDistribComboCount())
        return -1;
    return CDistribData::GetDistribComboString(position);
}

void CDistribDlg::ExchangeControl(CDataExchange* pDX, const Control& c) {
    std::visit(
        [&](auto member) {
            using M = std::remove_cvref_t<decltype(m_Data.*member)>;
            if constexpr (std::is_same_v<M, CString>)
                DDX_Text(pDX, c.id, m_Data.*member);
            else if constexpr (std::is_same_v<M, int>)
                DDX_Check(pDX, c.id, m_Data.*member);
            else
                DDX_STText(pDX, c.id, m_Data.*member);
        },
        c.field);
}

void CDistribDlg::CheckControl(CDataExchange* pDX, const Control& c) {
    const auto* real = std::get_if<CGUIData<double> D::*>(&c.field);
    const auto* whole = std::get_if<CGUIData<int> D::*>(&c.field);
    switch (c.check) {
        case Check::Positive:
            DDV_MinMaxDouble(pDX, c.id, m_Data.*(*real), 0.0, 0.0, eExclusive, eNoValidation);
            break;
        case Check::AboveOne:
            DDV_MinMaxDouble(pDX, c.id, m_Data.*(*real), 1.0, 0.0, eExclusive, eNoValidation);
            break;
        case Check::Unit:
            DDV_MinMaxDouble(pDX, c.id, m_Data.*(*real), 0.0, 1.0, eExclusive, eExclusive);
            break;
        case Check::AtLeast:
            DDV_MinMaxInt(pDX, c.id, m_Data.*(*whole), c.bound, kNoMaximum, eInclusive, eNoValidation);
            break;
        case Check::AtLeastCount:
            DDV_MinMaxInt(pDX, c.id, m_Data.*(*whole), (m_Data.*c.count).GetValue(), kNoMaximum, eInclusive,
                          eNoValidation);
            break;
        case Check::Probabilities:
        case Check::PositiveList:
        case Check::Numbers:
        case Check::Matrix: {
            if (!pDX->m_bSaveAndValidate || !IsChosen(*this, c))
                break;
            const CString& text = m_Data.*std::get<CString D::*>(c.field);
            if (const auto refusal = ValidateList(text, c.check, (m_Data.*c.count).GetValue())) {
                ChangeColor(c.id, kColorInvalid);
                SendStatusBarText(*refusal);
                pDX->Fail(c.id);
            }
            ChangeColor(c.id, kColorWhite);
            break;
        }
        case Check::Any:
            // A file that a switch chose needs a name.
            if (pDX->m_bSaveAndValidate && c.fileSwitch && IsFileField(c) && IsChosen(*this, c) &&
                CString(m_Data.*std::get<CString D::*>(c.field)).Trim().IsEmpty()) {
                ChangeColor(c.id, kColorInvalid);
                SendStatusBarText(L"Enter a file name");
                pDX->Fail(c.id);
            }
            break;
        case Check::Switch:
            break;
    }
}

void CDistribDlg::CheckTogether(CDataExchange* pDX, int index) {
    if (!pDX->m_bSaveAndValidate)
        return;
    if (index == 0) {
        DDV_MinMaxDouble(pDX, IDC_U2Edit, m_Data.U2Edit, m_Data.U1Edit.GetValue(), 0.0, eExclusive,
                         eNoValidation);
    } else if (index == 3) {
        const double low = m_Data.Tr1Edit.GetValue();
        const double high = m_Data.Tr2Edit.GetValue();
        const double mode = m_Data.Tr3Edit.GetValue();
        if (!(low < high) || mode < low || mode > high) {
            TKMessageBox(kTriangularMessage);
            pDX->Fail(low < high ? IDC_Tr3Edit : IDC_Tr2Edit);
        }
    }
}

void CDistribDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_DISTRIBUTION_COMBO, m_Data.DistributionCombo);
    for (const Control& c : Slots())
        ExchangeControl(pDX, c);
    const auto& groups = Groups();
    if (!pDX->m_bSaveAndValidate) {
        // Every group shows the record's values, so that another choice finds its own.
        for (const auto& group : groups)
            for (const Control& c : group)
                ExchangeControl(pDX, c);
        return;
    }
    // Only the chosen distribution's values are taken and checked: the others keep the record's.
    const int index = GetChosenIndex();
    if (index < 0 || index >= static_cast<int>(groups.size()))
        return;
    for (const Control& c : groups[static_cast<std::size_t>(index)])
        ExchangeControl(pDX, c);
    for (const Control& c : groups[static_cast<std::size_t>(index)])
        CheckControl(pDX, c);
    CheckTogether(pDX, index);
}

void CDistribDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const auto enable = [this](const Control& c) {
        if (!c.fileSwitch)
            return;
        const BOOL on = IsChosen(*this, c) ? 1 : 0;
        EnableCtrl(c.id, on);
        if (!std::holds_alternative<int D::*>(c.field))
            EnableCtrl(c.id + kLabelOffset, on);
    };
    for (const auto& group : Groups())
        for (const Control& c : group)
            enable(c);
    for (const Control& c : Slots())
        enable(c);
}

void CDistribDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    const auto tip = [this](const Control& c) {
        if (c.toolTip)
            AddToolTip(c.id, RangeText(c), 0);
    };
    for (const auto& group : Groups())
        for (const Control& c : group)
            tip(c);
    for (const Control& c : Slots())
        tip(c);
    for (UINT id : FileEdits())
        AddToolTip(id, GetCtrlWindowText(id), 0);
}

std::vector<UINT> CDistribDlg::FileEdits() {
    std::vector<UINT> ids;
    for (const auto& group : Groups())
        for (const Control& c : group)
            if (IsFileField(c))
                ids.push_back(c.id);
    for (const Control& c : Slots())
        if (IsFileField(c))
            ids.push_back(c.id);
    return ids;
}

void CDistribDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id == IDC_DISTRIBUTION_COMBO) {
        OnSelchangeDistributionCombo();
        return;
    }
    // A file field's tool tip shows the whole name, which the edit may be too short for.
    static const std::vector<UINT> files = FileEdits();
    if (std::find(files.begin(), files.end(), id) != files.end())
        AddToolTip(id, GetCtrlWindowText(id), 0);
}

void CDistribDlg::OnSelchangeDistributionCombo() {
    HideAllCtrl();
    const int index = GetChosenIndex();
    if (index >= 0)
        ShowFor(GetString(static_cast<UINT>(CDistribData::GetDistribComboIDS(index))));
    UpdateDependentWindows();
}

void CDistribDlg::HideAllCtrl() {
    for (const auto& [name, controls] : CreateMap())
        for (UINT id : controls)
            ShowCtrlWindow(id, 0);
    for (const Control& c : Slots()) {
        ShowCtrlWindow(c.id, 0);
        if (!std::holds_alternative<int D::*>(c.field))
            ShowCtrlWindow(c.id + kLabelOffset, 0);
    }
}

void CDistribDlg::ShowFor(const CString& name) {
    const auto& map = CreateMap();
    const auto it = map.find(name);
    if (it == map.end())
        return;
    for (UINT id : it->second)
        ShowCtrlWindow(id, 1);
}

const std::map<CString, std::vector<UINT>>& CDistribDlg::CreateMap() {
    static const std::map<CString, std::vector<UINT>> map = [] {
        std::map<CString, std::vector<UINT>> m;
        InitializeMap(m);
        LinkMap(m);
        return m;
    }();
    return map;
}

void CDistribDlg::InitializeMap(std::map<CString, std::vector<UINT>>& map) {
    const auto catalogue = CDistribData::Catalogue();
    for (const DistribEntry& entry : catalogue)
        map[GetString(static_cast<UINT>(entry.displayIds))];
}

void CDistribDlg::LinkMap(std::map<CString, std::vector<UINT>>& map) {
    const auto catalogue = CDistribData::Catalogue();
    const auto& groups = Groups();
    for (std::size_t index = 0; index < catalogue.size() && index < groups.size(); ++index) {
        auto& controls = map[GetString(static_cast<UINT>(catalogue[index].displayIds))];
        for (const Control& c : groups[index]) {
            controls.push_back(c.id);
            if (!std::holds_alternative<int D::*>(c.field))
                controls.push_back(c.id + kLabelOffset);
        }
    }
}
