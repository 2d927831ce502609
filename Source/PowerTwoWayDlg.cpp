#include "Private/PowerTwoWayDlg.h"

namespace {

using Data = CPowerTwoWayData;
constexpr CPowerValueRule kPositive{EPowerValue::positive, L"(0.0, +inf)"};
// A factor has at least two levels.
constexpr int kFewestLevels = 2;

}  // namespace

CPowerTwoWayDlg::CPowerTwoWayDlg(CGUIBaseDlg* parent)
    : CRecordDlg(IDD, parent, Data::kEstimateRadio, 0, {Data::kEffectRadio, Data::kWhichEffectsRadio}) {}

bool CPowerTwoWayDlg::IsTwoWay() const {
    return GetRecord() && GetRecord()->GetDialogID() == Data::kVariantTwoWay;
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
    ExchangeValue(pDX, IDC_RANGE_EDIT, m_Data.EffectRangeEdit, kPositive);
    ExchangeValue(pDX, IDC_AVERAGE_SQUARE_EDIT, m_Data.AvgeSqEdit, kPositive);
    DDX_Radio(pDX, Data::kWhichEffectsRadio, m_Data.RowEffectsRadio);
    ExchangeCommon(pDX, FieldsOf(m_Data, m_Data.TestLevelCombo, m_Data.SampleSizeSpecificPowerRadio),
                   kStandardSizes);
}

void CPowerTwoWayDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_ROWS_EDIT, L"[2, +inf)", 0);
    AddToolTip(IDC_COLUMNS_EDIT, L"[2, +inf)", 0);
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
