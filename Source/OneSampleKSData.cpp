#include "Private/OneSampleKSData.h"

#include <locale>
#include <sstream>

#include "Source/RecordRegistry.h"
#include "Source/TestingCommon.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

constexpr COneSampleKSData::Keyword kKeywords[] = {
    {0, L"UNIFORM = ", "DD"},
    {1, L"BETA = ", "DD"},
    {2, L"ENORM = ", "DD"},
    {3, L"TRIANGULAR = ", "DDD"},
    {4, L"LOGISTIC = ", "DD"},
    {5, L"DEXP = ", "DD"},
    {6, L"T = ", "I"},
    {7, L"CAUCHY = ", "DD"},
    {8, L"GUMBEL = ", "DD"},
    {9, L"NORMAL = ", "DD"},
    {10, L"GAMMA = ", "DD"},
    {11, L"CHISQ = ", "I"},
    {12, L"GOMPERTZ = ", "DD"},
    {13, L"LNORMAL = ", "DD"},
    {14, L"F = ", "II"},
    {15, L"WEIBULL = ", "DD"},
    {16, L"PARETO = ", "DD"},
    {17, L"RAYLEIGH = ", "D"},
    {18, L"IGAUSSIAN = ", "DD"},
    {19, L"EXP = ", "DD"},
    {20, L"RANGE = ", "II"},
    {21, L"DUNIFORM = ", "I"},
    {22, L"POISSON = ", "D"},
    {23, L"BINOMIAL = ", "ID"},
    {24, L"NBINOMIAL = ", "DD"},
    {25, L"GEOMETRIC = ", "D"},
    {26, L"HGEOMETRIC = ", "III"},
    {27, L"ZIPF = ", "D"},
    {28, L"LILLIEFORS", ""},
    {35, L"BENFORD = ", "I"},
    {36, L"ERLANG = ", "ID"},
    {38, L"LSERIES = ", "D"},
    {39, L"LLOGISTIC = ", "DD"},
    {40, L"NCCHISQ = ", "DD"},
    {41, L"NCF = ", "DDD"},
    {42, L"NCT = ", "DD"},
    {43, L"SMM = ", "II"},
    {44, L"SEV = ", "DD"},
};

// As a stream writes the number, whatever the host's decimal symbol: the test line's own form.
CString StreamText(double value) {
    std::wostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return CString(out.str());
}

}  // namespace

const COneSampleKSData::Keyword* COneSampleKSData::FindKeyword(int type) {
    for (const Keyword& k : kKeywords)
        if (k.type == type)
            return &k;
    return nullptr;
}

const wchar_t* COneSampleKSData::DistribInfoFile(UINT dialogId) {
    return dialogId == kKolmogorovSmirnov ? L"OneSampleKSDistribInfo.ini" : L"ADDistribInfo.ini";
}

void COneSampleKSData::Serialize(CArchive& ar) {
    CDistribNewData::Serialize(ar);
    // The variant picks the test the line names: a record holding another names none.
    if (ar.IsLoading() && GetDialogID() != kKolmogorovSmirnov && GetDialogID() != kAndersonDarling)
        ar.Fail("unknown test variant " + std::to_string(GetDialogID()) +
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
    const UINT variant = GetDialogID();
    if (variant != kKolmogorovSmirnov && variant != kAndersonDarling)
        CTvkAssertDlg(L"OneSampleKSData.cpp", __LINE__).DoPrint();
    CString text = variant == kAndersonDarling ? L"AD " : L"KS ";
    AddVariables(text, SelectedVariablesList, L" ");
    text += L" / ";
    const int type = DistribManagerData.GetActiveType();
    if (GetDistributionCommand(type).IsEmpty())
        return {};
    if (const Keyword* k = FindKeyword(type)) {
        text += k->keyword;
        for (int i = 0; k->parameters[i]; ++i) {
            if (i)
                text += L", ";
            if (k->parameters[i] == 'I') {
                CGUIData<int> whole(0);
                GetRowColData(i + 1, CDistribManager::kValueColumn, whole);
                text += NumberText(whole.GetValue());
            } else {
                CGUIData<double> real(0.0);
                GetRowColData(i + 1, CDistribManager::kValueColumn, real);
                text += StreamText(real.GetValue());
            }
        }
    }
    CStringUtil::RemoveTrailingChar(text, L'/');
    return text;
}

void COneSampleKSData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kNonparametricModule, lines);
    if (SaveStatisticCheck)
        AddSaveCmd(SaveStatisticEdit, lines, CString(), CString());
    const CString text = GetCommandInfoListUnivariate();
    if (!text.IsEmpty())
        lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(COneSampleKSData);
REGISTER_RECORD(COneSampleKSTabData);
REGISTER_RECORD(CADTestTabData);
