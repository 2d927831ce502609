#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// The table page of the two-way tables composite: the row variables crossed with the column variables.
class CXTab2WayData : public CRecordOptions<CXTab2WayData> {
public:
    // The save types; its texts stand in the save line.
    static constexpr UINT kSaveTypeCombo = 5511;

    static CGUIData<double> GetDefaultThresholdEdit() { return CGUIData<double>(4.0); }
    static int GetDefaultFrequenciesCheck() { return 1; }
    static int GetDefaultTablePercentsCheck() { return 0; }
    static int GetDefaultRowPercentsCheck() { return 0; }
    static int GetDefaultColumnPercentsCheck() { return 0; }
    static int GetDefaultExpectedCheck() { return 0; }
    static int GetDefaultDeviatesCheck() { return 0; }
    static int GetDefaultStandardDeviatesCheck() { return 0; }
    static int GetDefaultListLayoutCheck() { return 0; }
    static int GetDefaultIncludeMissingValCheck() { return 0; }
    static int GetDefaultSaveDataFileCheck() { return 0; }
    static int GetDefaultTCPCheck() { return 0; }
    static int GetDefaultShadeCheck() { return 0; }
    static CString GetDefaultSaveDataFileEdit() { return {}; }
    static int GetDefaultSaveCombo() { return 0; }

    auto Options() {
        return std::tie(ListOfVariablesList, RowVariableList, ColumnVariableList, ThresholdEdit,
                        FrequenciesCheck, TablePercentsCheck, RowPercentsCheck, ColumnPercentsCheck,
                        ExpectedCheck, DeviatesCheck, StandardDeviatesCheck, ListLayoutCheck,
                        IncludeMissingValCheck, SaveDataFileCheck, TCPCheck, ShadeCheck, SaveDataFileEdit,
                        SaveCombo);
    }
    int GetListLayoutCheck() const { return ListLayoutCheck; }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList RowVariableList;
    CVariableList ColumnVariableList;
    // Cells whose standardized deviate exceeds it are shaded.
    CGUIData<double> ThresholdEdit = GetDefaultThresholdEdit();
    int FrequenciesCheck = GetDefaultFrequenciesCheck();
    int TablePercentsCheck = GetDefaultTablePercentsCheck();
    int RowPercentsCheck = GetDefaultRowPercentsCheck();
    int ColumnPercentsCheck = GetDefaultColumnPercentsCheck();
    int ExpectedCheck = GetDefaultExpectedCheck();
    int DeviatesCheck = GetDefaultDeviatesCheck();
    int StandardDeviatesCheck = GetDefaultStandardDeviatesCheck();
    int ListLayoutCheck = GetDefaultListLayoutCheck();
    int IncludeMissingValCheck = GetDefaultIncludeMissingValCheck();
    int SaveDataFileCheck = GetDefaultSaveDataFileCheck();
    int TCPCheck = GetDefaultTCPCheck();
    int ShadeCheck = GetDefaultShadeCheck();
    CString SaveDataFileEdit = GetDefaultSaveDataFileEdit();
    int SaveCombo = GetDefaultSaveCombo();
};
