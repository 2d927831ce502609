#pragma once

#include "Private/TableOptions.h"

#define XTABNWAY_OPTIONS(LIST, OPTION)      \
    LIST(StrataVariableList)                \
    LIST(ListOfVariablesList)               \
    LIST(RowVariableList)                   \
    LIST(ColumnVariableList)                \
    TABLE_OUTPUT_OPTIONS(LIST, OPTION)      \
    OPTION(int, FrequenciesCheck, 1)        \
    OPTION(int, TablepercentsCheck, 0)      \
    OPTION(int, MantelHaenszel2By2Check, 0) \
    OPTION(int, RowPercentsCheck, 0)        \
    OPTION(int, ColumnPercentsCheck, 0)     \
    OPTION(int, TCPCheck, 0)                \
    OPTION(int, SeparateStrataRadio, 0)     \
    OPTION(CString, SaveDataFileEdit)

// The table page of the multiway tables composite: row (and column) variables within strata.
class CXTabNWayData : public CRecordOptions<CXTabNWayData> {
public:
    // How the strata are taken: each stratum variable on its own, or all of them crossed (item
    // kCrossedStrataItem), which has no Mantel-Haenszel statistic.
    static constexpr UINT kStrataRadioGroup = 5473;
    static constexpr UINT kCrossedStrataItem = 5457;

    TVK_OPTIONS(XTABNWAY_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
