#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define MNTEST_OPTIONS(LIST, OPTION) \
    LIST(ListOfVariablesList)        \
    LIST(SelectedVariablesList)      \
    OPTION(CString, SaveFileEdit)    \
    OPTION(int, SaveFileCheck, 0)

// Tests of multivariate normality, with the cases' Mahalanobis distances saved on request.
class CMntestData : public CRecordOptions<CMntestData> {
public:
    TVK_OPTIONS(MNTEST_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
