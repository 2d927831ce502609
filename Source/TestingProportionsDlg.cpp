#include "Private/TestingProportionsDlg.h"

#include "Private/TestingCommon.h"
#include "Source/CDlgStat1.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

constexpr UINT kSuccessesAboveTrials = 12847;

}  // namespace

// ---- shared ---------------------------------------------------------------------------------------------

void CTestingProportionDlgBase::SetLayout(UINT rawItem, UINT aggregateItem, std::vector<UINT> listControls,
                                          std::vector<UINT> countControls) {
    m_rawItem = rawItem;
    m_aggregateItem = aggregateItem;
    m_listControls = std::move(listControls);
    m_countControls = std::move(countControls);
}

void CTestingProportionDlgBase::SetDlgOnInit() {
    IData* data = GetModuleData(L"TestingProportionsDlg.cpp", __LINE__);
    IGlobal* global = GetHostGlobal();
    m_bNoRawData = !data || !global || global->QueryAggregateData() || data->GetDataSetCount() != 1;
    if (!m_bNoRawData)
        return;
    EnableCtrl(m_rawItem, 0);
    SetCtrlChecked(m_rawItem, 0);
    SetCtrlChecked(m_aggregateItem, 1);
}

void CTestingProportionDlgBase::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    const bool raw = IsCtrlChecked(m_rawItem) != 0;
    for (UINT id : m_listControls)
        EnableCtrl(id, raw);
    // Enabled lists first, so that the move rule sees them.
    UpdateListButtons();
    for (const auto& pair : GetListPairs())
        if (!raw || m_bNoRawData)
            EnableCtrl(pair.addButton, 0);
    for (UINT id : m_countControls)
        EnableCtrl(id, IsAggregateChecked());
}

void CTestingProportionDlgBase::CheckSuccesses(CDataExchange* pDX, UINT successesEdit,
                                               const CGUIData<int>& successes, const CGUIData<int>& trials) {
    if (!pDX->m_bSaveAndValidate || !IsCtrlEnabled(successesEdit) ||
        successes.GetValue() <= trials.GetValue())
        return;
    TKMessageBox(GetString(kSuccessesAboveTrials));
    pDX->Fail(successesEdit);
}

// ---- one proportion -------------------------------------------------------------------------------------

CTestingOneProportionDlg::CTestingOneProportionDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_TRIALS_LIST, IDC_TRIALS_ADD, IDC_TRIALS_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.TrialsList)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair(
        {IDC_SOURCE_LIST, IDC_SUCCESSES_LIST, IDC_SUCCESSES_ADD, IDC_SUCCESSES_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SuccessesList);
    FillComboFromResource(IDC_ALTERNATIVE_COMBO, CTestingOneProportionData::kAlternativeCombo);
    FillRadioFromResource(CTestingOneProportionData::kRadioGroup);
    SetLayout(IDC_RAW_DATA_RADIO, IDC_AGGREGATE_RADIO,
              {IDC_TRIALS_LIST, IDC_TRIALS_LIST_LABEL, IDC_TRIALS_REMOVE, IDC_SUCCESSES_LIST,
               IDC_SUCCESSES_LIST_LABEL, IDC_SUCCESSES_REMOVE},
              {IDC_TRIALS_EDIT, IDC_TRIALS_LABEL, IDC_SUCCESSES_EDIT, IDC_SUCCESSES_LABEL});
}

BOOL CTestingOneProportionDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    SetDlgOnInit();
    return 1;
}

void CTestingOneProportionDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, CTestingOneProportionData::kRadioGroup, m_Data.RawDataRadio);
    DDX_Range(pDX, IDC_TRIALS_EDIT, m_Data.NumberOfTrialsEdit, 1, kNoMaximum, eInclusive, eNoValidation);
    DDX_Range(pDX, IDC_SUCCESSES_EDIT, m_Data.NumberOfSuccessesEdit, 1, kNoMaximum, eInclusive,
              eNoValidation);
    CheckSuccesses(pDX, IDC_SUCCESSES_EDIT, m_Data.NumberOfSuccessesEdit, m_Data.NumberOfTrialsEdit);
    DDX_Range(pDX, IDC_PROPORTION_EDIT, m_Data.PropEdit, 0.0, 1.0, eExclusive, eExclusive);
    DDX_Confidence(*this, pDX, IDC_CONFIDENCE_EDIT, m_Data.ConfidenceEdit);
    DDX_CBIndex(pDX, IDC_ALTERNATIVE_COMBO, m_Data.AlternativeCombo);
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_TRIALS_LIST, IDC_SUCCESSES_LIST});
}

// ---- two proportions ------------------------------------------------------------------------------------

