#include "Private/PowerOneSampleData.h"

#include "Source/RecordRegistry.h"

namespace {

constexpr CPowerOneSampleData::Model kModels[] = {
    {CPowerOneSampleData::kVariantCorr1, L"MODEL CORR1 /", L" COEF1 = ", L" NULL = ", nullptr},
    {CPowerOneSampleData::kVariantT1, L"MODEL T1 /", L" M1 = ", L" NULL = ", L" SD="},
    {CPowerOneSampleData::kVariantZ1, L"MODEL Z1 /", L" M1 = ", L" NULL = ", L" SIGMA = "},
    {CPowerOneSampleData::kVariantPaired, L"MODEL PAIRED /", L" DIFF = ", nullptr, L" WITHIN = "},
    {CPowerOneSampleData::kVariantProp1, L"MODEL PROP1 /", L" P1 = ", L" NULL = ", L" SD = "},
};

CString Clause(const CGUIData<double>& holder, const wchar_t* clause) {
    return clause ? CGUIBaseObj::AddEditValueCmd(holder, clause, 1) : CString();
}

}  // namespace

const CPowerOneSampleData::Model* CPowerOneSampleData::FindModel(UINT variant) {
    for (const Model& model : kModels)
        if (model.variant == variant)
            return &model;
    return nullptr;
}

// Stored files keep the plain members first, then the holders.
void CPowerOneSampleData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kPowerModule, SaveFileCheck, SaveFileEdit, lines);
    const Model* model = FindModel(GetVariantID());
    if (!model)
        return;
    CString text = model->keyword;
    text += Clause(TestAgainstNullEdit, model->first);
    text += Clause(PopulationMeanEdit, model->null);
    text += Clause(StdDevEdit, model->spread);
    text += PowerAlternativeClause(kAlternativeCombo, AlternativeCombo);
    AddPowerTestLines(*this, text, kEstimateRadio.Kind(SampleSizeSpecificPowerRadio), lines);
}

REGISTER_RECORD(CPowerOneSampleData);
