#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// The table page of the one-way tables composite: frequency tables of each selected variable.
class CXTab1WayData : public CRecordOptions<CXTab1WayData> {
public:
    // The default confidence level, as the combo shows it.
    static constexpr UINT kDefaultConfidenceLevel = 12690;

    static int GetDefaultFrequenciesCheck() { return 1; }
    static int GetDefaultPercentagesCheck() { return 0; }
    static int GetDefaultConfIintervalCheck() { return 0; }
    static int GetDefaultPearsonChiSqrCheck() { return 1; }
    static int GetDefaultIncludeMissingValCheck() { return 0; }
    static int GetDefaultListLayoutCheck() { return 0; }
    static int GetDefaultSaveDataFileCheck() { return 0; }
    static int GetDefaultTCPCheck() { return 0; }
    static CString GetDefaultConfidenceLevelCombo();
    static CString GetDefaultSaveDataFileEdit() { return {}; }

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, FrequenciesCheck, PercentagesCheck,
                        ConfIintervalCheck, PearsonChiSqrCheck, IncludeMissingValCheck, ListLayoutCheck,
                        SaveDataFileCheck, TCPCheck, ConfidenceLevelCombo, SaveDataFileEdit);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    int FrequenciesCheck = GetDefaultFrequenciesCheck();
    int PercentagesCheck = GetDefaultPercentagesCheck();
    int ConfIintervalCheck = GetDefaultConfIintervalCheck();
    int PearsonChiSqrCheck = GetDefaultPearsonChiSqrCheck();
    int IncludeMissingValCheck = GetDefaultIncludeMissingValCheck();
    int ListLayoutCheck = GetDefaultListLayoutCheck();
    int SaveDataFileCheck = GetDefaultSaveDataFileCheck();
    int TCPCheck = GetDefaultTCPCheck();
    // The confidence level of the percentages, as text.
    CString ConfidenceLevelCombo = GetDefaultConfidenceLevelCombo();
    CString SaveDataFileEdit = GetDefaultSaveDataFileEdit();
};
