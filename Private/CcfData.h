#pragma once

#include "TvkBaseGui/CRecordOptions.h"

#define CCF_OPTIONS(LIST, OPTION)               \
    LIST(ListOfVariablesList)                   \
    LIST(SelectedVariableList)                  \
    OPTION(CGUIData<int>, LagEdit, kMaximumLag) \
    OPTION(CString, SaveFileEdit)               \
    OPTION(int, SaveFileCheck, 0)

// Cross-correlation of two series.
class CCcfData : public CRecordOptions<CCcfData> {
public:
    static constexpr int kMaximumLag = 50;
    // The dialog lets at most this many series into the selected list.
    static constexpr int kMaximumSelected = 2;
    // Message for a selected list the dialog refuses.
    static constexpr UINT kSelectedListMessage = 12867;

    TVK_OPTIONS(CCF_OPTIONS)

    // A fresh holder of min(50, cases - 1): the lag every showing starts from.
    static CGUIData<int> GetReassignedDefaultLagEdit();

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
