#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// The table page of the multiway tables composite: row (and column) variables within strata.
class CXTabNWayData : public CRecordOptions<CXTabNWayData> {
public:
    // How the strata are taken: each stratum variable on its own, or all of them crossed (item
    // kCrossedStrataItem), which has no Mantel-Haenszel statistic.
    static constexpr UINT kStrataRadioGroup = 5473;
    static constexpr UINT kCrossedStrataItem = 5457;

    static int GetDefaultListLayoutCheck() { return 0; }
    static int GetDefaultIncludeMissingValCheck() { return 0; }
    static int GetDefaultSaveDataFileCheck() { return 0; }
    static int GetDefaultFrequenciesCheck() { return 1; }
    static int GetDefaultTablepercentsCheck() { return 0; }
    static int GetDefaultMantelHaenszel2By2Check() { return 0; }
    static int GetDefaultRowPercentsCheck() { return 0; }
    static int GetDefaultColumnPercentsCheck() { return 0; }
    static int GetDefaultTCPCheck() { return 0; }
    static int GetDefaultSeparateStrataRadio() { return 0; }
    static CString GetDefaultSaveDataFileEdit() { return {}; }

    auto Options() {
        return std::tie(StrataVariableList, ListOfVariablesList, RowVariableList, ColumnVariableList,
                        ListLayoutCheck, IncludeMissingValCheck, SaveDataFileCheck, FrequenciesCheck,
                        TablepercentsCheck, MantelHaenszel2By2Check, RowPercentsCheck, ColumnPercentsCheck,
                        TCPCheck, SeparateStrataRadio, SaveDataFileEdit);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList StrataVariableList;
    CVariableList ListOfVariablesList;
    CVariableList RowVariableList;
    CVariableList ColumnVariableList;
    int ListLayoutCheck = GetDefaultListLayoutCheck();
    int IncludeMissingValCheck = GetDefaultIncludeMissingValCheck();
    int SaveDataFileCheck = GetDefaultSaveDataFileCheck();
    int FrequenciesCheck = GetDefaultFrequenciesCheck();
    int TablepercentsCheck = GetDefaultTablepercentsCheck();
    int MantelHaenszel2By2Check = GetDefaultMantelHaenszel2By2Check();
    int RowPercentsCheck = GetDefaultRowPercentsCheck();
    int ColumnPercentsCheck = GetDefaultColumnPercentsCheck();
    int TCPCheck = GetDefaultTCPCheck();
    int SeparateStrataRadio = GetDefaultSeparateStrataRadio();
    CString SaveDataFileEdit = GetDefaultSaveDataFileEdit();
};
