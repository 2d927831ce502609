#pragma once

#include "Private/TableOptions.h"

// ThresholdEdit: cells whose standardized deviate exceeds it are shaded.
#define XTAB2WAY_OPTIONS(LIST, OPTION)           \
    LIST(ListOfVariablesList)                    \
    LIST(RowVariableList)                        \
    LIST(ColumnVariableList)                     \
    OPTION(CGUIData<double>, ThresholdEdit, 4.0) \
    OPTION(int, FrequenciesCheck, 1)             \
    TABLE_CELL_OPTIONS(LIST, OPTION)             \
    TABLE_OUTPUT_OPTIONS(LIST, OPTION)           \
    OPTION(int, TCPCheck, 0)                     \
    OPTION(int, ShadeCheck, 0)                   \
    OPTION(CString, SaveDataFileEdit)            \
    OPTION(int, SaveCombo, 0)

// The table page of the two-way tables composite: the row variables crossed with the column variables.
class CXTab2WayData : public CRecordOptions<CXTab2WayData> {
public:
    // The save types; its texts stand in the save line.
    static constexpr UINT kSaveTypeCombo = 5511;

    TVK_OPTIONS(XTAB2WAY_OPTIONS)

    int GetListLayoutCheck() const { return ListLayoutCheck; }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
