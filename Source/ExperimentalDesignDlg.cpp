#include "Private/ExperimentalDesignDlg.h"

#include <algorithm>
#include <vector>

#include "Msg/DesignofExperimentsMsg.h"
#include "Msg/Launcher.h"
#include "TvkDlgBase/TvkDlgBase.h"

namespace {

using Data = CExperimentalDesignData;
using Dlg = CExperimentalDesignDlg;
using EField = Dlg::EField;

constexpr int kBoxBehnkenFactors[] = {3, 4, 5, 6, 7, 9, 10, 11, 12, 16};
constexpr int kBoxHunterRuns[] = {4, 8, 16, 32, 64, 128};
// Plackett-Burman designs: multiples of 4 up to kPlackettLargestMultiple, and these.
constexpr int kPlackettOtherRuns[] = {9, 25, 27, 49, 81, 125};
constexpr int kPlackettLargestMultiple = 100;

struct FieldControls {
    EField field;
    UINT edit;
    UINT label;
};
constexpr FieldControls kFields[] = {
    {EField::levels, Dlg::IDC_LEVELS_EDIT, Dlg::IDC_LEVELS_LABEL},
    {EField::factors, Dlg::IDC_FACTORS_EDIT, Dlg::IDC_FACTORS_LABEL},
    {EField::runs, Dlg::IDC_RUNS_EDIT, Dlg::IDC_RUNS_LABEL},
    {EField::replications, Dlg::IDC_REPLICATIONS_EDIT, Dlg::IDC_REPLICATIONS_LABEL},
};

template <std::size_t N>
bool OneOf(const int (&values)[N], int value) {
    return std::find(std::begin(values), std::end(values), value) != std::end(values);
}

bool InBounds(Data::Bounds bounds, int value) {
    if (value < bounds.minimum)
        return false;
    if (bounds.maximum == -1)
        return true;
    return bounds.maximum == Data::kOpenMaximum ? value < bounds.maximum : value <= bounds.maximum;
}

CString RangeText(Data::Bounds bounds) {
    if (!bounds.Used())
        return {};
    const CString start = L"[" + CGUIBaseObj::NumberText(bounds.minimum) + L", ";
    if (bounds.maximum == -1)
        return start + L"+inf)";
    return start + CGUIBaseObj::NumberText(bounds.maximum) +
           (bounds.maximum == Data::kOpenMaximum ? L")" : L"]");
}

CString SetText(const std::vector<int>& values) {
    CString text = L"{";
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i ? L", " : L"") + CGUIBaseObj::NumberText(values[i]);
    return text + L"}";
}

CString Refusal(const CString& accepted) {
    return L"Enter a number in " + accepted;
}

UINT ItemAt(int position) {
    const auto types = Data::DesignTypes();
    return position >= 0 && position < static_cast<int>(types.size()) ? types[position].item : 0;
}

}  // namespace

Dlg::Bounds CExperimentalDesignDlg::MaxMin(EField field, int position) {
    const auto types = Data::DesignTypes();
    if (position < 0 || position >= static_cast<int>(types.size()))
        return {0, 0};
    const Data::DesignType& type = types[position];
    switch (field) {
        case EField::levels:
            return type.levels;
        case EField::factors:
            return type.factors;
        case EField::runs:
            return type.runs;
        case EField::replications:
            return type.replications;
    }
    return {0, 0};
}

CString CExperimentalDesignDlg::ChangingToolTips(EField field, int position) {
    const UINT item = ItemAt(position);
    if (field == EField::levels && item == Data::kFactorialItem)
        return L"{2, 3}";
    if (field == EField::factors && item == Data::kBoxBehnkenItem)
        return L"{[3, 7], [9, 12], 16}";
    if (field == EField::runs && item == Data::kBoxHunterItem)
        return SetText({std::begin(kBoxHunterRuns), std::end(kBoxHunterRuns)});
    return RangeText(MaxMin(field, position));
}

CString CExperimentalDesignDlg::ValidEdit(int position, int levels) {
    const Bounds bounds = MaxMin(EField::levels, position);
    return !bounds.Used() || InBounds(bounds, levels) ? CString()
                                                      : Refusal(ChangingToolTips(EField::levels, position));
}

