#include "Private/ExperimentalDesignData.h"

#include "Source/RecordRegistry.h"
#include "TvkDlgBase/TvkDlgBase.h"

namespace {

using Data = CExperimentalDesignData;
constexpr Data::Bounds kUnused{0, 0};
constexpr Data::Bounds kReplications{-1, 1};

constexpr Data::DesignType kDesignTypes[] = {
    {Data::kFactorialItem, {3, 2}, {7, 2}, kUnused, kReplications},
    {Data::kBoxHunterItem, kUnused, {11, 2}, {128, 4}, kReplications},
    {Data::kLatinSquareItem, {12, 3}, kUnused, kUnused, kReplications},
    {Data::kPlackettBurmanItem, kUnused, kUnused, {125, 4}, kReplications},
    {Data::kBoxBehnkenItem, kUnused, {16, 3}, kUnused, kReplications},
    {Data::kMixtureItem, {Data::kOpenMaximum, 2}, {Data::kOpenMaximum, 2}, kUnused, kReplications},
    {Data::kTaguchiItem, kUnused, kUnused, kUnused, kReplications},
};

}  // namespace

std::span<const CExperimentalDesignData::DesignType> CExperimentalDesignData::DesignTypes() {
    return kDesignTypes;
}

const CExperimentalDesignData::DesignType* CExperimentalDesignData::FindDesignType(UINT item) {
    for (const DesignType& type : kDesignTypes)
        if (type.item == item)
            return &type;
    return nullptr;
}

// Stored files keep the plain members first, then the holders.
void CExperimentalDesignData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kModule, SaveFileCheck, SaveFileEdit, lines);

    const UINT item = CComboUtil::GetComboItem(kTypeCombo, TypeCombo);
    const DesignType* type = FindDesignType(item);
    const bool mixture = item == kMixtureItem;
    const bool lattice = mixture && CComboUtil::GetComboItem(kMixtureCombo, MixturetypeCombo) == kLatticeItem;
    // A field's clause belongs to the types that use the field; of the mixtures, only the lattice has
    // levels.
    const bool levels = type && type->levels.Used() && (!mixture || lattice);
    const bool factors = type && type->factors.Used();
    const bool runs = type && type->runs.Used();
    const bool taguchi = item == kTaguchiItem &&
                         CComboUtil::GetComboItem(kTaguchiCombo, TaguchitypeCombo) != kTaguchiAutomaticItem;

    CString text = CComboUtil::GetComboString(kTypeCombo, TypeCombo) + L"/";
    text += AddEditValueCmd(LevelsEdit, GetDefaultLevelsEdit(), 0, L" LEVELS=", levels);
    text += AddEditValueCmd(FactorsEdit, GetDefaultFactorsEdit(), 0, L" FACTORS=", factors);
    text += AddEditValueCmd(ReplicationsEdit, GetDefaultReplicationsEdit(), 0, L" REPS=", 1);
    text += AddEditValueCmd(RunsEdit, GetDefaultRunsEdit(), 0, L" RUNS=", runs);
    text +=
        AddOnConditionCmd(L" TYPE=" + CComboUtil::GetComboString(kMixtureCombo, MixturetypeCombo), mixture);
    text +=
        AddOnConditionCmd(L" TYPE=" + CComboUtil::GetComboString(kTaguchiCombo, TaguchitypeCombo), taguchi);
    text += AddOnConditionCmd(L" SQUARE", item == kLatinSquareItem && PrintLatinSqCheck);
    text += AddOnConditionCmd(L" BLOCK", item == kBoxBehnkenItem && InclBlockFactorCheck);
    text += AddOnConditionCmd(L" LETTERS", LettersForLabelsCheck);
    text += AddOnConditionCmd(L" RAND", RandomCheck);
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CExperimentalDesignData);
