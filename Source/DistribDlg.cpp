#include "Private/DistribDlg.h"

#include <algorithm>

#include "TvkDlgBase/CDistribManager.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

using D = CDistribData;
using Control = CDistribDlg::Control;

Control Real(UINT id, CGUIData<double> D::*field, int parameter, bool tip = false) {
    return {id, field, parameter, tip};
}
Control Whole(UINT id, CGUIData<int> D::*field, int parameter, bool tip = false) {
    return {id, field, parameter, tip};
}
// A list or matrix typed (and, with a switch, taken while it is unchecked).
Control Text(UINT id, CString D::*field, int parameter, UINT fileSwitch = 0) {
    return {id, field, parameter, false, fileSwitch};
}
Control File(UINT id, CString D::*field, int parameter, UINT fileSwitch) {
    return {id, field, parameter, false, fileSwitch, true};
}
Control Switch(UINT id, int D::*field) {
    return {id, field};
}

// One row per catalogue entry, its fields in its parameters' order. `tip`: the edit shows its range as
// its tool tip (the location parameters of Cauchy and Gumbel and the shapes of several laws show none).
std::vector<std::vector<Control>> MakeGroups() {
    using G = CDistribDlg;
    constexpr bool tip = true;
    // The Wishart degrees of freedom: at least the dimension p, which the tip names.
    Control wishartDegrees = Whole(G::IDC_Wi2Edit, &D::Wi2Edit, 1, tip);
    wishartDegrees.range = L"[ p , +inf )";
    return {
        {Real(G::IDC_U1Edit, &D::U1Edit, 0), Real(G::IDC_U2Edit, &D::U2Edit, 1)},
        {Real(G::IDC_B1Edit, &D::B1Edit, 0), Real(G::IDC_B2Edit, &D::B2Edit, 1)},
        {Real(G::IDC_En1Edit, &D::En1Edit, 0, tip), Real(G::IDC_En2Edit, &D::En2Edit, 1, tip)},
        {Real(G::IDC_Tr1Edit, &D::Tr1Edit, 0), Real(G::IDC_Tr2Edit, &D::Tr2Edit, 1),
         Real(G::IDC_Tr3Edit, &D::Tr3Edit, 2)},
        {Real(G::IDC_L1Edit, &D::L1Edit, 0, tip), Real(G::IDC_L2Edit, &D::L2Edit, 1, tip)},
        {Real(G::IDC_De1Edit, &D::De1Edit, 0, tip), Real(G::IDC_De2Edit, &D::De2Edit, 1, tip)},
        {Whole(G::IDC_T1Edit, &D::T1Edit, 0, tip)},
        {Real(G::IDC_C1Edit, &D::C1Edit, 0), Real(G::IDC_C2Edit, &D::C2Edit, 1)},
        {Real(G::IDC_Gu1Edit, &D::Gu1Edit, 0), Real(G::IDC_Gu2Edit, &D::Gu2Edit, 1)},
        {Real(G::IDC_Z1Edit, &D::Z1Edit, 0, tip), Real(G::IDC_Z2Edit, &D::Z2Edit, 1, tip)},
        {Real(G::IDC_G1Edit, &D::G1Edit, 0), Real(G::IDC_G2Edit, &D::G2Edit, 1)},
        {Whole(G::IDC_X1Edit, &D::X1Edit, 0, tip)},
        {Real(G::IDC_Go1Edit, &D::Go1Edit, 0, tip), Real(G::IDC_Go2Edit, &D::Go2Edit, 1, tip)},
        {Real(G::IDC_Ln1Edit, &D::Ln1Edit, 0, tip), Real(G::IDC_Ln2Edit, &D::Ln2Edit, 1, tip)},
        {Whole(G::IDC_F1Edit, &D::F1Edit, 0), Whole(G::IDC_F2Edit, &D::F2Edit, 1)},
        {Real(G::IDC_W1Edit, &D::W1Edit, 0), Real(G::IDC_W2Edit, &D::W2Edit, 1)},
        {Real(G::IDC_Pa1Edit, &D::Pa1Edit, 0), Real(G::IDC_Pa2Edit, &D::Pa2Edit, 1)},
        {Real(G::IDC_R1Edit, &D::R1Edit, 0, tip)},
        {Real(G::IDC_Ig1Edit, &D::Ig1Edit, 0), Real(G::IDC_Ig2Edit, &D::Ig2Edit, 1)},
        {Real(G::IDC_E1Edit, &D::E1Edit, 0, tip), Real(G::IDC_E2Edit, &D::E2Edit, 1, tip)},
        {Whole(G::IDC_S1Edit, &D::S1Edit, 0, tip), Whole(G::IDC_S2Edit, &D::S2Edit, 1, tip)},
        {Whole(G::IDC_Du1Edit, &D::Du1Edit, 0, tip)},
        {Real(G::IDC_P1Edit, &D::P1Edit, 0, tip)},
        {Whole(G::IDC_N1Edit, &D::N1Edit, 0, tip), Real(G::IDC_N2Edit, &D::N2Edit, 1, tip)},
        {Real(G::IDC_Nb1Edit, &D::Nb1Edit, 0, tip), Real(G::IDC_Nb2Edit, &D::Nb2Edit, 1, tip)},
        {Real(G::IDC_Ge1Edit, &D::Ge1Edit, 0, tip)},
        {Whole(G::IDC_H1Edit, &D::H1Edit, 0), Whole(G::IDC_H2Edit, &D::H2Edit, 1),
         Whole(G::IDC_H3Edit, &D::H3Edit, 2)},
        {Real(G::IDC_Zi1Edit, &D::Zi1Edit, 0, tip)},
        {Whole(G::IDC_M1Edit, &D::M1Edit, 0, tip), Whole(G::IDC_M2Edit, &D::M2Edit, 1, tip),
         Text(G::IDC_M3bEdit, &D::M3bEdit, 2)},
        {Real(G::IDC_Be1Edit, &D::Be1Edit, 0), Real(G::IDC_Be2Edit, &D::Be2Edit, 1),
         Real(G::IDC_Be3Edit, &D::Be3Edit, 2)},
        {Whole(G::IDC_Di1Edit, &D::Di1Edit, 0, tip), Text(G::IDC_Di2bEdit, &D::Di2bEdit, 1)},
        {Whole(G::IDC_Zp1Edit, &D::Zp1Edit, 0, tip), Text(G::IDC_Zp2bEdit, &D::Zp2bEdit, 1),
         Switch(G::IDC_Zp3Check, &D::Zp3Check), Text(G::IDC_Zp3bEdit, &D::Zp3bEdit, 2, G::IDC_Zp3Check),
         File(G::IDC_Zp3FileEdit, &D::Zp3FileEdit, 2, G::IDC_Zp3Check)},
        {Whole(G::IDC_Wi1Edit, &D::Wi1Edit, 0, tip), wishartDegrees, Switch(G::IDC_Wi3Check, &D::Wi3Check),
         Text(G::IDC_Wi3bEdit, &D::Wi3bEdit, 2, G::IDC_Wi3Check),
         File(G::IDC_Wi3FileEdit, &D::Wi3FileEdit, 2, G::IDC_Wi3Check), Switch(G::IDC_Wi4Check, &D::Wi4Check),
         Text(G::IDC_Wi4bEdit, &D::Wi4bEdit, 3, G::IDC_Wi4Check),
         File(G::IDC_Wi4FileEdit, &D::Wi4FileEdit, 3, G::IDC_Wi4Check)},
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
        Control value = Real(id, s.value, -1, true);
        Control second = Real(id + 1, s.second, -1, true);
        value.fileSwitch = second.fileSwitch = id + 3;
        Control file = File(id + 2, s.file, -1, id + 3);
        controls.insert(controls.end(), {value, second, file, Switch(id + 3, s.check)});
        id += CDistribDlg::kParaStride;
    }
    return controls;
}

