#pragma once

#include "TvkBaseGui/CGUIBaseObj.h"

// Nonparametric trend tests: Mann-Kendall ("MKTEST ") or the seasonal test ("STEST ") with its
// homogeneity tests, optionally with a slope estimate, against a chosen alternative.
class CTrendAnalysisData : public CGUIBaseObj {
public:
    static constexpr UINT kTestRadioGroup = 5306;
    static constexpr UINT kMannKendallItem = 5306;
    static constexpr UINT kSeasonalItem = 5307;
    static constexpr UINT kAlternativeCombo = 5291;
    static constexpr int kAlternativeCount = 3;

    CTrendAnalysisData();

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

    int GetAll(CVariableList& listOfVariables, CVariableList& seriesVariables, CVariableList& timeVariables,
               CVariableList& seasonVariables, CGUIData<double>& confi, int& testsSkCheck, int& testsMkCheck,
               int& testsHomogeneityCheck, int& slopeCheck, int& testsMkRadio, int& alternativeCombo) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& seriesVariables,
               const CVariableList& timeVariables, const CVariableList& seasonVariables,
               const CGUIData<double>& confi, int testsSkCheck, int testsMkCheck, int testsHomogeneityCheck,
               int slopeCheck, int testsMkRadio, int alternativeCombo);

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SeriesVariableList;
    CVariableList TimeVariableList;
    CVariableList SeasonVariableList;
    CGUIData<double> ConfiEdit;
    int TestsSkCheck;
    int TestsMkCheck;
    int TestsHomogeneityCheck;
    int SlopeCheck;
    int TestsMkRadio;
    int AlternativeCombo;
};
