#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Nonparametric trend tests: Mann-Kendall ("MKTEST ") or the seasonal test ("STEST ") with its
// homogeneity tests, optionally with a slope estimate, against a chosen alternative.
class CTrendAnalysisData : public CRecordOptions<CTrendAnalysisData> {
public:
    static constexpr UINT kTestRadioGroup = 5306;
    static constexpr UINT kMannKendallItem = 5306;
    static constexpr UINT kSeasonalItem = 5307;
    static constexpr UINT kAlternativeCombo = 5291;
    static constexpr int kAlternativeCount = 3;

    static CGUIData<double> GetDefaultConfiEdit() { return CGUIData<double>(0.95); }
    static int GetDefaultTestsSkCheck() { return 1; }
    static int GetDefaultTestsMkCheck() { return 0; }
    static int GetDefaultTestsHomogeneityCheck() { return 0; }
    static int GetDefaultSlopeCheck() { return 0; }
    static int GetDefaultTestsMkRadio() { return 0; }
    static int GetDefaultAlternativeCombo() { return 0; }

    // The string resource of an alternative (index 0 to 2); any other index is a programming error,
    // reported, and gives 0.
    static UINT GetAlternativeComboIDS(int index);
    // The command text of an alternative into `text`.
    static void GetAlternativeComboCommand(int index, CString& text);

    auto Options() {
        return std::tie(ListOfVariablesList, SeriesVariableList, TimeVariableList, SeasonVariableList,
                        ConfiEdit, TestsSkCheck, TestsMkCheck, TestsHomogeneityCheck, SlopeCheck,
                        TestsMkRadio, AlternativeCombo);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SeriesVariableList;
    CVariableList TimeVariableList;
    CVariableList SeasonVariableList;
    CGUIData<double> ConfiEdit = GetDefaultConfiEdit();
    int TestsSkCheck = GetDefaultTestsSkCheck();
    int TestsMkCheck = GetDefaultTestsMkCheck();
    int TestsHomogeneityCheck = GetDefaultTestsHomogeneityCheck();
    int SlopeCheck = GetDefaultSlopeCheck();
    int TestsMkRadio = GetDefaultTestsMkRadio();
    int AlternativeCombo = GetDefaultAlternativeCombo();
};
