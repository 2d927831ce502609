#include "Private/PowerGenericData.h"

#include "Source/RecordRegistry.h"

// Stored files keep the plain members first, then the holders.
void CPowerGenericData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kPowerModule, SaveFileCheck, SaveFileEdit, lines);
    CString text = L"MODEL GENERIC /";
    text += AddEditValueCmd(NumeratordegreesEdit, L" NDF = ", 1);
    text += AddEditValueCmd(DenominatorDegreesEdit, L" C1 = ", 1);
    text += AddEditValueCmd(DenomSampleSizeEdit, L" C0 = ", 1);
    text += AddEditValueCmd(NonCentralityEdit, L" NCP = ", 1);
    AddPowerTestLines(*this, text, kEstimateRadio.Kind(SampleSizeForSpecificPowerRadio), lines);
}

REGISTER_RECORD(CPowerGenericData);
