#include "Private/TestingProportionsData.h"

#include "Private/TestingCommon.h"
#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

namespace {

// " /", the confidence and the alternative, a trailing slash removed; appended when not empty.
void EndProportionLine(CString& text, const CGUIData<double>& confidence, UINT combo, int alternative,
                       CCmdList& lines) {
    text += L" /";
    text += ConfidenceClause(confidence);
    text += AlternativeClause(combo, alternative, L" ALT = ");
    CStringUtil::RemoveTrailingChar(text, L'/');
    if (!text.IsEmpty())
        lines.AddTail(CCmdInfo(text, 0));
}

// The trials and successes variables of one sample, as raw data input names them.
void AddRawSample(CString& text, const CVariableList& trials, const CVariableList& successes) {
    CGUIBaseObj::AddVariables(text, trials, L" ");
    text += L" ";
    CGUIBaseObj::AddVariables(text, successes, L" ");
}

}  // namespace

bool CTestingOneProportionData::IsAggergrateRadioChecked() const {
    return CRadioUtil::GetRadioItem(kRadioGroup, RawDataRadio) == kAggregateItem;
}

void CTestingOneProportionData::FillListSource() {
    FillSourceList(*this, ListOfVariablesList, kSourceNumericVariables);
}

// Counts and proportion have no meaningful default for the range checks to judge.
void CTestingOneProportionData::SetEditAttribute() {
    NumberOfTrialsEdit.SetSecond(1);
    NumberOfSuccessesEdit.SetSecond(1);
    PropEdit.SetSecond(1);
}

void CTestingOneProportionData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kHypothesesModule, lines);
    CString text = L"PROP ";
    const UINT item = CRadioUtil::GetRadioItem(kRadioGroup, RawDataRadio);
    if (item == kAggregateItem) {
        text += AddEditValueCmd(NumberOfTrialsEdit, L" ", 1);
        text += AddEditValueCmd(NumberOfSuccessesEdit, L" ", 1);
    } else if (item == kRawDataItem) {
        AddRawSample(text, TrialsList, SuccessesList);
    }
    text += L" = ";
    text += AddEditValueCmd(PropEdit, L"", 1);
    EndProportionLine(text, ConfidenceEdit, kAlternativeCombo, AlternativeCombo, lines);
}

bool CTestingTwoProportionData::IsAggergrateRadioChecked() const {
    return CRadioUtil::GetRadioItem(kRadioGroup, RawDataRadio) == kAggregateItem;
}

void CTestingTwoProportionData::FillListSource() {
    FillSourceList(*this, ListOfVariablesList, kSourceNumericVariables);
}

void CTestingTwoProportionData::SetEditAttribute() {
    for (CGUIData<int>* count : {&NumberOfTrialsOneEdit, &NumberOfSuccessesOneEdit, &NumberOfTrialsTwoEdit,
                                 &NumberOfSuccessesTwoEdit})
        count->SetSecond(1);
}

void CTestingTwoProportionData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kHypothesesModule, lines);
    CString text = L"PROP ";
    const UINT item = CRadioUtil::GetRadioItem(kRadioGroup, RawDataRadio);
    if (item == kAggregateItem) {
        text += AddEditValueCmd(NumberOfTrialsOneEdit, L" ", 1);
        text += AddEditValueCmd(NumberOfSuccessesOneEdit, L" ", 1);
        text += L" = ";
        text += AddEditValueCmd(NumberOfTrialsTwoEdit, L"", 1);
        text += AddEditValueCmd(NumberOfSuccessesTwoEdit, L" ", 1);
    } else if (item == kRawDataItem) {
        AddRawSample(text, TrialsOneList, SuccessesOneList);
        text += L" = ";
        AddRawSample(text, TrialsTwoList, SuccessesTwoList);
    }
    EndProportionLine(text, ConfidenceEdit, kAlternativeCombo, AlternativeCombo, lines);
}

void CTestingTwoCorrelationsData::FillListSource() {
    FillSourceList(*this, ListOfVariablesList, kSourceNumericVariables);
}

void CTestingTwoCorrelationsData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kHypothesesModule, lines);
    CString text = L"TCORR ";
    AddVariables(text, SetOneVarList, L" ");
    text += L" = ";
    AddVariables(text, SetTwoVarList, L" ");
    text += AlternativeClause(kAlternativeCombo, AlternativeCombo, L" / ALT = ");
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CTestingOneProportionData);
REGISTER_RECORD(CTestingTwoProportionData);
REGISTER_RECORD(CTestingTwoCorrelationsData);
