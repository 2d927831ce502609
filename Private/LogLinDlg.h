#pragma once

#include <vector>

#include "Private/LogLinData.h"
#include "Templates/2146_loglin.h"
#include "TvkBaseGui/CRecordDlg.h"

// The model page of the loglinear composite.
class CLogLinDlg : public CRecordDlg<CLogLinData>, public Template2146, public CLogLinDlgValues {
public:
    enum : UINT {
        IDC_TERMS_RADIO = CLogLinData::kModelTermsItem,
        IDC_TYPED_RADIO = CLogLinData::kTypedModelItem,
        IDC_SAVE_TYPE_COMBO = CLogLinData::kSaveTypeCombo,
    };

    TVK_DIALOG(CLogLinDlg, DoDataExchange, UpdateDependentWindows, OnCtrlChanged, OnCtrlClicked);

    // The terms a term button makes of the selected factors: `join` '+' gives each factor (or, with an
    // order k, every interaction of k of them), '*' their interaction, '#' their full factorial.
    static std::vector<CString> AddSourceToModelTerm(const std::vector<CString>& factors, wchar_t join,
                                                     int order, bool exclude);
    // The factor names an expression of terms uses.
    static std::vector<CString> FactorsOf(const CString& expression);

private:
    void OnTermButton(wchar_t join);
    void OnRemoveModeltermsButton();
    void ExchangeOrder(CDataExchange* pDX);
    // The warning the model's lists or typed text call for, or 0.
    UINT ValidateModelListControls() const;
    UINT ValidateCustomEdit() const;
};
