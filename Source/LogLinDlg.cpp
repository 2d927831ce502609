#include "Private/LogLinDlg.h"

#include <algorithm>
#include <limits>

#include "TvkBaseGui/CStringUtil.h"

namespace {

bool HasAllFactors(const CString& expression, const CVariableList& factors) {
    for (const CString& name : CLogLinDlg::FactorsOf(expression)) {
        bool found = false;
        for (const auto& factor : factors)
            found = found || factor.GetVariableName() == name;
        if (!found)
            return false;
    }
    return true;
}

// Every choice of k of the names, in their order, each joined with "*".
void Interactions(const std::vector<CString>& names, std::size_t k, std::size_t from, CString prefix,
                  std::vector<CString>& out) {
    if (k == 0) {
        out.push_back(prefix);
        return;
    }
    for (std::size_t i = from; i + k <= names.size(); ++i)
        Interactions(names, k - 1, i + 1, prefix.IsEmpty() ? names[i] : prefix + L"*" + names[i], out);
}

}  // namespace

CLogLinDlg::CLogLinDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair(
        {IDC_SOURCE_LIST, IDC_FACTORS_LIST, IDC_CROSSTAB_BUTTON, IDC_REMOVE_TAB_BUTTON, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.TableFactorsList)
        .Menu(IDC_LIST_MENU_LABEL);
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillRadioFromResource(CLogLinData::kModelRadioGroup);
    FillComboFromResource(IDC_SAVE_TYPE_COMBO, CLogLinData::kSaveTypeCombo);
}

void CLogLinDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    constexpr double kNoLimit = std::numeric_limits<double>::max();
    // The model terms are made by the term buttons, not moved from the source.
    DDX_ListCtrlArray(pDX, IDC_TERMS_LIST, m_Data.ModelTermsList);
    DDX_Range(pDX, IDC_CONVERGENCE_EDIT, m_Data.ConvergenceEdit, 0.0, kNoLimit, eExclusive, eNoValidation);
    DDX_Range(pDX, IDC_LCONVERGENCE_EDIT, m_Data.LconvergenceEdit, 0.0, kNoLimit, eExclusive, eNoValidation);
    DDX_Range(pDX, IDC_TOLERANCE_EDIT, m_Data.ToleranceEdit, 0.0, 1.0, eExclusive, eExclusive);
    DDX_Range(pDX, IDC_ITERATIONS_EDIT, m_Data.IterationsEdit, 1, kNoMaximum, eInclusive, eNoValidation);
    DDX_Range(pDX, IDC_HALVINGS_EDIT, m_Data.HalvingsEdit, 1, kNoMaximum, eInclusive, eNoValidation);
    DDX_Range(pDX, IDC_DELTA_EDIT, m_Data.DeltaEdit, 0.0, kNoLimit, eInclusive, eNoValidation);
    ExchangeOrder(pDX);
    DDX_CBIndex(pDX, IDC_SAVE_TYPE_COMBO, m_Data.SaveCombo);
    DDX_Radio(pDX, CLogLinData::kModelRadioGroup, m_Data.ModelRadio);
    DDX_Check(pDX, IDC_EXCLUDE_CHECK, m_Data.ExcludeTermsCheck);
    DDX_Text(pDX, IDC_TYPED_MODEL_EDIT, m_Data.CustomModelEdit);
    DDX_ControlWarn(pDX, IDC_TERMS_LIST, ValidateModelListControls());
    DDX_ControlWarn(pDX, IDC_TYPED_MODEL_EDIT, ValidateCustomEdit());
}

// An empty order edit means no order.
void CLogLinDlg::ExchangeOrder(CDataExchange* pDX) {
    CGUIData<int>& order = m_Data.OrderEdit;
    if (pDX->m_bSaveAndValidate ? CStringUtil::IsEmpty(GetCtrlWindowText(IDC_ORDER_EDIT))
                                : order.IsDefault()) {
        if (pDX->m_bSaveAndValidate)
            pDX->Replace(order, CLogLinData::GetDefaultOrderEdit());
        else
            SetCtrlWindowText(IDC_ORDER_EDIT, CString());
        return;
    }
    DDX_Range(pDX, IDC_ORDER_EDIT, order, 1, std::numeric_limits<int>::max(), eInclusive, eNoValidation);
}

UINT CLogLinDlg::ValidateModelListControls() const {
    const CVariableList& factors = ListCtrl(IDC_FACTORS_LIST).GetItems();
    const CVariableList& terms = ListCtrl(IDC_TERMS_LIST).GetItems();
    if (factors.IsEmpty())
        return kNoFactorMessage;
    if (terms.IsEmpty())
        return kNoTermMessage;
    for (const auto& term : terms)
        if (!HasAllFactors(term.GetVariableName(), factors))
            return kTermNotFactorMessage;
    return 0;
}

