#include "Private/PowerGenericDlg.h"

#include "Msg/DesignofExperimentsMsg.h"
#include "Msg/Launcher.h"

namespace {

using Data = CPowerGenericData;
constexpr CPowerValueRule kPositive{EPowerValue::positive, L"(0.0, +inf)"};
constexpr CPowerValueRule kAny{EPowerValue::any, L"(-inf, +inf)"};

}  // namespace

CPowerGenericDlg::CPowerGenericDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent, Data::kEstimateRadio, 0) {}

void CPowerGenericDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    CheckControl(pDX, IDC_NUMERATOR_EDIT, m_Data.NumeratordegreesEdit, 1);
    ExchangeValue(pDX, IDC_C1_EDIT, m_Data.DenominatorDegreesEdit, kPositive);
    ExchangeValue(pDX, IDC_C0_EDIT, m_Data.DenomSampleSizeEdit, kAny);
    ExchangeValue(pDX, IDC_NONCENTRALITY_EDIT, m_Data.NonCentralityEdit, kPositive);
    ExchangeCommon(pDX, FieldsOf(m_Data, m_Data.TestLevelCombo, m_Data.SampleSizeForSpecificPowerRadio),
                   kGenericSizes);
}

void CPowerGenericDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_C1_EDIT, kPositive.range, 0);
    AddToolTip(IDC_C0_EDIT, kAny.range, 0);
    AddToolTip(IDC_NONCENTRALITY_EDIT, kPositive.range, 0);
    AddCommonToolTips(kGenericSizes);
}

REGISTER_MENU_ROWS(CDesignofExperimentsMsg,
                   DialogRow<CPowerGenericData, CPowerGenericDlg>(1023, 0, MenuRule::Always));
