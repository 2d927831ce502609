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

CStatisticsTilesData::CStatisticsTilesData()
    : NTileEdit(GetDefaultNTileEdit()),
      PercentileEdit(GetDefaultPercentileEdit()),
      ValuesEdit(GetDefaultValuesEdit()),
      NTileCheck(GetDefaultNTileCheck()),
      PercentileCheck(GetDefaultPercentileCheck()),
      AllOptionsCheck(GetDefaultAllOptionsCheck()),
      ClevelandCheck(GetDefaultClevelandCheck()),
      WeightedAvgOneCheck(GetDefaultWeightedAvgOneCheck()),
      ClosestCheck(GetDefaultClosestCheck()),
      EmpiricalCdfCheck(GetDefaultEmpiricalCdfCheck()),
      WeightedAvgTwoCheck(GetDefaultWeightedAvgTwoCheck()),
      EmpiricalCdfAvgCheck(GetDefaultEmpiricalCdfAvgCheck()),
      WeightedAvgThreeCheck(GetDefaultWeightedAvgThreeCheck()) {
    SetEditAttribute();
}

int CStatisticsTilesData::GetAll(CVariableList& listOfVariables, CVariableList& selectedVar,
                                 CGUIData<int>& nTileEdit, CString& percentileEdit, CString& valuesEdit,
                                 int& nTileCheck, int& percentileCheck, int& allOptions, int& cleveland,
                                 int& weightedAvgOne, int& closest, int& empiricalCdf, int& weightedAvgTwo,
                                 int& empiricalCdfAvg, int& weightedAvgThree) const {
    listOfVariables = ListOfVariablesList;
    selectedVar = SelectedVarList;
    nTileEdit = NTileEdit;
    percentileEdit = PercentileEdit;
    valuesEdit = ValuesEdit;
    nTileCheck = NTileCheck;
    percentileCheck = PercentileCheck;
    allOptions = AllOptionsCheck;
    cleveland = ClevelandCheck;
    weightedAvgOne = WeightedAvgOneCheck;
    closest = ClosestCheck;
    empiricalCdf = EmpiricalCdfCheck;
    weightedAvgTwo = WeightedAvgTwoCheck;
    empiricalCdfAvg = EmpiricalCdfAvgCheck;
    weightedAvgThree = WeightedAvgThreeCheck;
    return 1;
}

int CStatisticsTilesData::SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVar,
                                 const CGUIData<int>& nTileEdit, const CString& percentileEdit,
                                 const CString& valuesEdit, int nTileCheck, int percentileCheck,
                                 int allOptions, int cleveland, int weightedAvgOne, int closest,
                                 int empiricalCdf, int weightedAvgTwo, int empiricalCdfAvg,
                                 int weightedAvgThree) {
    ListOfVariablesList = listOfVariables;
    SelectedVarList = selectedVar;
    NTileEdit = nTileEdit;
    PercentileEdit = percentileEdit;
    ValuesEdit = valuesEdit;
    NTileCheck = nTileCheck;
    PercentileCheck = percentileCheck;
    AllOptionsCheck = allOptions;
    ClevelandCheck = cleveland;
    WeightedAvgOneCheck = weightedAvgOne;
    ClosestCheck = closest;
    EmpiricalCdfCheck = empiricalCdf;
    WeightedAvgTwoCheck = weightedAvgTwo;
    EmpiricalCdfAvgCheck = empiricalCdfAvg;
    WeightedAvgThreeCheck = weightedAvgThree;
    return 1;
}

void CStatisticsTilesData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    ar.Io(PercentileEdit, ValuesEdit, NTileCheck, PercentileCheck, AllOptionsCheck, ClevelandCheck,
          WeightedAvgOneCheck, ClosestCheck, EmpiricalCdfCheck, WeightedAvgTwoCheck, EmpiricalCdfAvgCheck,
          WeightedAvgThreeCheck, ListOfVariablesList, SelectedVarList, NTileEdit);
}

void CStatisticsTilesData::FillListSource() {
    CVariableList current;
    if (GetDialogID() == kColumnTiles)
        CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    else if (GetDialogID() == kRowTiles)
        CBaseGui::GetSourceVarRowStats(current, 0);
    else
        CTvkAssertDlg(L"StatisticsTilesData.cpp", __LINE__).DoPrint();
    UpdateCtrlList(ListOfVariablesList, current, 1);
}

void CStatisticsTilesData::SetEditAttribute() {
    NTileEdit.SetSecond(1);
}

void CStatisticsTilesData::GetCommandInfoList(CCmdList& lines) const {
    if (GetDialogID() != kColumnTiles && GetDialogID() != kRowTiles)
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
    if (!SelectedVarList.IsEmpty()) {
        clauses += L" CLASSIFY = ";
        AddVariables(clauses, SelectedVarList, L" ");
    }

    const int index = CStringUtil::SearchStringAtBeginning(
        lines, GetDialogID() == kRowTiles ? L"RSTATISTICS" : L"CSTATISTICS");
    // A statistics line written without options (resampling on) has no "/" for the clauses to follow.
    if (!clauses.IsEmpty() && !(index >= 0 && CStringUtil::StringFoundAtIndex(lines, L"/", index)))
        clauses = L"/" + clauses;
    CStringUtil::ConcatStringAt(lines, clauses, index, nullptr);
}

REGISTER_RECORD(CStatisticsTilesData);