const std::vector<Control>& Slots() {
    static const std::vector<Control> slots = MakeSlots();
    return slots;
}

const DistribFact* FactOf(int index) {
    const auto catalogue = CDistribData::Catalogue();
    return index >= 0 && index < static_cast<int>(catalogue.size())
               ? FindDistribFact(catalogue[static_cast<std::size_t>(index)].type)
               : nullptr;
}

// The parameter a control stands for, in the table; null for switches and slots.
const DistribParameter* ParameterOf(int index, const Control& c) {
    const DistribFact* fact = FactOf(index);
    return fact && c.parameter >= 0 && c.parameter < static_cast<int>(fact->parameters.size())
               ? &fact->parameters[static_cast<std::size_t>(c.parameter)]
               : nullptr;
}

bool IsText(const Control& c) {
    return std::holds_alternative<CString D::*>(c.field);
}

// Whether a text-or-file field is the one its switch chooses now: a file field when checked.
bool IsChosen(const CGUIBaseDlg& dlg, const Control& c) {
    if (!c.fileSwitch)
        return true;
    return (dlg.IsCtrlChecked(c.fileSwitch) != 0) == c.file;
}

}  // namespace

const std::vector<std::vector<Control>>& CDistribDlg::Groups() {
    static const std::vector<std::vector<Control>> groups = MakeGroups();
    return groups;
}

