#pragma once

#include "TvkBaseGui/CRecordOptions.h"
#include "TvkUseRes/ResourceTables.h"

// ConfidenceLevelCombo: the confidence level of the percentages, as text.
#define XTAB1WAY_OPTIONS(LIST, OPTION)                                        \
    LIST(ListOfVariablesList)                                                 \
    LIST(SelectedVariableList)                                                \
    OPTION(int, FrequenciesCheck, 1)                                          \
    OPTION(int, PercentagesCheck, 0)                                          \
    OPTION(int, ConfIintervalCheck, 0)                                        \
    OPTION(int, PearsonChiSqrCheck, 1)                                        \
    OPTION(int, IncludeMissingValCheck, 0)                                    \
    OPTION(int, ListLayoutCheck, 0)                                           \
    OPTION(int, SaveDataFileCheck, 0)                                         \
    OPTION(int, TCPCheck, 0)                                                  \
    OPTION(CString, ConfidenceLevelCombo, GetString(kDefaultConfidenceLevel)) \
    OPTION(CString, SaveDataFileEdit)

// The table page of the one-way tables composite: frequency tables of each selected variable.
class CXTab1WayData : public CRecordOptions<CXTab1WayData> {
public:
    // The default confidence level, as the combo shows it.
    static constexpr UINT kDefaultConfidenceLevel = 12690;

    TVK_OPTIONS(XTAB1WAY_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
