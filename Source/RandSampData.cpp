#include "Private/RandSampData.h"

#include "HostApi/HostServices.h"
#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CStringUtil.h"

const wchar_t* CRandSampData::DistribInfoFile(UINT variantId) {
    switch (variantId) {
        case kDiscrete:
            return L"RandSampDiscreteDistribInfo.ini";
        case kMultivariate:
            return L"RandSampMultivariateDistribInfo.ini";
        default:
            return L"RandSampContinuousDistribInfo.ini";
    }
}

unsigned int CRandSampData::SeedMaximum() {
    IGlobal* global = GetHostGlobal();
    auto* kernel = global ? dynamic_cast<IKernel*>(global->FindModule(L"TvkKernel")) : nullptr;
    return kernel && kernel->GetRandomGenerator() == 2 ? kSmallSeedMaximum : kSeedMaximum;
}

CString CRandSampData::ParameterText() const {
    const int type = DistribManagerData.GetActiveType();
    CString text;
    for (int row = 1; row <= GetParameterCount(); ++row) {
        CString list;
        bool isFile = false;
        CString value;
        if (GetRowColData(row, CDistribManager::kValueColumn, list, isFile) && !list.IsEmpty()) {
            value = MatrixCommandText(list, isFile);
        } else if (IsIntegerParameter(type, row - 1)) {
            CGUIData<int> whole(0);
            GetRowColData(row, CDistribManager::kValueColumn, whole);
            value = NumberText(whole.GetValue());
        } else {
            CGUIData<double> real(0.0);
            GetRowColData(row, CDistribManager::kValueColumn, real);
            // A decimal point whatever the host's symbol: a comma separates the parameters.
            value = PointNumberText(real.GetValue());
        }
        text += (row > 1 ? L", " : L"") + value;
    }
    return text;
}

void CRandSampData::GetCommandInfoList(CCmdList& lines) const {
    const CString stem = GetDistributionCommand(DistribManagerData.GetActiveType());
    if (stem.IsEmpty())
        return;
    lines.AddTail(CCmdInfo(L"RANDSAMP", 0));
    if (SaveFileCheck)
        AddSaveCmd(SaveFileEdit, lines, CString(), CString());
    const CString size = L"SIZE = " + NumberText(SizeOfSampleEdit.GetValue());
    const CString samples = L"NSAMP = " + NumberText(NumSampleEdit.GetValue());
    const CString seed =
        RandomSeedEdit.GetValue() != 0 ? L" RSEED = " + NumberText(RandomSeedEdit.GetValue()) : CString();
    const CString function = stem + L"RN" + L"(" + ParameterText() + L")";
    CString text = GetVariantID() == kMultivariate
                       ? L"MULTIVARIATE " + function + L" / " + samples + L" " + size + seed
                       : L"UNIVARIATE " + function + L" /" + size + L" " + samples + seed;
    CStringUtil::RemoveTrailingChar(text, L'/');
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CRandSampData);
