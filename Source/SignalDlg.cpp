#include "Private/SignalDlg.h"

#include "Msg/Launcher.h"
#include "Msg/Stat1SingleMenuItemsMsg.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

// The edits of the value holders, with their ranges as their tool tips state them.
struct HolderEdit {
    UINT edit;
    const wchar_t* toolTip;
};
constexpr HolderEdit kHolderEdits[] = {
    {CSignalDlg::IDC_ITERATIONS_EDIT, L"[0, 100]"}, {CSignalDlg::IDC_CONVERGE_EDIT, L"[0.00001, 0.1]"},
    {CSignalDlg::IDC_M0_EDIT, L"(0, +inf)"},        {CSignalDlg::IDC_R_EDIT, L"[0.001, 50000]"},
    {CSignalDlg::IDC_CONSTANT_EDIT, L"(0, +inf)"},  {CSignalDlg::IDC_MEAN_EDIT, L"[0.001, 1000]"},
    {CSignalDlg::IDC_DF_EDIT, L"[0.001, 1000]"},
};

}  // namespace

CSignalDlg::CSignalDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_RESPONSE_LIST, IDC_ADD_RESPONSE, IDC_REMOVE_RESPONSE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.ResponseVariablesList)
        .AtLeast(1, kResponseMessage)
        .Menu(IDC_LIST_MENU_LABEL);
    // A missing stimulus is reported before a missing response.
    AddListPair({IDC_SOURCE_LIST, IDC_STIMULUS_LIST, IDC_ADD_STIMULUS, IDC_REMOVE_STIMULUS, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.StimulusVariablesList)
        .AtLeast(1, kStimulusMessage)
        .ExchangedFirst();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillRadioFromResource(CSignalData::kStartGroup);
    FillComboFromResource(IDC_MODEL_COMBO, CSignalData::kModelCombo);
    FillComboFromResource(IDC_SAVE_TYPE_COMBO, CSignalData::kSaveTypeCombo);
}

void CSignalDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_RESPONSE_LIST, IDC_STIMULUS_LIST});
    DDX_Range(pDX, IDC_ITERATIONS_EDIT, m_Data.IterationsEdit, 0, 100);
    DDX_Range(pDX, IDC_CONVERGE_EDIT, m_Data.ConvergeEdit, 0.00001, 0.1);
    DDX_Range(pDX, IDC_M0_EDIT, m_Data.GammaMoEdit, 0.0, kNoMaximum, eExclusive, eNoValidation);
    DDX_Range(pDX, IDC_R_EDIT, m_Data.GammaREdit, 0.001, 50000.0);
    DDX_Range(pDX, IDC_CONSTANT_EDIT, m_Data.ExponentialScalingConstantEdit, 0.0, kNoMaximum, eExclusive,
              eNoValidation);
    DDX_Range(pDX, IDC_MEAN_EDIT, m_Data.PoissonMeanEdit, 0.001, 1000.0);
    DDX_Range(pDX, IDC_DF_EDIT, m_Data.FreedomDegreesEdit, 0.001, 1000.0);

    DDX_Radio(pDX, CSignalData::kStartGroup, m_Data.StartRadio);
    DDX_CBIndex(pDX, IDC_MODEL_COMBO, m_Data.ModelTypeCombo);
    DDX_CBIndex(pDX, IDC_SAVE_TYPE_COMBO, m_Data.SaveTypeCombo);
}

void CSignalDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    for (const HolderEdit& h : kHolderEdits)
        AddToolTip(h.edit, h.toolTip, 0);
}

void CSignalDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const auto* model = CSignalData::FindModel(
        CComboUtil::GetComboItem(CSignalData::kModelCombo, Ctrl(IDC_MODEL_COMBO).m_nComboIndex));
    const unsigned options = model ? model->options : 0;
    const struct {
        unsigned option;
        std::initializer_list<UINT> controls;
    } rules[] = {
        {CSignalData::Iterates,
         {IDC_ITERATIONS_LABEL, IDC_ITERATIONS_EDIT, IDC_CONVERGE_LABEL, IDC_CONVERGE_EDIT}},
        {CSignalData::GammaShape, {IDC_M0_EDIT, IDC_R_EDIT, IDC_M0_LABEL, IDC_R_LABEL}},
        {CSignalData::Constant | CSignalData::ConstantNoBlank, {IDC_CONSTANT_EDIT, IDC_CONSTANT_LABEL}},
        {CSignalData::PoissonMean, {IDC_MEAN_EDIT, IDC_MEAN_LABEL}},
        {CSignalData::FreedomDegrees, {IDC_DF_EDIT, IDC_DF_LABEL}},
        {CSignalData::Start, {IDC_START_FRAME, IDC_START_DEFAULT, IDC_START_ESTIMATED}},
    };
    for (const auto& rule : rules)
        for (UINT id : rule.controls)
            EnableCtrl(id, (options & rule.option) != 0);
}

void CSignalDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id != IDC_MODEL_COMBO && id != IDC_SAVE_TYPE_COMBO)
        return;
    if (Ctrl(id).m_nComboIndex == -1)
        CTvkAssertDlg(L"SignalDlg.cpp", __LINE__).DoPrint();
    UpdateDependentWindows();
}

void CSignalDlg::KeepOnDefault(CSignalData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    fresh.ExponentialScalingConstantEdit.SetSecond(0);
}

REGISTER_MENU_ROWS(CStat1SingleMenuItemsMsg, DialogRow<CSignalData, CSignalDlg>(1054, 0, MenuRule::Free));