CString CDistribDlg::RangeText(int index, const Control& c) {
    if (c.range)
        return c.range;
    if (IsText(c) || std::holds_alternative<int D::*>(c.field))
        return {};
    const DistribParameter* p = ParameterOf(index, c);
    return p ? p->RangeText() : CString(L"( -inf , +inf )");
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
            if constexpr (std::is_same_v<M, CString>) {
                if (c.file) {
                    DDX_Text(pDX, c.id, m_Data.*member);
                } else if (pDX->m_bSaveAndValidate) {
                    // A list is kept in the form that reads the same under either decimal symbol.
                    pDX->Replace(m_Data.*member,
                                 StoredNumberText(GetCtrlWindowText(c.id), GetDecimalSymbol()));
                } else {
                    ShowText(Ctrl(c.id), ShownNumberText(m_Data.*member, GetDecimalSymbol()));
                }
            } else if constexpr (std::is_same_v<M, int>) {
                DDX_Check(pDX, c.id, m_Data.*member);
            } else {
                DDX_STText(pDX, c.id, m_Data.*member);
            }
        },
        c.field);
}

void CDistribDlg::CheckChosen(CDataExchange* pDX, int index) {
    const DistribFact* fact = FactOf(index);
    if (!pDX->m_bSaveAndValidate || !fact)
        return;
    std::vector<double> values(fact->parameters.size(), 0.0);
    std::vector<CString> texts(fact->parameters.size());
    for (const Control& c : Groups()[static_cast<std::size_t>(index)]) {
        const DistribParameter* p = ParameterOf(index, c);
        if (!p || !IsChosen(*this, c))
            continue;
        const auto at = static_cast<std::size_t>(c.parameter);
        if (const auto* text = std::get_if<CString D::*>(&c.field)) {
            // A file that a switch chose needs a name.
            if (c.file && CString(m_Data.**text).Trim().IsEmpty()) {
                ChangeColor(c.id, kColorInvalid);
                SendStatusBarText(L"Enter a file name");
                pDX->Fail(c.id);
            }
            texts[at] = m_Data.**text;
            values[at] = c.file ? 1 : 0;
            continue;
        }
        const auto* real = std::get_if<CGUIData<double> D::*>(&c.field);
        const auto* whole = std::get_if<CGUIData<int> D::*>(&c.field);
        values[at] = real ? (m_Data.**real).GetValue() : (m_Data.**whole).GetValue();
        p->CheckRange(*this, pDX, c.id, values[at]);
    }
    if (const auto refused = fact->CheckTogether(values, texts)) {
        UINT id = 0;
        for (const Control& c : Groups()[static_cast<std::size_t>(index)])
            if (c.parameter == refused->parameter && IsChosen(*this, c) && !id)
                id = c.id;
        ChangeColor(id, kColorInvalid);
        TKMessageBox(GetString(refused->message));
        pDX->Fail(id);
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
    CheckChosen(pDX, index);
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
    const auto tip = [this](int index, const Control& c) {
        if (c.toolTip)
            AddToolTip(c.id, RangeText(index, c), 0);
    };
    const auto& groups = Groups();
    for (std::size_t index = 0; index < groups.size(); ++index)
        for (const Control& c : groups[index])
            tip(static_cast<int>(index), c);
    for (const Control& c : Slots())
        tip(-1, c);
    for (UINT id : FileEdits())
        AddToolTip(id, GetCtrlWindowText(id), 0);
}

std::vector<UINT> CDistribDlg::FileEdits() {
    std::vector<UINT> ids;
    for (const auto& group : Groups())
        for (const Control& c : group)
            if (c.file)
                ids.push_back(c.id);
    for (const Control& c : Slots())
        if (c.file)
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
