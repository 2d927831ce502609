#include "Private/SignalData.h"

#include "Private/OpenCommon.h"
#include "Source/RecordRegistry.h"
#include "Source/ScalingCommon.h"
#include "TvkDlgBase/TvkDlgBase.h"

namespace {

constexpr CSignalData::Model kModels[] = {
    {12434, L" NORMAL", CSignalData::Iterates},
    {12442, L" NPAR", 0},
    {12353, L" LOGISTIC", CSignalData::Iterates | CSignalData::Constant},
    {12204, L" EXPONENTIAL", CSignalData::Iterates | CSignalData::ConstantNoBlank},
    {12078, L" CHISQUARE", CSignalData::Iterates | CSignalData::FreedomDegrees | CSignalData::Start},
    {12490, L" POISSON", CSignalData::Iterates | CSignalData::PoissonMean | CSignalData::Start},
    {12245, L" GAMMA", CSignalData::Iterates | CSignalData::GammaShape | CSignalData::Start},
};

}  // namespace

std::span<const CSignalData::Model> CSignalData::GetModels() {
    return kModels;
}

const CSignalData::Model* CSignalData::FindModel(UINT item) {
    for (const Model& model : kModels)
        if (model.item == item)
            return &model;
    return nullptr;
}

// The archive keeps the flags and indexes first, then the lists, then the holders.
void CSignalData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList);
}

void CSignalData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kModule, lines);
    if (SaveCheck == 1)
        AddSaveCmd(
            SaveFileEdit, lines,
            SaveTypeCombo != 0 ? CComboUtil::GetComboString(kSaveTypeCombo, SaveTypeCombo, 0) : CString(),
            L"");

    CString model = L"MODEL ";
    AddVariables(model, ResponseVariablesList, L" ");
    model += L" = ";
    AddVariables(model, StimulusVariablesList, L" ");
    lines.AddTail(CCmdInfo(model, 0));

    CString estimate = L"ESTIMATE /";
    if (const Model* m = FindModel(CComboUtil::GetComboItem(kModelCombo, ModelTypeCombo))) {
        const auto has = [m](unsigned option) { return (m->options & option) != 0; };
        estimate += m->word;
        if (has(Iterates)) {
            estimate += AddEditValueCmd(IterationsEdit, L" ITERATIONS = ", 1);
            estimate += AddEditValueCmd(ConvergeEdit, L" CONVERGE = ", 1);
        }
        if (has(GammaShape)) {
            estimate += AddEditValueCmd(GammaMoEdit, L" M0 = ", 1);
            estimate += AddEditValueCmd(GammaREdit, L" R = ", 1);
        }
        if (has(FreedomDegrees))
            estimate += AddEditValueCmd(FreedomDegreesEdit, L" DF = ", 1);
        if (has(PoissonMean))
            estimate += AddEditValueCmd(PoissonMeanEdit, L" MEAN = ", 1);
        if (has(Constant) || has(ConstantNoBlank)) {
            const int given = IsValueToWrite(ExponentialScalingConstantEdit) ? 1 : 0;
            estimate += AddOnConditionCmd(has(Constant) ? L" C = " : L" C =", given);
            estimate += AddOnConditionCmd(ExponentialScalingConstantEdit, given);
        }
        if (has(Start) && CRadioUtil::GetRadioItem(kStartGroup, StartRadio) == kStartEstimated)
            estimate += L" START";
    }
    lines.AddTail(CCmdInfo(estimate, 0));
}

REGISTER_RECORD(CSignalData);
