#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// The options both proportion tests end with: the confidence, raw data or aggregate input, the
// alternative.
#define PROPORTION_TEST_OPTIONS(LIST, OPTION)      \
    OPTION(CGUIData<double>, ConfidenceEdit, 0.95) \
    OPTION(int, RawDataRadio, 0)                   \
    OPTION(int, AlternativeCombo, 2)

#define TESTING_ONE_PROPORTION_OPTIONS(LIST, OPTION) \
    LIST(ListOfVariablesList)                        \
    LIST(TrialsList)                                 \
    LIST(SuccessesList)                              \
    OPTION(CGUIData<int>, NumberOfTrialsEdit, 0)     \
    OPTION(CGUIData<int>, NumberOfSuccessesEdit, 0)  \
    OPTION(CGUIData<double>, PropEdit, 0.0)          \
    PROPORTION_TEST_OPTIONS(LIST, OPTION)

// One proportion tested against a hypothesized one, from typed totals (aggregate input) or from a
// trials and a successes variable (raw data input).
class CTestingOneProportionData : public CRecordOptions<CTestingOneProportionData> {
public:
    static constexpr UINT kRadioGroup = 5117;
    static constexpr UINT kRawDataItem = 5117;
    static constexpr UINT kAggregateItem = 5105;
    static constexpr UINT kAlternativeCombo = 5106;

    CTestingOneProportionData() { SetEditAttribute(); }

    TVK_OPTIONS(TESTING_ONE_PROPORTION_OPTIONS)

    bool IsAggergrateRadioChecked() const;

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

#define TESTING_TWO_PROPORTION_OPTIONS(LIST, OPTION)   \
    LIST(ListOfVariablesList)                          \
    LIST(TrialsOneList)                                \
    LIST(SuccessesOneList)                             \
    LIST(TrialsTwoList)                                \
    LIST(SuccessesTwoList)                             \
    OPTION(CGUIData<int>, NumberOfTrialsOneEdit, 0)    \
    OPTION(CGUIData<int>, NumberOfSuccessesOneEdit, 0) \
    OPTION(CGUIData<int>, NumberOfTrialsTwoEdit, 0)    \
    OPTION(CGUIData<int>, NumberOfSuccessesTwoEdit, 0) \
    PROPORTION_TEST_OPTIONS(LIST, OPTION)

// Two proportions compared, each from typed totals or from a trials and a successes variable.
class CTestingTwoProportionData : public CRecordOptions<CTestingTwoProportionData> {
public:
    static constexpr UINT kRadioGroup = 5171;
    static constexpr UINT kRawDataItem = 5171;
    static constexpr UINT kAggregateItem = 5157;
    static constexpr UINT kAlternativeCombo = 5158;

    CTestingTwoProportionData() { SetEditAttribute(); }

    TVK_OPTIONS(TESTING_TWO_PROPORTION_OPTIONS)

    bool IsAggergrateRadioChecked() const;

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

#define TESTING_TWO_CORRELATIONS_OPTIONS(LIST, OPTION) \
    LIST(ListOfVariablesList)                          \
    LIST(SetOneVarList)                                \
    LIST(SetTwoVarList)                                \
    OPTION(CGUIData<double>, ConfidenceEdit, 0.95)     \
    OPTION(int, AlternativeCombo, 2)

// Two sets of correlations compared. The confidence level is kept but never written.
class CTestingTwoCorrelationsData : public CRecordOptions<CTestingTwoCorrelationsData> {
public:
    static constexpr UINT kAlternativeCombo = 5142;

    TVK_OPTIONS(TESTING_TWO_CORRELATIONS_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
