#include "Private/PowerTwoSampleData.h"

#include "Source/RecordRegistry.h"
#include "TvkDlgBase/TvkDlgBase.h"

// Stored files keep the plain members first, then the holders.
void CPowerTwoSampleData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kPowerModule, SaveFileCheck, SaveFileEdit, lines);
    const bool z = GetVariantID() == kVariantZ2;
    if (!z && GetVariantID() != kVariantT2)
        return;
    const UINT form = CRadioUtil::GetRadioItem(kEffectRadio, IndividualEffectsRadio);
    CString text = z ? L"MODEL Z2 /" : L"MODEL T2 /";
    text += AddEditValueCmd(MeanDifferenceEdit, L" RANGE = ", form == kRangeItem);
    text += AddEditValueCmd(Mean1Edit, L" M1 = ", form == kMeansItem);
    text += AddEditValueCmd(Mean2Edit, L" M2 = ", form == kMeansItem);
    text += AddEditValueCmd(AvgeSqEdit, L" STEFF = ", form == kStandardisedItem);
    // A standardised effect needs no spread under the z test.
    text +=
        AddEditValueCmd(GroupStdDevEdit, z ? L" POOLED = " : L" WITHIN = ", !z || form != kStandardisedItem);
    text += PowerAlternativeClause(kAlternativeCombo, AlternativeCombo);
    AddPowerTestLines(*this, text, kEstimateRadio.Kind(SampleSizeSpecificPowerRadio), lines);
}

REGISTER_RECORD(CPowerTwoSampleData);
