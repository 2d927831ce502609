#pragma once

#include "TvkBaseGui/CGUIBaseObj.h"

// The percentiles page of the column statistics (variant 2046) and row statistics (2271) composites. It
// writes no line of its own: its clauses join the statistics line the first page wrote.
class CStatisticsTilesData : public CGUIBaseObj {
public:
    static constexpr UINT kColumnTiles = 2046;
    static constexpr UINT kRowTiles = 2271;

    CStatisticsTilesData();

    static CGUIData<int> GetDefaultNTileEdit() { return CGUIData<int>(0); }
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

    int GetAll(CVariableList& listOfVariables, CVariableList& selectedVar, CGUIData<int>& nTileEdit,
               CString& percentileEdit, CString& valuesEdit, int& nTileCheck, int& percentileCheck,
               int& allOptions, int& cleveland, int& weightedAvgOne, int& closest, int& empiricalCdf,
               int& weightedAvgTwo, int& empiricalCdfAvg, int& weightedAvgThree) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVar,
               const CGUIData<int>& nTileEdit, const CString& percentileEdit, const CString& valuesEdit,
               int nTileCheck, int percentileCheck, int allOptions, int cleveland, int weightedAvgOne,
               int closest, int empiricalCdf, int weightedAvgTwo, int empiricalCdfAvg, int weightedAvgThree);

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    // The classification variables.
    CVariableList SelectedVarList;
    CGUIData<int> NTileEdit;
    CString PercentileEdit;
    CString ValuesEdit;
    int NTileCheck;
    int PercentileCheck;
    // All estimation methods.
    int AllOptionsCheck;
    int ClevelandCheck;
    int WeightedAvgOneCheck;
    int ClosestCheck;
    int EmpiricalCdfCheck;
    int WeightedAvgTwoCheck;
    int EmpiricalCdfAvgCheck;
    int WeightedAvgThreeCheck;
};
