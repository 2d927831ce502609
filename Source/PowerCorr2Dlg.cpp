#include "Private/PowerCorr2Dlg.h"

namespace {

using Data = CPowerCorr2Data;
constexpr CPowerValueRule kCorrelation{EPowerValue::correlation, L"(-1.0, 1.0)"};
constexpr CPowerValueRule kProportion{EPowerValue::proportion, L"(0.0, 1.0)"};
constexpr CPowerValueRule kRatio{EPowerValue::positive, L"(0.0, +inf)"};
constexpr int kSmallestGroup = 4;

}  // namespace

CPowerCorr2Dlg::CPowerCorr2Dlg(CGUIBaseDlg* parent)
    : CRecordDlg(IDD, parent, Data::kEstimateRadio, IDC_ALTERNATIVE_COMBO, {Data::kGroupSizeRadio}) {}

bool CPowerCorr2Dlg::IsCorrelation() const {
    return !GetRecord() || GetRecord()->GetVariantID() != Data::kVariantProp2;
}

bool CPowerCorr2Dlg::EstimateApplies() const {
    return !(IsCorrelation() && IsUnequalChecked());
}

BOOL CPowerCorr2Dlg::OnInitDialog() {
    SetCtrlWindowText(IDC_FIRST_LABEL, IsCorrelation() ? L"&First correlation:" : L"&First proportion:");
    SetCtrlWindowText(IDC_SECOND_LABEL, IsCorrelation() ? L"&Second correlation:" : L"&Second proportion:");
    return CPowerDlgBase::OnInitDialog();
}

void CPowerCorr2Dlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    const CPowerValueRule& value = IsCorrelation() ? kCorrelation : kProportion;
    ExchangeValue(pDX, IDC_FIRST_EDIT, m_Data.Correlation1Edit, value);
    ExchangeValue(pDX, IDC_SECOND_EDIT, m_Data.Correlation2Edit, value);
    // Two equal values leave no difference to detect.
    CheckControlNotEqual(pDX, IDC_SECOND_EDIT, m_Data.Correlation2Edit, m_Data.Correlation1Edit.GetValue());
    DDX_Radio(pDX, Data::kGroupSizeRadio, m_Data.EqualsampleSizeRadio);
    CheckControl(pDX, IDC_SIZE1_EDIT, m_Data.SampleSize1Edit, kSmallestGroup);
    CheckControl(pDX, IDC_SIZE2_EDIT, m_Data.SampleSize2Edit, kSmallestGroup);
    ExchangeValue(pDX, IDC_RATIO_EDIT, m_Data.GroupUnEqualRatioEdit, kRatio);
    DDX_CBIndex(pDX, IDC_ALTERNATIVE_COMBO, m_Data.AlternativeCombo);
    ExchangeCommon(pDX, FieldsOf(m_Data, m_Data.TestlevelCombo, m_Data.SampleSizeSpecificPowerRadio),
                   IsCorrelation() ? kCorrelationSizes : kStandardSizes);
}

void CPowerCorr2Dlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    const CPowerValueRule& value = IsCorrelation() ? kCorrelation : kProportion;
    AddToolTip(IDC_FIRST_EDIT, value.range, 0);
    AddToolTip(IDC_SECOND_EDIT, value.range, 0);
    AddToolTip(IDC_RATIO_EDIT, kRatio.range, 0);
    AddCommonToolTips(IsCorrelation() ? kCorrelationSizes : kStandardSizes);
}

void CPowerCorr2Dlg::UpdateDependentWindows() {
    CPowerDlgBase::UpdateDependentWindows();
    const bool unequal = IsUnequalChecked();
    EnableCtrl(IDC_SIZE1_EDIT, IsCorrelation() && unequal);
    EnableCtrl(IDC_SIZE2_EDIT, IsCorrelation() && unequal);
    EnableCtrl(IDC_RATIO_EDIT, !IsCorrelation() && unequal);
}
