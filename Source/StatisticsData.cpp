#include "Private/StatisticsData.h"

#include "Private/TabData.h"
#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkDlgBase/CBootStrapData.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

struct Keyword {
    int CStatisticsData::*option;
    const wchar_t* text;
};

// The single statistics in the order of the line; the confidence value follows " CONFI".
constexpr Keyword kUpToConfidence[] = {
    {&CStatisticsData::NCheck, L" N"},         {&CStatisticsData::MinimumCheck, L" MIN"},
    {&CStatisticsData::MaximumCheck, L" MAX"}, {&CStatisticsData::SumCheck, L" SUM"},
    {&CStatisticsData::MeanCheck, L" MEAN"},   {&CStatisticsData::SemCheck, L" SEM"},
    {&CStatisticsData::CimCheck, L" CONFI"},
};
constexpr Keyword kAfterConfidence[] = {
    {&CStatisticsData::MedianCheck, L" MEDIAN"},
    {&CStatisticsData::SdCheck, L" SD"},
    {&CStatisticsData::CvCheck, L" CV"},
    {&CStatisticsData::RangeCheck, L" RANGE"},
    {&CStatisticsData::VarianceCheck, L" VARIANCE"},
    {&CStatisticsData::SkewnessCheck, L" SKEWNESS"},
    {&CStatisticsData::SesCheck, L" SES"},
    {&CStatisticsData::KurtosisCheck, L" KURTOSIS"},
    {&CStatisticsData::SekCheck, L" SEK"},
    {&CStatisticsData::GmCheck, L" GMEAN"},
    {&CStatisticsData::HmCheck, L" HMEAN"},
};
// Kept also under " ALL", which covers only the single statistics.
constexpr Keyword kNormalityTests[] = {
    {&CStatisticsData::ShapiroWilkCheck, L" SWTEST"},
    {&CStatisticsData::AndersonDarlingCheck, L" ADTEST"},
};
constexpr Keyword kMultivariate[] = {
    {&CStatisticsData::MultivariateMskewnessCheck, L" MSKEWNESS"},
    {&CStatisticsData::MultivariateMkurtosisCheck, L" MKURTOSIS"},
    {&CStatisticsData::MultivariateHztestCheck, L" HZTEST"},
};

template <std::size_t N>
void AppendKeywords(CString& text, const CStatisticsData& record, const Keyword (&keywords)[N]) {
    for (const Keyword& k : keywords)
        text += CGUIBaseObj::AddOnConditionCmd(k.text, record.*k.option);
}

bool IsValidVariant(UINT id) {
    return id == CStatisticsData::kColumnStatistics || id == CStatisticsData::kRowStatistics;
}

}  // namespace

void CStatisticsData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    ar.Io(AllOptionsCheck, NCheck, MinimumCheck, MaximumCheck, SumCheck, ShapiroWilkCheck,
          AndersonDarlingCheck, MultivariateMskewnessCheck, MultivariateMkurtosisCheck,
          MultivariateHztestCheck, MeanCheck, SemCheck, CimCheck, GmCheck, HmCheck, TrmeanCheck, MedianCheck,
          SdCheck, CvCheck, RangeCheck, VarianceCheck, SkewnessCheck, SesCheck, KurtosisCheck, SekCheck,
          SaveFileCheck);
    // The two combos stand in the reverse of their declared order, and the trimming proportion is not
    // stored at all: stored files have this layout.
    ar.Io(TrmeanCombo, SaveFileCombo, SaveFileEdit, BootStrapChecked, ListOfVariablesList,
          SelectedVariableList, CimEdit);
}

void CStatisticsData::ReassignDefaultValue() {
    if (!IsValidVariant(GetVariantID()))
        CTvkAssertDlg(L"StatisticsData.cpp", __LINE__).DoPrint();
    // Row statistics have their own defaults until the user has accepted the page once.
    if (!m_nConfirmed && GetVariantID() == kRowStatistics) {
        SumCheck = GetDefaultSumCheckRow();
        SdCheck = GetDefaultSdCheckRow();
    }
}

void CStatisticsData::FillListSource() {
    CVariableList current;
    if (GetVariantID() == kColumnStatistics)
        CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    else if (GetVariantID() == kRowStatistics)
        CBaseGui::GetSourceVarRowStats(current, 0);
    else
        CTvkAssertDlg(L"StatisticsData.cpp", __LINE__).DoPrint();
    UpdateCtrlList(ListOfVariablesList, current, 1);
}

bool CStatisticsData::IsMultivariateAllowed() const {
    return SelectedVariableList.GetSize() >= 2 ||
           (SelectedVariableList.IsEmpty() && !ListOfVariablesList.IsEmpty());
}

bool CStatisticsData::ReadResamplingPage() {
    const CBootStrapData* resampling = FindSisterPage<CBootStrapData>(*this);
    if (!resampling)
        return false;
    BootStrapChecked = resampling->IsResamplingOn() ? 1 : 0;
    return true;
}

void CStatisticsData::GetCommandInfoList(CCmdList& lines) const {
    if (!IsValidVariant(GetVariantID()))
        CTvkAssertDlg(L"StatisticsData.cpp", __LINE__).DoPrint();
    CString text = GetVariantID() == kRowStatistics ? L"RSTATISTICS " : L"CSTATISTICS ";

    if (SaveFileCheck) {
        if (SaveFileCombo < 0 || SaveFileCombo >= CComboUtil::GetComboCount(kSaveCombo))
            CTvkAssertDlg(L"StatisticsData.cpp", __LINE__).DoPrint();
        const UINT item = CComboUtil::GetComboItem(kSaveCombo, SaveFileCombo);
        const CString layout = item == kSaveItemVariables    ? L" VARIABLES"
                               : item == kSaveItemAggregated ? L" AG"
                                                             : L"";
        AddSaveCmd(SaveFileEdit, lines, layout, L"S");
    }

    AddVariables(text, SelectedVariableList, L" ");

    if (!BootStrapChecked) {
        text += L" /";
        if (AllOptionsCheck) {
            text += L" ALL";
        } else {
            AppendKeywords(text, *this, kUpToConfidence);
            text += AddEditValueCmd(CimEdit, GetDefaultCimEdit(), 0, L" = ", CimCheck);
            AppendKeywords(text, *this, kAfterConfidence);
            if (TrmeanCheck) {
                if (IsValueToWrite(TrmeanEdit))
                    text += L" TRMEAN = " + NumberText(TrmeanEdit.GetValue());
                if (TrmeanCombo != -1)
                    text += L" TREGION = " + CComboUtil::GetComboString(kTrimRegionCombo, TrmeanCombo, 0);
            }
        }
        AppendKeywords(text, *this, kNormalityTests);
        if (IsMultivariateAllowed())
            AppendKeywords(text, *this, kMultivariate);
    }

    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CStatisticsData);
