#include "Private/PowerCorr2Data.h"

#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"

// Stored files keep the plain members first, then the holders.
void CPowerCorr2Data::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kPowerModule, SaveFileCheck, SaveFileEdit, lines);
    const bool corr = GetVariantID() == kVariantCorr2;
    if (!corr && GetVariantID() != kVariantProp2)
        return;
    const bool unequal = CRadioUtil::GetRadioItem(kGroupSizeRadio, EqualsampleSizeRadio) == kUnequalItem;
    CString text = corr ? L"MODEL CORR2 /" : L"MODEL PROP2 /";
    text += AddEditValueCmd(Correlation1Edit, corr ? L" COEF1 = " : L" P1 = ", 1);
    text += AddEditValueCmd(Correlation2Edit, corr ? L" COEF2 = " : L" P2 = ", 1);
    text += AddEditValueCmd(SampleSize1Edit, L" N1 = ", corr && unequal);
    text += AddEditValueCmd(SampleSize2Edit, L" N2 = ", corr && unequal);
    text += AddEditValueCmd(GroupUnEqualRatioEdit, L" RATIO = ", !corr && unequal);
    text += PowerAlternativeClause(kAlternativeCombo, AlternativeCombo);
    if (corr && !unequal)
        CStringUtil::RemoveTrailingChar(text, L'/');
    lines.AddTail(CCmdInfo(text, 0));
    // Two correlations of groups of given sizes have nothing left to estimate but their power.
    const EPowerEstimate kind =
        corr && unequal ? EPowerEstimate::none : kEstimateRadio.Kind(SampleSizeSpecificPowerRadio);
    lines.AddTail(CCmdInfo(
        PowerEstimateLine(corr ? L" ESTIMATE /" : L"ESTIMATE / ", TestlevelCombo, AlternativePowerCombo, kind,
                          SampleSizesOf(*this), corr ? L" HIGH = " : L" LOW = "),
        0));
}

REGISTER_RECORD(CPowerCorr2Data);
