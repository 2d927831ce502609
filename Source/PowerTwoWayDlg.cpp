#include "Private/PowerTwoWayDlg.h"

#include <algorithm>
#include <climits>
#include <functional>

namespace {

using Data = CPowerTwoWayData;
constexpr CPowerValueRule kPositive{EPowerValue::positive, L"(0.0, +inf)"};
// A factor has at least two levels.
constexpr int kFewestLevels = 2;

}  // namespace

CPowerTwoWayDlg::CPowerTwoWayDlg(CGUIBaseDlg* parent)
    : CRecordDlg(IDD, parent, Data::kEstimateRadio, 0, {Data::kEffectRadio, Data::kWhichEffectsRadio}) {}

bool CPowerTwoWayDlg::IsTwoWay() const {
    return GetRecord() && GetRecord()->GetVariantID() == Data::kVariantTwoWay;
}

BOOL CPowerTwoWayDlg::OnInitDialog() {
    SetCtrlWindowText(IDC_ROWS_LABEL, IsTwoWay() ? L"N&umber of rows:" : L"Number of &groups:");
    return CPowerDlgBase::OnInitDialog();
}

void CPowerTwoWayDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    CheckControl(pDX, IDC_ROWS_EDIT, m_Data.RowNumberEdit, kFewestLevels);
    CheckControl(pDX, IDC_COLUMNS_EDIT, m_Data.ColumnNumberEdit, kFewestLevels);
    ExchangeValue(pDX, IDC_SPREAD_EDIT, m_Data.CellStdDevEdit, kPositive);
    DDX_Radio(pDX, Data::kEffectRadio, m_Data.IndividualEffectsRadio);
    DDX_Text(pDX, IDC_EFFECTS_EDIT, m_Data.IndividualEffectsEdit);
    CheckEffects(pDX);
    ExchangeValue(pDX, IDC_RANGE_EDIT, m_Data.EffectRangeEdit, kPositive);
    ExchangeValue(pDX, IDC_AVERAGE_SQUARE_EDIT, m_Data.AvgeSqEdit, kPositive);
    DDX_Radio(pDX, Data::kWhichEffectsRadio, m_Data.RowEffectsRadio);
    ExchangeCommon(pDX, FieldsOf(m_Data, m_Data.TestLevelCombo, m_Data.SampleSizeSpecificPowerRadio),
                   kStandardSizes);
}

void CPowerTwoWayDlg::CheckEffects(CDataExchange* pDX) {
    if (!pDX->m_bSaveAndValidate || !IsCtrlEnabled(IDC_EFFECTS_EDIT))
        return;
    // One effect for each level of the factor the effects belong to; for the interaction, each cell.
    const int rows = m_Data.RowNumberEdit.GetValue();
    const int columns = m_Data.ColumnNumberEdit.GetValue();
    const UINT which = IsTwoWay() ? GetCheckedItem(Data::kWhichEffectsRadio) : Data::kRowItem;
    const long long wanted = which == Data::kColumnItem        ? columns
                             : which == Data::kInteractionItem ? 1LL * rows * columns
                                                               : rows;
    const wchar_t* each = !IsTwoWay()                       ? L"group"
                          : which == Data::kColumnItem      ? L"column"
                          : which == Data::kInteractionItem ? L"cell"
                                                            : L"row";
    const auto effects = ParseNumberList(m_Data.IndividualEffectsEdit);
    if (!effects || static_cast<long long>(effects->size()) != wanted)
        RefuseValue(pDX, IDC_EFFECTS_EDIT,
                    L"Enter " + NumberText(static_cast<int>(std::min<long long>(wanted, INT_MAX))) +
                        L" effects separated by blanks, one for each " + each);
    if (std::adjacent_find(effects->begin(), effects->end(), std::not_equal_to<>()) == effects->end())
        RefuseValue(pDX, IDC_EFFECTS_EDIT,
                    L"Enter effects that differ: equal effects leave nothing to detect");
}

void CPowerTwoWayDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    for (UINT edit : {IDC_SPREAD_EDIT, IDC_RANGE_EDIT, IDC_AVERAGE_SQUARE_EDIT})
        AddToolTip(edit, kPositive.range, 0);
    AddCommonToolTips(kStandardSizes);
}

void CPowerTwoWayDlg::UpdateDependentWindows() {
    CPowerDlgBase::UpdateDependentWindows();
    const UINT form = GetCheckedItem(Data::kEffectRadio);
    const bool twoWay = IsTwoWay();
    EnableCtrl(IDC_COLUMNS_EDIT, twoWay);
    EnableCtrl(IDC_COLUMNS_LABEL, twoWay);
    for (UINT radio : {IDC_ROW_EFFECTS_RADIO, IDC_COLUMN_EFFECTS_RADIO, IDC_INTERACTION_RADIO})
        EnableCtrl(radio, twoWay);
    EnableCtrl(IDC_SPREAD_EDIT, form != Data::kAverageSquareItem);
    EnableCtrl(IDC_SPREAD_LABEL, form != Data::kAverageSquareItem);
    EnableCtrl(IDC_EFFECTS_EDIT, form == Data::kIndividualItem);
    EnableCtrl(IDC_RANGE_EDIT, form == Data::kRangeItem);
    EnableCtrl(IDC_AVERAGE_SQUARE_EDIT, form == Data::kAverageSquareItem);
}
