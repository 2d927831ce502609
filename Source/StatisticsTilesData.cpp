#include "Private/StatisticsTilesData.h"

#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

struct Method {
    int CStatisticsTilesData::*option;
    const wchar_t* keyword;
};

constexpr Method kMethods[] = {
    {&CStatisticsTilesData::ClevelandCheck, L" CLEVELAND"},
    {&CStatisticsTilesData::WeightedAvgOneCheck, L" WTDAVG1"},
    {&CStatisticsTilesData::ClosestCheck, L" CLOSEST"},
    {&CStatisticsTilesData::EmpiricalCdfCheck, L" EMPCDF"},
    {&CStatisticsTilesData::WeightedAvgTwoCheck, L" WTDAVG2"},
    {&CStatisticsTilesData::EmpiricalCdfAvgCheck, L" EMPCDFAVG"},
    {&CStatisticsTilesData::WeightedAvgThreeCheck, L" WTDAVG3"},
};

}  // namespace

void CStatisticsTilesData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    // Stored files have the texts and checks first, then the lists and the count.
    ar.Io(PercentileEdit, ValuesEdit, NTileCheck, PercentileCheck, AllOptionsCheck, ClevelandCheck,
          WeightedAvgOneCheck, ClosestCheck, EmpiricalCdfCheck, WeightedAvgTwoCheck, EmpiricalCdfAvgCheck,
          WeightedAvgThreeCheck, ListOfVariablesList, SelectedVarList, NTileEdit);
}

void CStatisticsTilesData::FillListSource() {
    CVariableList current;
    if (GetVariantID() == kColumnTiles)
        CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    else if (GetVariantID() == kRowTiles)
        CBaseGui::GetSourceVarRowStats(current, 0);
    else
        CTvkAssertDlg(L"StatisticsTilesData.cpp", __LINE__).DoPrint();
    UpdateCtrlList(ListOfVariablesList, current, 1);
}

void CStatisticsTilesData::GetCommandInfoList(CCmdList& lines) const {
    if (GetVariantID() != kColumnTiles && GetVariantID() != kRowTiles)
        CTvkAssertDlg(L"StatisticsTilesData.cpp", __LINE__).DoPrint();

    CString clauses;
    if (NTileCheck)
        clauses += L" NTILE = " + AddOnConditionCmd(NumberText(NTileEdit.GetValue()), NTileCheck);
    if (PercentileCheck) {
        clauses += L" PTILE";
        // The default list is the kernel's own; only a list the user changed is spelt out.
        if (!PercentileEdit.IsEmpty() && PercentileEdit != GetDefaultPercentileEdit())
            clauses += L" = " + PercentileEdit;
    }
    if (NTileCheck || PercentileCheck) {
        bool anyMethod = AllOptionsCheck != 0;
        for (const Method& m : kMethods)
            anyMethod = anyMethod || this->*m.option;
        if (anyMethod) {
            clauses += L" METHOD =";
            if (AllOptionsCheck)
                clauses += L" ALL";
            else
                for (const Method& m : kMethods)
                    clauses += AddOnConditionCmd(m.keyword, this->*m.option);
        }
    }
    if (NTileCheck && !ValuesEdit.IsEmpty())
        clauses += L" DATA = [" + ValuesEdit + L"]";
    AddVariablesClause(clauses, L" CLASSIFY = ", SelectedVarList);

    const int index = CStringUtil::SearchStringAtBeginning(
        lines, GetVariantID() == kRowTiles ? L"RSTATISTICS" : L"CSTATISTICS");
    // A statistics line written without options (resampling on) has no "/" for the clauses to follow.
    if (!clauses.IsEmpty() && !(index >= 0 && CStringUtil::StringFoundAtIndex(lines, L"/", index)))
        clauses = L"/" + clauses;
    CStringUtil::ConcatStringAt(lines, clauses, index, nullptr);
}

REGISTER_RECORD(CStatisticsTilesData);
