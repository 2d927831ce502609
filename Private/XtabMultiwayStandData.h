#pragma once

#include "Private/TableOptions.h"

// Declared in the order GetAll and SetAll take the options (the archive's order too, but for the lists
// and the threshold, which it stores last).
#define XTAB_MULTIWAY_STAND_OPTIONS(LIST, OPTION) \
    LIST(ListOfVariablesList)                     \
    LIST(RowVariableList)                         \
    LIST(ColumnVariableList)                      \
    LIST(StrataVariableList)                      \
    OPTION(CGUIData<double>, ThresholdEdit, 4.0)  \
    OPTION(CString, SaveEdit)                     \
    OPTION(int, SaveCheck, 0)                     \
    OPTION(int, FrequenciesCheck, 1)              \
    OPTION(int, SeparateStrataRadio, 0)           \
    OPTION(int, SaveCombo, 0)                     \
    TABLE_CELL_OPTIONS(LIST, OPTION)              \
    OPTION(int, TCPCheck, 0)                      \
    OPTION(int, ShadeCheck, 0)

// The table page of the standardized multiway tables composite: tables of row (and column) variables
// within strata, standardized over the strata.
class CXtabMultiwayStandData : public CRecordOptions<CXtabMultiwayStandData> {
public:
    static constexpr UINT kSaveTypeCombo = 5542;
    // How the strata are taken: each on its own, or all of them crossed (item kCrossedStrataItem).
    static constexpr UINT kStrataRadioGroup = 5544;
    static constexpr UINT kCrossedStrataItem = 5534;

    TVK_OPTIONS(XTAB_MULTIWAY_STAND_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
