#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define LOWESS_OPTIONS(LIST, OPTION)           \
    LIST(ListOfVariablesList)                  \
    LIST(SelectedVariableList)                 \
    OPTION(CGUIData<double>, TensionEdit, 0.5) \
    OPTION(int, SaveFileCheck, 0)              \
    OPTION(CString, SaveFileEdit)

// Lowess smoothing: the series smoothing command with a lowess clause.
class CLowessData : public CRecordOptions<CLowessData> {
public:
    static constexpr double kMinimumTension = 0.0;
    static constexpr double kMaximumTension = 1.0;

    TVK_OPTIONS(LOWESS_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