UINT CLogLinDlg::ValidateCustomEdit() const {
    const CString model = GetCtrlWindowText(IDC_TYPED_MODEL_EDIT);
    if (CStringUtil::IsEmpty(model))
        return kNoTypedModelMessage;
    return HasAllFactors(model, ListCtrl(IDC_FACTORS_LIST).GetItems()) ? 0 : kTermNotFactorMessage;
}

std::vector<CString> CLogLinDlg::FactorsOf(const CString& expression) {
    std::vector<CString> names;
    CString name;
    auto flush = [&]() {
        if (!name.IsEmpty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
        name.Empty();
    };
    for (wchar_t c : expression.str()) {
        if (c == L'*' || c == L'#' || c == L'+' || c == L'-' || c == L'(' || c == L')' || c == L' ')
            flush();
        else
            name += c;
    }
    flush();
    return names;
}

std::vector<CString> CLogLinDlg::AddSourceToModelTerm(const std::vector<CString>& factors, wchar_t join,
                                                      int order, bool exclude) {
    std::vector<CString> terms;
    if (factors.empty())
        return terms;
    if (join == L'+') {
        const std::size_t k =
            order > 0 ? std::min<std::size_t>(static_cast<std::size_t>(order), factors.size()) : 1;
        Interactions(factors, k, 0, CString(), terms);
    } else {
        CString term = factors.front();
        for (std::size_t i = 1; i < factors.size(); ++i)
            term += CString(std::wstring(1, join)) + factors[i];
        terms.push_back(term);
    }
    if (exclude)
        for (CString& term : terms)
            term = L"-" + term;
    return terms;
}

void CLogLinDlg::OnTermButton(wchar_t join) {
    const CGUIListCtrl& source = ListCtrl(IDC_SOURCE_LIST);
    std::vector<int> selection = source.GetSelection();
    std::sort(selection.begin(), selection.end());
    std::vector<CString> factors;
    for (int i : selection)
        factors.push_back(source.GetItems()[i].GetVariableName());
    int order = 0;
    if (IsCtrlEnabled(IDC_ORDER_EDIT))
        order = ParseInt(GetCtrlWindowText(IDC_ORDER_EDIT), false).value_or(0);
    // A term already in the model is not added again.
    CVariableList made;
    for (const CString& term : AddSourceToModelTerm(factors, join, order, IsCtrlChecked(IDC_EXCLUDE_CHECK)))
        made.Add(CGUIDataVariable(term, 0));
    ListCtrl(IDC_TERMS_LIST).AppendNew(made);
    UpdateDependentWindows();
}

void CLogLinDlg::OnRemoveModeltermsButton() {
    CGUIListCtrl& terms = ListCtrl(IDC_TERMS_LIST);
    terms.RemoveItems(terms.GetSelection());
    terms.SetSelection({});
    UpdateDependentWindows();
}

void CLogLinDlg::OnCtrlClicked(UINT id) {
    switch (id) {
        case IDC_ADD_TERMS_BUTTON:
            return OnTermButton(L'+');
        case IDC_CROSS_TERMS_BUTTON:
            return OnTermButton(L'*');
        case IDC_HASH_TERMS_BUTTON:
            return OnTermButton(L'#');
        case IDC_REMOVE_TERMS_BUTTON:
            return OnRemoveModeltermsButton();
        default:
            CGUIBaseDlg::OnCtrlClicked(id);
    }
}

// OnSelchangeOrderEdit: the crossing buttons follow whether an order is typed.
void CLogLinDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id == IDC_ORDER_EDIT)
        UpdateDependentWindows();
}

void CLogLinDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    if (!HasWindow())
        return;
    const BOOL terms = IsCtrlChecked(IDC_TERMS_RADIO);
    const CGUIListCtrl& source = ListCtrl(IDC_SOURCE_LIST);
    const BOOL movable = terms && source.m_bEnabled && source.HasSelection() && source.GetState() != 1 &&
                         source.GetState() != 2;
    EnableCtrl(IDC_TERMS_LIST, terms);
    EnableCtrl(IDC_TYPED_MODEL_EDIT, IsCtrlChecked(IDC_TYPED_RADIO));
    const BOOL order = terms && source.GetSelection().size() > 1;
    EnableCtrl(IDC_ORDER_EDIT, order);
    EnableCtrl(IDC_ORDER_LABEL, order);
    const BOOL noOrder = !order || CStringUtil::IsEmpty(GetCtrlWindowText(IDC_ORDER_EDIT));
    EnableCtrl(IDC_ADD_TERMS_BUTTON, movable);
    EnableCtrl(IDC_CROSS_TERMS_BUTTON, movable && noOrder);
    EnableCtrl(IDC_HASH_TERMS_BUTTON, movable && noOrder);
    EnableCtrl(IDC_REMOVE_TERMS_BUTTON, terms && ListCtrl(IDC_TERMS_LIST).HasSelection());
    EnableCtrl(IDC_EXCLUDE_CHECK, terms);
    EnableCtrl(IDC_SAVE_TYPE_COMBO, IsCtrlChecked(IDC_SAVE_CHECK));
}
