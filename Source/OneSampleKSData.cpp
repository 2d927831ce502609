#include "Private/OneSampleKSData.h"

#include "Private/TestingCommon.h"
#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkUseRes/CTvkAssertDlg.h"

const wchar_t* COneSampleKSData::DistribInfoFile(UINT variantId) {
    return variantId == kKolmogorovSmirnov ? L"OneSampleKSDistribInfo.ini" : L"ADDistribInfo.ini";
}

void COneSampleKSData::Serialize(CArchive& ar) {
    CDistribNewData::Serialize(ar);
    // The variant picks the test the line names: a record holding another names none.
    if (ar.IsLoading() && GetVariantID() != kKolmogorovSmirnov && GetVariantID() != kAndersonDarling)
        ar.Fail("unknown test variant " + std::to_string(GetVariantID()) +
                " (the Kolmogorov-Smirnov test is " + std::to_string(kKolmogorovSmirnov) +
                ", the Anderson-Darling test " + std::to_string(kAndersonDarling) + ")");
    ar.Io(SaveStatisticEdit, SaveStatisticCheck, ListOfVariablesList, SelectedVariablesList,
          DistribManagerData);
}

void COneSampleKSData::FillListSource() {
    FillSourceList(*this, ListOfVariablesList, kSourceNumericVariables);
    if (SelectedVariablesList.IsEmpty() && !ListOfVariablesList.IsEmpty())
        SelectedVariablesList.Add(ListOfVariablesList.GetAt(0));
}

CString COneSampleKSData::GetCommandInfoListUnivariate() const {
    const UINT variant = GetVariantID();
    if (variant != kKolmogorovSmirnov && variant != kAndersonDarling)
        CTvkAssertDlg(L"OneSampleKSData.cpp", __LINE__).DoPrint();
    CString text = variant == kAndersonDarling ? L"AD " : L"KS ";
    AddVariables(text, SelectedVariablesList, L" ");
    text += L" / ";
    const int type = DistribManagerData.GetActiveType();
    if (GetDistributionCommand(type).IsEmpty())
        return {};
    if (const DistribFact* fact = FindDistribFact(type); fact && fact->keyword) {
        text += fact->keyword;
        for (std::size_t i = 0; i < fact->parameters.size(); ++i) {
            if (i)
                text += L", ";
            const int row = static_cast<int>(i) + 1;
            if (fact->parameters[i].integer) {
                CGUIData<int> whole(0);
                GetRowColData(row, CDistribManager::kValueColumn, whole);
                text += NumberText(whole.GetValue());
            } else {
                // As a stream writes it, whatever the host's decimal symbol: the test line's own form.
                CGUIData<double> real(0.0);
                GetRowColData(row, CDistribManager::kValueColumn, real);
                text += PointNumberText(real.GetValue());
            }
        }
    }
    CStringUtil::RemoveTrailingChar(text, L'/');
    return text;
}

void COneSampleKSData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleAndSaveCmd(kNonparametricModule, SaveStatisticCheck, SaveStatisticEdit, lines);
    const CString text = GetCommandInfoListUnivariate();
    if (!text.IsEmpty())
        lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(COneSampleKSData);
REGISTER_RECORD(COneSampleKSTabData);
REGISTER_RECORD(CADTestTabData);
