#include "Private/PowerTwoWayData.h"

#include "Source/RecordRegistry.h"
#include "TvkDlgBase/TvkDlgBase.h"

// Stored files keep the plain members first, then the holders.
void CPowerTwoWayData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kPowerModule, SaveFileCheck, SaveFileEdit, lines);
    const bool twoWay = GetVariantID() == kVariantTwoWay;
    if (!twoWay && GetVariantID() != kVariantOneWay)
        return;
    const UINT form = CRadioUtil::GetRadioItem(kEffectRadio, IndividualEffectsRadio);
    const UINT which = CRadioUtil::GetRadioItem(kWhichEffectsRadio, RowEffectsRadio);
    CString text = twoWay ? L"MODEL TWOWAY /" : L"MODEL ONEWAY /";
    text += AddEditValueCmd(RowNumberEdit, twoWay ? L" ROWS = " : L" GROUPS = ", 1);
    text += AddEditValueCmd(ColumnNumberEdit, L" COLUMNS = ", twoWay);
    // An average squared effect is already in units of the cell spread.
    text += AddEditValueCmd(CellStdDevEdit, L" WITHIN = ", form != kAverageSquareItem);
    text += AddOnConditionCmd(L" REFFECTS", twoWay && which == kRowItem);
    text += AddOnConditionCmd(L" CEFFECTS", twoWay && which == kColumnItem);
    text += AddOnConditionCmd(L" IEFFECTS", twoWay && which == kInteractionItem);
    const auto effects = TypedNumbersText(IndividualEffectsEdit);
    text += AddOnConditionCmd(L" EFFECT = " + effects.value_or(CString()),
                              form == kIndividualItem && effects && !effects->IsEmpty());
    text += AddEditValueCmd(EffectRangeEdit, L" RANGE = ", form == kRangeItem);
    text += AddEditValueCmd(AvgeSqEdit, L" AVGESQ = ", form == kAverageSquareItem);
    AddPowerTestLines(*this, text, kEstimateRadio.Kind(SampleSizeSpecificPowerRadio), lines);
}

REGISTER_RECORD(CPowerTwoWayData);
