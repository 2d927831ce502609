#include "Private/LogLinTabulateData.h"

#include "Source/RecordRegistry.h"
#include "Source/TablesCommon.h"
#include "TvkBaseGui/CStringUtil.h"

void CLogLinTabulateData::FillListSource() {
    FillAllVariablesSource(*this, ListOfVariablesList);
    if (FactorsList.IsEmpty() && !ListOfVariablesList.IsEmpty())
        FactorsList.Add(ListOfVariablesList.GetAt(0));
}

void CLogLinTabulateData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kLogLinearModule, lines);
    AddTableSaveCmd(lines, SaveCheck, SaveFileEdit, 0, 0);
    CString table = L"TABULATE ";
    AddVariables(table, FactorsList, L"*");
    table += L" /";
    if (!WeightVariableList.IsEmpty())
        table += L" WEIGHT = " + WeightVariableList.GetAt(0).GetVariableName();
    table += AddOnConditionCmd(L" MISS", IncludeMissingValCheck);
    table += AddOnConditionCmd(L" LIST", ListLayoutCheck);
    CStringUtil::RemoveTrailingChar(table, L'/');
    lines.AddTail(CCmdInfo(table, 0));
}

REGISTER_RECORD(CLogLinTabulateData);