CString CExperimentalDesignDlg::ValidEditLevel(int position, int factors) {
    const Bounds bounds = MaxMin(EField::factors, position);
    if (!bounds.Used())
        return {};
    const bool gap = ItemAt(position) == Data::kBoxBehnkenItem && !OneOf(kBoxBehnkenFactors, factors);
    return InBounds(bounds, factors) && !gap ? CString()
                                             : Refusal(ChangingToolTips(EField::factors, position));
}

CString CExperimentalDesignDlg::ValidEditRuns(int position, int runs, int factors) {
    const Bounds bounds = MaxMin(EField::runs, position);
    if (!bounds.Used())
        return {};
    switch (ItemAt(position)) {
        case Data::kBoxHunterItem: {
            // A two-level fraction needs more runs than factors.
            std::vector<int> accepted;
            for (int r : kBoxHunterRuns)
                if (r > factors)
                    accepted.push_back(r);
            return std::find(accepted.begin(), accepted.end(), runs) != accepted.end()
                       ? CString()
                       : Refusal(SetText(accepted));
        }
        case Data::kPlackettBurmanItem: {
            const bool multiple = runs >= 4 && runs <= kPlackettLargestMultiple && runs % 4 == 0;
            return multiple || OneOf(kPlackettOtherRuns, runs)
                       ? CString()
                       : CString(L"Enter a multiple of 4 in [4, 100], or one of 9, 25, 27, 49, 81, 125");
        }
        default:
            return InBounds(bounds, runs) ? CString() : Refusal(ChangingToolTips(EField::runs, position));
    }
}

CString CExperimentalDesignDlg::ValidEditReplications(int position, int replications) {
    const Bounds bounds = MaxMin(EField::replications, position);
    return !bounds.Used() || InBounds(bounds, replications)
               ? CString()
               : Refusal(ChangingToolTips(EField::replications, position));
}

CExperimentalDesignDlg::CExperimentalDesignDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillComboFromResource(IDC_TYPE_COMBO, Data::kTypeCombo);
    FillComboFromResource(IDC_MIXTURE_COMBO, Data::kMixtureCombo);
    FillComboFromResource(IDC_TAGUCHI_COMBO, Data::kTaguchiCombo);
}

int CExperimentalDesignDlg::GetDesignTypeComboIndex() const {
    return Ctrl(IDC_TYPE_COMBO).m_nComboIndex;
}

int CExperimentalDesignDlg::GetMixtureTypeComboIndex() const {
    return Ctrl(IDC_MIXTURE_COMBO).m_nComboIndex;
}

int CExperimentalDesignDlg::GetTaguchitypeCombo() const {
    return Ctrl(IDC_TAGUCHI_COMBO).m_nComboIndex;
}

void CExperimentalDesignDlg::Validate(CDataExchange* pDX, UINT id, const CString& message) {
    if (pDX->m_bSaveAndValidate && IsCtrlEnabled(id) && !message.IsEmpty())
        RefuseValue(pDX, id, message);
}

void CExperimentalDesignDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_TYPE_COMBO, m_Data.TypeCombo);
    DDX_CBIndex(pDX, IDC_MIXTURE_COMBO, m_Data.MixturetypeCombo);
    DDX_CBIndex(pDX, IDC_TAGUCHI_COMBO, m_Data.TaguchitypeCombo);
    DDX_STText(pDX, IDC_LEVELS_EDIT, m_Data.LevelsEdit);
    DDX_STText(pDX, IDC_FACTORS_EDIT, m_Data.FactorsEdit);
    DDX_STText(pDX, IDC_RUNS_EDIT, m_Data.RunsEdit);
    DDX_STText(pDX, IDC_REPLICATIONS_EDIT, m_Data.ReplicationsEdit);
    const int position = m_Data.TypeCombo;
    const int factors = m_Data.FactorsEdit.GetValue();
    Validate(pDX, IDC_LEVELS_EDIT, ValidEdit(position, m_Data.LevelsEdit.GetValue()));
    Validate(pDX, IDC_FACTORS_EDIT, ValidEditLevel(position, factors));
    Validate(pDX, IDC_RUNS_EDIT, ValidEditRuns(position, m_Data.RunsEdit.GetValue(), factors));
    Validate(pDX, IDC_REPLICATIONS_EDIT, ValidEditReplications(position, m_Data.ReplicationsEdit.GetValue()));
    DDX_Check(pDX, IDC_LETTERS_CHECK, m_Data.LettersForLabelsCheck);
    DDX_Check(pDX, IDC_SQUARE_CHECK, m_Data.PrintLatinSqCheck);
    DDX_Check(pDX, IDC_RANDOM_CHECK, m_Data.RandomCheck);
    DDX_Check(pDX, IDC_BLOCK_CHECK, m_Data.InclBlockFactorCheck);
}

void CExperimentalDesignDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    // Until a design type is chosen, the ranges of the first type, runs unbounded.
    AddToolTip(IDC_FACTORS_EDIT, L"[2, 7]", 0);
    AddToolTip(IDC_LEVELS_EDIT, L"[2, 3]", 0);
    AddToolTip(IDC_RUNS_EDIT, L"(-inf, +inf)", 0);
    AddToolTip(IDC_REPLICATIONS_EDIT, L"[1, +inf)", 0);
}

void CExperimentalDesignDlg::UpdateAddToolTips() {
    const int position = GetDesignTypeComboIndex();
    for (const FieldControls& f : kFields)
        if (const CString text = ChangingToolTips(f.field, position); !text.IsEmpty())
            AddToolTip(f.edit, text, 0);
}

void CExperimentalDesignDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const int position = GetDesignTypeComboIndex();
    const UINT item = ItemAt(position);
    const bool mixture = item == Data::kMixtureItem;
    const bool lattice =
        CComboUtil::GetComboItem(Data::kMixtureCombo, GetMixtureTypeComboIndex()) == Data::kLatticeItem;
    for (const FieldControls& f : kFields) {
        const bool used =
            MaxMin(f.field, position).Used() && (f.field != EField::levels || !mixture || lattice);
        EnableCtrl(f.edit, used);
        EnableCtrl(f.label, used);
    }
    EnableCtrl(IDC_SQUARE_CHECK, item == Data::kLatinSquareItem);
    EnableCtrl(IDC_BLOCK_CHECK, item == Data::kBoxBehnkenItem);
    EnableCtrl(IDC_MIXTURE_COMBO, mixture);
    EnableCtrl(IDC_MIXTURE_LABEL, mixture);
    EnableCtrl(IDC_TAGUCHI_COMBO, item == Data::kTaguchiItem);
    EnableCtrl(IDC_TAGUCHI_LABEL, item == Data::kTaguchiItem);
}

void CExperimentalDesignDlg::OnSelchangeTypeCombo() {
    const int position = GetDesignTypeComboIndex();
    for (const FieldControls& f : kFields) {
        const Bounds bounds = MaxMin(f.field, position);
        const auto shown = ParseInt(GetCtrlWindowText(f.edit));
        if (bounds.Used() && shown && !InBounds(bounds, *shown))
            SetCtrlWindowText(f.edit, NumberText(bounds.minimum));
    }
    UpdateDependentWindows();
    UpdateAddToolTips();
}

// The lattice alone takes a number of levels.
void CExperimentalDesignDlg::OnSelchangeMixturetypeCombo() {
    UpdateDependentWindows();
}

// No field depends on the Taguchi array; the enabling is brought up to date all the same.
void CExperimentalDesignDlg::OnSelchangeTaguchitypeCombo() {
    UpdateDependentWindows();
}

void CExperimentalDesignDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id == IDC_TYPE_COMBO)
        OnSelchangeTypeCombo();
    else if (id == IDC_MIXTURE_COMBO)
        OnSelchangeMixturetypeCombo();
    else if (id == IDC_TAGUCHI_COMBO)
        OnSelchangeTaguchitypeCombo();
}

REGISTER_MENU_ROWS(CDesignofExperimentsMsg,
                   DialogRow<CExperimentalDesignData, CExperimentalDesignDlg>(1084, 0, MenuRule::Always));
