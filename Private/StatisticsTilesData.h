#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// The percentiles page of the column statistics (variant 2046) and row statistics (2271) composites. It
// writes no line of its own: its clauses join the statistics line the first page wrote.
class CStatisticsTilesData : public CRecordOptions<CStatisticsTilesData> {
public:
    static constexpr UINT kColumnTiles = 2046;
    static constexpr UINT kRowTiles = 2271;

    // Marked: the untouched count is not range-checked.
    static CGUIData<int> GetDefaultNTileEdit() {
        CGUIData<int> count(0);
        count.SetSecond(1);
        return count;
    }
    static CString GetDefaultPercentileEdit() { return L"1 5 10 20 25 30 40 50 60 70 75 80 90 95 99"; }
    static CString GetDefaultValuesEdit() { return {}; }
    static int GetDefaultNTileCheck() { return 0; }
    static int GetDefaultPercentileCheck() { return 0; }
    static int GetDefaultAllOptionsCheck() { return 0; }
    static int GetDefaultClevelandCheck() { return 1; }
    static int GetDefaultWeightedAvgOneCheck() { return 0; }
    static int GetDefaultClosestCheck() { return 0; }
    static int GetDefaultEmpiricalCdfCheck() { return 0; }
    static int GetDefaultWeightedAvgTwoCheck() { return 0; }
    static int GetDefaultEmpiricalCdfAvgCheck() { return 0; }
    static int GetDefaultWeightedAvgThreeCheck() { return 0; }

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVarList, NTileEdit, PercentileEdit, ValuesEdit,
                        NTileCheck, PercentileCheck, AllOptionsCheck, ClevelandCheck, WeightedAvgOneCheck,
                        ClosestCheck, EmpiricalCdfCheck, WeightedAvgTwoCheck, EmpiricalCdfAvgCheck,
                        WeightedAvgThreeCheck);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    // The classification variables.
    CVariableList SelectedVarList;
    CGUIData<int> NTileEdit = GetDefaultNTileEdit();
    CString PercentileEdit = GetDefaultPercentileEdit();
    CString ValuesEdit = GetDefaultValuesEdit();
    int NTileCheck = GetDefaultNTileCheck();
    int PercentileCheck = GetDefaultPercentileCheck();
    // All estimation methods.
    int AllOptionsCheck = GetDefaultAllOptionsCheck();
    int ClevelandCheck = GetDefaultClevelandCheck();
    int WeightedAvgOneCheck = GetDefaultWeightedAvgOneCheck();
    int ClosestCheck = GetDefaultClosestCheck();
    int EmpiricalCdfCheck = GetDefaultEmpiricalCdfCheck();
    int WeightedAvgTwoCheck = GetDefaultWeightedAvgTwoCheck();
    int EmpiricalCdfAvgCheck = GetDefaultEmpiricalCdfAvgCheck();
    int WeightedAvgThreeCheck = GetDefaultWeightedAvgThreeCheck();
};
