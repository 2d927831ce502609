#pragma once

#include <vector>

#include "Private/LogLinData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The model page of the loglinear composite.
class CLogLinDlg : public CRecordDlg<CLogLinData> {
public:
    enum : UINT {
        IDD = 2146,
        IDC_SOURCE_LIST = 1242,
        IDC_TERMS_LIST = 1255,
        IDC_FACTORS_LIST = 1253,
        IDC_CROSSTAB_BUTTON = 1245,
        IDC_REMOVE_TAB_BUTTON = 1246,
        IDC_LIST_MENU_LABEL = 1247,
        IDC_ADD_TERMS_BUTTON = 1248,
        IDC_CROSS_TERMS_BUTTON = 1249,
        IDC_HASH_TERMS_BUTTON = 1250,
        IDC_REMOVE_TERMS_BUTTON = 1251,
        IDC_ORDER_EDIT = 1244,
        IDC_ORDER_LABEL = 1243,
        IDC_EXCLUDE_CHECK = 1273,
        IDC_TERMS_RADIO = CLogLinData::kModelTermsItem,
        IDC_TYPED_RADIO = CLogLinData::kTypedModelItem,
        IDC_TYPED_MODEL_EDIT = 2580,
        IDC_CONVERGENCE_EDIT = 1260,
        IDC_LCONVERGENCE_EDIT = 1261,
        IDC_TOLERANCE_EDIT = 1262,
        IDC_ITERATIONS_EDIT = 1266,
        IDC_HALVINGS_EDIT = 1267,
        IDC_DELTA_EDIT = 1268,
        IDC_SAVE_CHECK = 1269,
        IDC_SAVE_TYPE_COMBO = CLogLinData::kSaveTypeCombo,
        IDC_SAVE_FILE = 1271,
    };
    // Warnings about the model.
    static constexpr UINT kNoFactorMessage = 32111;
    static constexpr UINT kNoTermMessage = 32112;
    static constexpr UINT kTermNotFactorMessage = 32113;
    static constexpr UINT kNoTypedModelMessage = 32114;

    explicit CLogLinDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlChanged(UINT id) override;
    void OnCtrlClicked(UINT id) override;

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