CTestingTwoProportionDlg::CTestingTwoProportionDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair(
        {IDC_SOURCE_LIST, IDC_TRIALS_ONE_LIST, IDC_TRIALS_ONE_ADD, IDC_TRIALS_ONE_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.TrialsOneList)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair({IDC_SOURCE_LIST, IDC_SUCCESSES_ONE_LIST, IDC_SUCCESSES_ONE_ADD, IDC_SUCCESSES_ONE_REMOVE,
                 kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SuccessesOneList);
    AddListPair(
        {IDC_SOURCE_LIST, IDC_TRIALS_TWO_LIST, IDC_TRIALS_TWO_ADD, IDC_TRIALS_TWO_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.TrialsTwoList);
    AddListPair({IDC_SOURCE_LIST, IDC_SUCCESSES_TWO_LIST, IDC_SUCCESSES_TWO_ADD, IDC_SUCCESSES_TWO_REMOVE,
                 kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SuccessesTwoList);
    FillComboFromResource(IDC_ALTERNATIVE_COMBO, CTestingTwoProportionData::kAlternativeCombo);
    FillRadioFromResource(CTestingTwoProportionData::kRadioGroup);
    // Labels 34 to 37 name the four lists; 5164 to 5170 the four counts.
    SetLayout(IDC_RAW_DATA_RADIO, IDC_AGGREGATE_RADIO,
              {IDC_TRIALS_ONE_LIST, IDC_SUCCESSES_ONE_LIST, IDC_TRIALS_TWO_LIST, IDC_SUCCESSES_TWO_LIST,
               IDC_TRIALS_ONE_REMOVE, IDC_SUCCESSES_ONE_REMOVE, IDC_TRIALS_TWO_REMOVE,
               IDC_SUCCESSES_TWO_REMOVE, 34, 35, 36, 37},
              {IDC_TRIALS_ONE_EDIT, IDC_SUCCESSES_ONE_EDIT, IDC_TRIALS_TWO_EDIT, IDC_SUCCESSES_TWO_EDIT, 5164,
               5166, 5168, 5170});
}

BOOL CTestingTwoProportionDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    SetDlgOnInit();
    return 1;
}

void CTestingTwoProportionDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, CTestingTwoProportionData::kRadioGroup, m_Data.RawDataRadio);
    const struct {
        UINT trialsEdit;
        CGUIData<int>& trials;
        UINT successesEdit;
        CGUIData<int>& successes;
    } samples[] = {
        {IDC_TRIALS_ONE_EDIT, m_Data.NumberOfTrialsOneEdit, IDC_SUCCESSES_ONE_EDIT,
         m_Data.NumberOfSuccessesOneEdit},
        {IDC_TRIALS_TWO_EDIT, m_Data.NumberOfTrialsTwoEdit, IDC_SUCCESSES_TWO_EDIT,
         m_Data.NumberOfSuccessesTwoEdit},
    };
    for (const auto& sample : samples) {
        DDX_Range(pDX, sample.trialsEdit, sample.trials, 1, kNoMaximum, eInclusive, eNoValidation);
        // No success at all is a possible outcome of a sample.
        DDX_Range(pDX, sample.successesEdit, sample.successes, 0, kNoMaximum, eInclusive, eNoValidation);
        CheckSuccesses(pDX, sample.successesEdit, sample.successes, sample.trials);
    }
    DDX_Confidence(*this, pDX, IDC_CONFIDENCE_EDIT, m_Data.ConfidenceEdit);
    DDX_CBIndex(pDX, IDC_ALTERNATIVE_COMBO, m_Data.AlternativeCombo);
    CGUIBaseDlg::DoDataExchange(pDX);
    // Both samples may share one trials variable, not a sample its trials and its successes.
    DDV_DistinctVariables(pDX, {IDC_TRIALS_ONE_LIST, IDC_SUCCESSES_ONE_LIST});
    DDV_DistinctVariables(pDX, {IDC_TRIALS_TWO_LIST, IDC_SUCCESSES_TWO_LIST});
}

// ---- two correlations -----------------------------------------------------------------------------------

CTestingTwoCorrelationsDlg::CTestingTwoCorrelationsDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_SET_ONE_LIST, IDC_SET_ONE_ADD, IDC_SET_ONE_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SetOneVarList)
        .AtLeast(2, 12845)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair({IDC_SOURCE_LIST, IDC_SET_TWO_LIST, IDC_SET_TWO_ADD, IDC_SET_TWO_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.SetTwoVarList)
        .AtLeast(2, 12846);
    FillComboFromResource(IDC_ALTERNATIVE_COMBO, CTestingTwoCorrelationsData::kAlternativeCombo);
}

BOOL CTestingTwoCorrelationsDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    EnableCtrl(IDC_CONFIDENCE_EDIT, 0);
    EnableCtrl(IDC_CONFIDENCE_LABEL, 0);
    return 1;
}

void CTestingTwoCorrelationsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_STText(pDX, IDC_CONFIDENCE_EDIT, m_Data.ConfidenceEdit);
    DDX_CBIndex(pDX, IDC_ALTERNATIVE_COMBO, m_Data.AlternativeCombo);
    CGUIBaseDlg::DoDataExchange(pDX);
}
