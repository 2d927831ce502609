#include "Private/XtabCellStatisticsDlg.h"

#include "TvkBaseGui/CBaseGui.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

struct Binding {
    UINT check;
    UINT combo;
    int CXtabCellStatisticsData::*checkOption;
    int CXtabCellStatisticsData::*comboOption;
};

using D = CXtabCellStatisticsDlg;
using R = CXtabCellStatisticsData;
constexpr Binding kBindings[] = {
    {D::IDC_MINIMUM_CHECK, D::IDC_MINIMUM_COMBO, &R::MinimumCheck, &R::MinimumCombo},
    {D::IDC_MAXIMUM_CHECK, D::IDC_MAXIMUM_COMBO, &R::MaximumCheck, &R::MaximumCombo},
    {D::IDC_MEAN_CHECK, D::IDC_MEAN_COMBO, &R::MeanCheck, &R::MeanCombo},
    {D::IDC_SD_CHECK, D::IDC_SD_COMBO, &R::SdCheck, &R::SdCombo},
    {D::IDC_RANGE_CHECK, D::IDC_RANGE_COMBO, &R::RangeCheck, &R::RangeCombo},
    {D::IDC_VARIANCE_CHECK, D::IDC_VARIANCE_COMBO, &R::VarianceCheck, &R::VarianceCombo},
    {D::IDC_SUM_CHECK, D::IDC_SUM_COMBO, &R::SumCheck, &R::SumCombo},
};

}  // namespace

CXtabCellStatisticsDlg::CXtabCellStatisticsDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {}

BOOL CXtabCellStatisticsDlg::OnInitDialog() {
    // The combos hold the data's numeric variables before the record's indexes are shown in them.
    CVariableList variables;
    CBaseGui::GetSourceVariable(variables, kSourceNumericVariables, 0);
    for (const Binding& b : kBindings) {
        CTKCtrl* combo = FindCtrl(b.combo);
        if (!combo) {
            CTvkAssertDlg(L"XtabCellStatisticsDlg.cpp", __LINE__).DoPrint();
            continue;
        }
        combo->m_comboItems.clear();
        for (const auto& v : variables)
            combo->m_comboItems.push_back(v.GetVariableName());
    }
    return CGUIBaseDlg::OnInitDialog();
}

void CXtabCellStatisticsDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    for (const Binding& b : kBindings) {
        DDX_Check(pDX, b.check, m_Data.*b.checkOption);
        DDX_CBIndex(pDX, b.combo, m_Data.*b.comboOption);
    }
}

void CXtabCellStatisticsDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    for (const Binding& b : kBindings)
        EnableCtrl(b.combo, IsCtrlChecked(b.check));
}
