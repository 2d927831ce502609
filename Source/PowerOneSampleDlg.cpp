#include "Private/PowerOneSampleDlg.h"

namespace {

using Data = CPowerOneSampleData;
using Dlg = CPowerOneSampleDlg;
constexpr double kInf = std::numeric_limits<double>::infinity();

constexpr CPowerValueRule kAny{EPowerValue::any, L"(-inf, +inf)"};
constexpr Dlg::Field kUnused{nullptr, {EPowerValue::any, L""}};

const Dlg::ModelRules kModels[] = {
    {Data::kVariantCorr1,
     {L"&Correlation:", {EPowerValue::correlation, L"(-1.0, +1.0)"}},
     {L"&Null correlation:", {EPowerValue::correlation, L"(-1.0, +1.0)"}},
     kUnused,
     &CPowerDlgBase::kCorrelationSizes},
    {Data::kVariantT1,
     {L"&Mean:", kAny},
     {L"&Null mean:", kAny},
     {L"&Standard deviation:", {EPowerValue::positive, L"(0.0, 10000000000.0]", 1e10}},
     &CPowerDlgBase::kStandardSizes},
    {Data::kVariantZ1,
     {L"&Mean:", kAny},
     {L"&Null mean:", kAny},
     {L"&Known standard deviation:", {EPowerValue::positive, L"(0.0, 100000.0]", 1e5}},
     &CPowerDlgBase::kStandardSizes},
    {Data::kVariantPaired,
     {L"Mean &difference:", kAny},
     {nullptr, {EPowerValue::positive, L"(0, +inf)", kInf}},
     {L"&Standard deviation of differences:", {EPowerValue::positive, L"(0, +inf)", kInf}},
     &CPowerDlgBase::kStandardSizes},
    // The proportion's spread is optional: the kernel derives it from the proportion when not given.
    {Data::kVariantProp1,
     {L"&Proportion:", {EPowerValue::proportion, L"(0.0, 1.0)"}},
     {L"&Null proportion:", {EPowerValue::proportion, L"(0.0, 1.0)"}},
     {L"&Standard deviation:", {EPowerValue::any, L""}},
     &CPowerDlgBase::kStandardSizes},
};

}  // namespace

const CPowerOneSampleDlg::ModelRules& CPowerOneSampleDlg::RulesOf(UINT variant) {
    for (const ModelRules& rules : kModels)
        if (rules.variant == variant)
            return rules;
    return kModels[1];
}

CPowerOneSampleDlg::CPowerOneSampleDlg(CGUIBaseDlg* parent)
    : CRecordDlg(IDD, parent, Data::kEstimateRadio, IDC_ALTERNATIVE_COMBO) {}

const CPowerOneSampleDlg::ModelRules& CPowerOneSampleDlg::Rules() const {
    return RulesOf(GetRecord() ? GetRecord()->GetVariantID() : 0);
}

BOOL CPowerOneSampleDlg::OnInitDialog() {
    const ModelRules& rules = Rules();
    for (const auto& [label, field] :
         {std::pair{IDC_FIRST_LABEL, &rules.first}, std::pair{IDC_NULL_LABEL, &rules.null},
          std::pair{IDC_SPREAD_LABEL, &rules.spread}})
        if (field->label)
            SetCtrlWindowText(label, field->label);
    CPowerDlgBase::OnInitDialog();
    if (m_Data.SaveFileEdit.IsEmpty())
        SetCtrlWindowText(IDC_SAVE_FILE, kDefaultSaveFile);
    return 1;
}

void CPowerOneSampleDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    const ModelRules& rules = Rules();
    ExchangeValue(pDX, IDC_FIRST_EDIT, m_Data.TestAgainstNullEdit, rules.first.rule);
    ExchangeValue(pDX, IDC_NULL_EDIT, m_Data.PopulationMeanEdit, rules.null.rule);
    ExchangeValue(pDX, IDC_SPREAD_EDIT, m_Data.StdDevEdit, rules.spread.rule);
    // The effect is the distance from the null value (from 0 for a paired difference).
    CheckControlNotEqual(pDX, IDC_FIRST_EDIT, m_Data.TestAgainstNullEdit,
                         rules.null.label ? m_Data.PopulationMeanEdit.GetValue() : 0.0);
    DDX_CBIndex(pDX, IDC_ALTERNATIVE_COMBO, m_Data.AlternativeCombo);
    ExchangeCommon(pDX, FieldsOf(m_Data, m_Data.TestLevelCombo, m_Data.SampleSizeSpecificPowerRadio),
                   *rules.sizes);
}

void CPowerOneSampleDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    const ModelRules& rules = Rules();
    AddToolTip(IDC_FIRST_EDIT, rules.first.rule.range, 0);
    AddToolTip(IDC_NULL_EDIT, rules.null.rule.range, 0);
    AddToolTip(IDC_SPREAD_EDIT, rules.spread.rule.range, 0);
    AddCommonToolTips(*rules.sizes);
}

void CPowerOneSampleDlg::UpdateDependentWindows() {
    CPowerDlgBase::UpdateDependentWindows();
    const ModelRules& rules = Rules();
    EnableCtrl(IDC_NULL_EDIT, rules.null.label != nullptr);
    EnableCtrl(IDC_NULL_LABEL, rules.null.label != nullptr);
    EnableCtrl(IDC_SPREAD_EDIT, rules.spread.label != nullptr);
    EnableCtrl(IDC_SPREAD_LABEL, rules.spread.label != nullptr);
}

void CPowerOneSampleDlg::KeepOnDefault(CPowerOneSampleData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    fresh.SaveFileEdit = kDefaultSaveFile;
}
