#include "Private/PowerTwoSampleDlg.h"

namespace {

using Data = CPowerTwoSampleData;
constexpr CPowerValueRule kMean{EPowerValue::any, L"(-inf, +inf)"};
constexpr CPowerValueRule kPositive{EPowerValue::positive, L"(0.0, +inf)"};

}  // namespace

CPowerTwoSampleDlg::CPowerTwoSampleDlg(CGUIBaseDlg* parent)
    : CRecordDlg(IDD, parent, Data::kEstimateRadio, IDC_ALTERNATIVE_COMBO, {Data::kEffectRadio}) {}

void CPowerTwoSampleDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Radio(pDX, Data::kEffectRadio, m_Data.IndividualEffectsRadio);
    ExchangeValue(pDX, IDC_MEAN1_EDIT, m_Data.Mean1Edit, kMean);
    ExchangeValue(pDX, IDC_MEAN2_EDIT, m_Data.Mean2Edit, kMean);
    // Two equal means leave no difference to detect.
    CheckControlNotEqual(pDX, IDC_MEAN2_EDIT, m_Data.Mean2Edit, m_Data.Mean1Edit.GetValue());
    ExchangeValue(pDX, IDC_RANGE_EDIT, m_Data.MeanDifferenceEdit, kPositive);
    ExchangeValue(pDX, IDC_STANDARDISED_EDIT, m_Data.AvgeSqEdit, kPositive);
    ExchangeValue(pDX, IDC_SPREAD_EDIT, m_Data.GroupStdDevEdit, kPositive);
    DDX_CBIndex(pDX, IDC_ALTERNATIVE_COMBO, m_Data.AlternativeCombo);
    ExchangeCommon(pDX, FieldsOf(m_Data, m_Data.TestLevelCombo, m_Data.SampleSizeSpecificPowerRadio),
                   kStandardSizes);
}

void CPowerTwoSampleDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_MEAN1_EDIT, kMean.range, 0);
    AddToolTip(IDC_MEAN2_EDIT, kMean.range, 0);
    for (UINT edit : {IDC_RANGE_EDIT, IDC_STANDARDISED_EDIT, IDC_SPREAD_EDIT})
        AddToolTip(edit, kPositive.range, 0);
    AddCommonToolTips(kStandardSizes);
}

void CPowerTwoSampleDlg::UpdateDependentWindows() {
    CPowerDlgBase::UpdateDependentWindows();
    const UINT form = GetCheckedItem(Data::kEffectRadio);
    EnableCtrl(IDC_MEAN1_EDIT, form == Data::kMeansItem);
    EnableCtrl(IDC_MEAN2_EDIT, form == Data::kMeansItem);
    EnableCtrl(IDC_RANGE_EDIT, form == Data::kRangeItem);
    EnableCtrl(IDC_STANDARDISED_EDIT, form == Data::kStandardisedItem);
    // The z test takes a standardised effect without a spread.
    const bool spread =
        !(GetRecord() && GetRecord()->GetVariantID() == Data::kVariantZ2 && form == Data::kStandardisedItem);
    EnableCtrl(IDC_SPREAD_EDIT, spread);
    EnableCtrl(IDC_SPREAD_LABEL, spread);
}
