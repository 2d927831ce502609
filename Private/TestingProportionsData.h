#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// One proportion tested against a hypothesized one, from typed totals (aggregate input) or from a
// trials and a successes variable (raw data input).
class CTestingOneProportionData : public CRecordOptions<CTestingOneProportionData> {
public:
    static constexpr UINT kRadioGroup = 5117;
    static constexpr UINT kRawDataItem = 5117;
    static constexpr UINT kAggregateItem = 5105;
    static constexpr UINT kAlternativeCombo = 5106;

    static CGUIData<int> GetDefaultNumberOfTrialsEdit() { return CGUIData<int>(0); }
    static CGUIData<int> GetDefaultNumberOfSuccessesEdit() { return CGUIData<int>(0); }
    static CGUIData<double> GetDefaultPropEdit() { return CGUIData<double>(0.0); }
    static CGUIData<double> GetDefaultConfidenceEdit() { return CGUIData<double>(0.95); }
    static int GetDefaultRawDataRadio() { return 0; }
    static int GetDefaultAlternativeCombo() { return 2; }

    CTestingOneProportionData() { SetEditAttribute(); }

    auto Options() {
        return std::tie(ListOfVariablesList, TrialsList, SuccessesList, NumberOfTrialsEdit,
                        NumberOfSuccessesEdit, PropEdit, ConfidenceEdit, RawDataRadio, AlternativeCombo);
    }
    bool IsAggergrateRadioChecked() const;

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList TrialsList;
    CVariableList SuccessesList;
    CGUIData<int> NumberOfTrialsEdit = GetDefaultNumberOfTrialsEdit();
    CGUIData<int> NumberOfSuccessesEdit = GetDefaultNumberOfSuccessesEdit();
    CGUIData<double> PropEdit = GetDefaultPropEdit();
    CGUIData<double> ConfidenceEdit = GetDefaultConfidenceEdit();
    int RawDataRadio = GetDefaultRawDataRadio();
    int AlternativeCombo = GetDefaultAlternativeCombo();
};

// Two proportions compared, each from typed totals or from a trials and a successes variable.
class CTestingTwoProportionData : public CRecordOptions<CTestingTwoProportionData> {
public:
    static constexpr UINT kRadioGroup = 5171;
    static constexpr UINT kRawDataItem = 5171;
    static constexpr UINT kAggregateItem = 5157;
    static constexpr UINT kAlternativeCombo = 5158;

    static CGUIData<int> GetDefaultNumberOfTrialsOneEdit() { return CGUIData<int>(0); }
    static CGUIData<int> GetDefaultNumberOfSuccessesOneEdit() { return CGUIData<int>(0); }
    static CGUIData<int> GetDefaultNumberOfTrialsTwoEdit() { return CGUIData<int>(0); }
    static CGUIData<int> GetDefaultNumberOfSuccessesTwoEdit() { return CGUIData<int>(0); }
    static CGUIData<double> GetDefaultConfidenceEdit() { return CGUIData<double>(0.95); }
    static int GetDefaultRawDataRadio() { return 0; }
    static int GetDefaultAlternativeCombo() { return 2; }

    CTestingTwoProportionData() { SetEditAttribute(); }

    auto Options() {
        return std::tie(ListOfVariablesList, TrialsOneList, SuccessesOneList, TrialsTwoList, SuccessesTwoList,
                        NumberOfTrialsOneEdit, NumberOfSuccessesOneEdit, NumberOfTrialsTwoEdit,
                        NumberOfSuccessesTwoEdit, ConfidenceEdit, RawDataRadio, AlternativeCombo);
    }
    bool IsAggergrateRadioChecked() const;

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList TrialsOneList;
    CVariableList SuccessesOneList;
    CVariableList TrialsTwoList;
    CVariableList SuccessesTwoList;
    CGUIData<int> NumberOfTrialsOneEdit = GetDefaultNumberOfTrialsOneEdit();
    CGUIData<int> NumberOfSuccessesOneEdit = GetDefaultNumberOfSuccessesOneEdit();
    CGUIData<int> NumberOfTrialsTwoEdit = GetDefaultNumberOfTrialsTwoEdit();
    CGUIData<int> NumberOfSuccessesTwoEdit = GetDefaultNumberOfSuccessesTwoEdit();
    CGUIData<double> ConfidenceEdit = GetDefaultConfidenceEdit();
    int RawDataRadio = GetDefaultRawDataRadio();
    int AlternativeCombo = GetDefaultAlternativeCombo();
};

// Two sets of correlations compared. The confidence level is kept but never written.
class CTestingTwoCorrelationsData : public CRecordOptions<CTestingTwoCorrelationsData> {
public:
    static constexpr UINT kAlternativeCombo = 5142;

    static CGUIData<double> GetDefaultConfidenceEdit() { return CGUIData<double>(0.95); }
    static int GetDefaultAlternativeCombo() { return 2; }

    auto Options() {
        return std::tie(ListOfVariablesList, SetOneVarList, SetTwoVarList, ConfidenceEdit, AlternativeCombo);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SetOneVarList;
    CVariableList SetTwoVarList;
    CGUIData<double> ConfidenceEdit = GetDefaultConfidenceEdit();
    int AlternativeCombo = GetDefaultAlternativeCombo();
};
