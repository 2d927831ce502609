#include "TvkDlgBase/CBootStrapData.h"

CBootStrapData::CBootStrapData()
    : BootStrapCheck(GetDefaultBootStrapCheck()),
      MethodCombo(GetDefaultMethodCombo()),
      SamplesEdit(GetDefaultSamplesEdit()),
      SampleSizeEdit(GetDefaultSampleSizeEdit()),
      SeedEdit(GetDefaultSeedEdit()) {
    SetEditAttribute();
}

int CBootStrapData::GetAll(int& bootStrapCheck, int& methodCombo, CGUIData<int>& samples,
                           CGUIData<int>& sampleSize, CGUIData<int>& seed) const {
    bootStrapCheck = BootStrapCheck;
    methodCombo = MethodCombo;
    samples = SamplesEdit;
    sampleSize = SampleSizeEdit;
    seed = SeedEdit;
    return 1;
}

int CBootStrapData::SetAll(int bootStrapCheck, int methodCombo, const CGUIData<int>& samples,
                           const CGUIData<int>& sampleSize, const CGUIData<int>& seed) {
    BootStrapCheck = bootStrapCheck;
    MethodCombo = methodCombo;
    SamplesEdit = samples;
    SampleSizeEdit = sampleSize;
    SeedEdit = seed;
    return 1;
}

void CBootStrapData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    ar.Io(BootStrapCheck, MethodCombo, SamplesEdit, SampleSizeEdit, SeedEdit);
}

void CBootStrapData::SetEditAttribute() {
    // 0 stands for "automatic" in both: never a value to force out under the all-values switch.
    SampleSizeEdit.SetSecond(2);
    SeedEdit.SetSecond(2);
}

void CBootStrapData::GetCommandInfoList(CCmdList& lines) const {
    if (!IsResamplingOn())
        return;
    CString text = L"BOOTSTRAP /";
    if (MethodCombo == MethodBalanced)
        text += L" METHOD = BALANCED";
    else if (MethodCombo == MethodJackknife)
        text += L" METHOD = JACKKNIFE";
    if (MethodCombo != MethodJackknife) {
        text += L" SAMPLES = " + NumberText(SamplesEdit.GetValue());
        if (SampleSizeEdit.GetValue() > 0)
            text += L" SIZE = " + NumberText(SampleSizeEdit.GetValue());
        if (SeedEdit.GetValue() != 0)
            text += L" SEED = " + NumberText(SeedEdit.GetValue());
    }
    lines.AddTail(CCmdInfo(text, 0));
}
