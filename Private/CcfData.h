#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Cross-correlation of two series.
class CCcfData : public CRecordOptions<CCcfData> {
public:
    static constexpr int kMaximumLag = 50;
    // The dialog lets at most this many series into the selected list.
    static constexpr int kMaximumSelected = 2;
    // Message for a selected list the dialog refuses.
    static constexpr UINT kSelectedListMessage = 12867;

    static CGUIData<int> GetDefaultLagEdit() { return CGUIData<int>(kMaximumLag); }
    static CString GetDefaultSaveFileEdit() { return {}; }
    static int GetDefaultSaveFileCheck() { return 0; }
    // A fresh holder of min(50, cases - 1): the lag every showing starts from.
    static CGUIData<int> GetReassignedDefaultLagEdit();

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, LagEdit, SaveFileEdit, SaveFileCheck);
    }

    void Serialize(CArchive& ar) override;
    void ReassignDefaultValue() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<int> LagEdit = GetDefaultLagEdit();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
};
