#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// SelectedVarList holds the classification variables; the untouched count is not range-checked;
// AllOptionsCheck asks for all estimation methods.
#define STATISTICS_TILES_OPTIONS(LIST, OPTION)                                     \
    LIST(ListOfVariablesList)                                                      \
    LIST(SelectedVarList)                                                          \
    OPTION(CGUIData<int>, NTileEdit, MarkedDefault(0, 1))                          \
    OPTION(CString, PercentileEdit, L"1 5 10 20 25 30 40 50 60 70 75 80 90 95 99") \
    OPTION(CString, ValuesEdit)                                                    \
    OPTION(int, NTileCheck, 0)                                                     \
    OPTION(int, PercentileCheck, 0)                                                \
    OPTION(int, AllOptionsCheck, 0)                                                \
    OPTION(int, ClevelandCheck, 1)                                                 \
    OPTION(int, WeightedAvgOneCheck, 0)                                            \
    OPTION(int, ClosestCheck, 0)                                                   \
    OPTION(int, EmpiricalCdfCheck, 0)                                              \
    OPTION(int, WeightedAvgTwoCheck, 0)                                            \
    OPTION(int, EmpiricalCdfAvgCheck, 0)                                           \
    OPTION(int, WeightedAvgThreeCheck, 0)

// The percentiles page of the column statistics (variant 2046) and row statistics (2271) composites. It
// writes no line of its own: its clauses join the statistics line the first page wrote.
class CStatisticsTilesData : public CRecordOptions<CStatisticsTilesData> {
public:
    static constexpr UINT kColumnTiles = 2046;
    static constexpr UINT kRowTiles = 2271;

    TVK_OPTIONS(STATISTICS_TILES_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
