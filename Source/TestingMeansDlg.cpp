#include "Private/TestingMeansDlg.h"

#include <vector>

#include "Private/TestingCommon.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkUseRes/CTvkAssertDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

using One = CTestingOneSampleDlg;
using Two = CTestingTwoSampleDlg;

// What each one-sample test makes of the page: the controls it does not use, the value label's string
// (0: the template's), which edits refuse a minus sign, the range of the hypothesized value and its tip.
enum class ValueRange { None, Positive, Correlation };
struct OneSampleStart {
    UINT variant;
    std::vector<UINT> disabled;
    UINT valueLabel;
    bool valueNoMinus;
    bool sdNoMinus;
    ValueRange range;
    const wchar_t* valueTip;
};

const OneSampleStart* FindStart(UINT variant) {
    using D = CTestingOneSampleData;
    const std::vector<UINT> sd = {One::IDC_SD_EDIT, One::IDC_SD_LABEL};
    const std::vector<UINT> sdAndMultiple = {One::IDC_SD_EDIT, One::IDC_SD_LABEL, One::IDC_MULTIPLE_LABEL,
                                             One::IDC_BONFERRONI, One::IDC_DUNN_SIDAK};
    static const std::vector<OneSampleStart> starts = {
        {D::kZTest, {}, 0, false, true, ValueRange::None, L"(-inf, +inf)"},
        {D::kPoisson, sd, 0, true, false, ValueRange::Positive, L"(0.0, +inf)"},
        {D::kCorrelation, sdAndMultiple, 13100, false, false, ValueRange::Correlation, L"(-1.0, +1.0)"},
        {D::kVariance, sdAndMultiple, 13128, false, false, ValueRange::Positive, L"(0.0, +inf)"},
        {D::kZeroCorrelation,
         {One::IDC_VALUE_EDIT, One::IDC_VALUE_LABEL, One::IDC_SD_EDIT, One::IDC_SD_LABEL,
          One::IDC_MULTIPLE_LABEL, One::IDC_BONFERRONI, One::IDC_DUNN_SIDAK},
         0,
         false,
         false,
         ValueRange::None,
         nullptr},
        {D::kTTest, sd, 0, false, false, ValueRange::None, L"(-inf, +inf)"},
        {D::kPairedTTest,
         {One::IDC_VALUE_EDIT, One::IDC_VALUE_LABEL, One::IDC_SD_EDIT, One::IDC_SD_LABEL},
         0,
         false,
         false,
         ValueRange::None,
         nullptr},
    };
    for (const auto& start : starts)
        if (start.variant == variant)
            return &start;
    return nullptr;
}

bool IsEditEmpty(const CGUIBaseDlg& dlg, UINT edit) {
    return CStringUtil::IsEmpty(dlg.GetCtrlWindowText(edit));
}

}  // namespace

CTestingOneSampleDlg::CTestingOneSampleDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    // Its lists are exchanged here: how many variables a test takes depends on the variant.
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny})
        .Menu(IDC_LIST_MENU_LABEL);
    FillComboFromResource(IDC_ALTERNATIVE_COMBO, CTestingOneSampleData::kAlternativeCombo);
}

BOOL CTestingOneSampleDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    if (const OneSampleStart* start = FindStart(GetDlgCaptionID())) {
        for (UINT id : start->disabled)
            EnableCtrl(id, 0);
        if (start->valueLabel)
            SetCtrlWindowText(IDC_VALUE_LABEL, GetString(start->valueLabel));
        Ctrl(IDC_VALUE_EDIT).m_bNoMinus = start->valueNoMinus;
        Ctrl(IDC_SD_EDIT).m_bNoMinus = start->sdNoMinus;
    }
    return 1;
}

void CTestingOneSampleDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    const OneSampleStart* start = FindStart(GetDlgCaptionID());
    const ValueRange range = start ? start->range : ValueRange::None;
    if (range == ValueRange::Positive)
        DDX_Range(pDX, IDC_VALUE_EDIT, m_Data.MeanEdit, 0.0, kNoMaximum, eExclusive, eNoValidation);
    else if (range == ValueRange::Correlation)
        DDX_Range(pDX, IDC_VALUE_EDIT, m_Data.MeanEdit, -1.0, 1.0, eExclusive, eExclusive);
    else
        DDX_STText(pDX, IDC_VALUE_EDIT, m_Data.MeanEdit);
    DDX_Range(pDX, IDC_SD_EDIT, m_Data.SdEdit, 0.0, 1e35, eExclusive, eInclusive);
    DDX_Confidence(*this, pDX, IDC_CONFIDENCE_EDIT, m_Data.ConfidenceEdit);
    DDX_Check(pDX, IDC_BONFERRONI, m_Data.BonferroniCheck);
    DDX_Check(pDX, IDC_DUNN_SIDAK, m_Data.DunnSidakCheck);
    DDX_CBIndex(pDX, IDC_ALTERNATIVE_COMBO, m_Data.AlternativeCombo);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    // Paired tests compare the variables two by two.
    const CTestingVariant* variant = CTestingOneSampleData::FindVariant(GetDlgCaptionID());
    if (variant && variant->paired)
        DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList, 12848, 2);
    else
        DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_Data.SelectedVariableList, 0, 1);
}

void CTestingOneSampleDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    const OneSampleStart* start = FindStart(GetDlgCaptionID());
    if (start && start->valueTip)
        AddToolTip(IDC_VALUE_EDIT, start->valueTip, 0);
    if (GetDlgCaptionID() == CTestingOneSampleData::kZTest)
        AddToolTip(IDC_SD_EDIT, L"(0.0, +inf)", 0);
}

void CTestingOneSampleDlg::OnCtrlChanged(UINT id) {
    CRecordDlg::OnCtrlChanged(id);
    if (id == IDC_ALTERNATIVE_COMBO)
        UpdateDependentWindows();
}

bool CTestingOneSampleDlg::IsInputEmpty() const {
    return IsEditEmpty(*this, IDC_CONFIDENCE_EDIT);
}

void CTestingOneSampleDlg::KeepOnDefault(CTestingOneSampleData& fresh) {
    CRecordDlg::KeepOnDefault(fresh);
    // What the edits show now, typed or not yet accepted.
    const auto keep = [this](UINT edit, const CGUIData<double>& shown, CGUIData<double>& holder) {
        holder = shown;
        const auto typed = ParseDouble(GetCtrlWindowText(edit));
        if (typed && *typed != shown.GetValue())
            holder.SetUserValue(*typed);
    };
    if (HasWindow()) {
        keep(IDC_VALUE_EDIT, m_Data.MeanEdit, fresh.MeanEdit);
        keep(IDC_SD_EDIT, m_Data.SdEdit, fresh.SdEdit);
    } else {
        fresh.MeanEdit = m_Data.MeanEdit;
        fresh.SdEdit = m_Data.SdEdit;
    }
}

CTestingTwoSampleDlg::CTestingTwoSampleDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2255>(m_Data.SelectedVariableList);
    AddListPair({IDC_SOURCE_LIST, IDC_GROUP_LIST, IDC_GROUP_ADD, IDC_GROUP_REMOVE, kVariableTypeAny})
        .Lists(m_Data.ListOfVariablesList, m_Data.GroupVariablesList);
    FillComboFromResource(IDC_ALTERNATIVE_COMBO, CTestingTwoSampleData::kAlternativeCombo);
}

BOOL CTestingTwoSampleDlg::OnInitDialog() {
    CGUIBaseDlg::OnInitDialog();
    const UINT variant = GetDlgCaptionID();
    if (variant == CTestingTwoSampleData::kVariances)
        for (UINT id : {IDC_MULTIPLE_LABEL, IDC_BONFERRONI, IDC_DUNN_SIDAK})
            EnableCtrl(id, 0);
    if (variant == CTestingTwoSampleData::kVariances || variant == CTestingTwoSampleData::kTTest) {
        // Their zeros, judged a moment ago, mean nothing to these tests.
        for (UINT id = IDC_SD_ONE_EDIT; id <= IDC_SD_TWO_LABEL; ++id) {
            EnableCtrl(id, 0);
            ChangeColor(id, kColorWhite);
        }
    } else if (variant != CTestingTwoSampleData::kZTest)
        CTvkAssertDlg(L"TestingMeansDlg.cpp", __LINE__).DoPrint();
    return 1;
}

void CTestingTwoSampleDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Range(pDX, IDC_SD_ONE_EDIT, m_Data.SdOneEdit, 0.0, kNoMaximum, eExclusive, eNoValidation);
    DDX_Range(pDX, IDC_SD_TWO_EDIT, m_Data.SdTwoEdit, 0.0, kNoMaximum, eExclusive, eNoValidation);
    DDX_Confidence(*this, pDX, IDC_CONFIDENCE_EDIT, m_Data.ConfidenceEdit);
    DDX_Check(pDX, IDC_BONFERRONI, m_Data.BonferroniCheck);
    DDX_Check(pDX, IDC_DUNN_SIDAK, m_Data.DunnsidakCheck);
    DDX_CBIndex(pDX, IDC_ALTERNATIVE_COMBO, m_Data.AlternativeCombo);
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_SELECTED_LIST, IDC_GROUP_LIST});
    DDX_ControlWarn(pDX, IDC_GROUP_LIST, ValidateGroupVariable());
}

void CTestingTwoSampleDlg::UpdateDependentWindows() {
    CRecordDlg::UpdateDependentWindows();
    // A string variable can group, never be tested.
    if (IsStringVariablePresent(IDC_SOURCE_LIST))
        EnableCtrl(IDC_ADD, 0);
}

void CTestingTwoSampleDlg::OnCtrlChanged(UINT id) {
    CRecordDlg::OnCtrlChanged(id);
    if (id == IDC_ALTERNATIVE_COMBO)
        UpdateDependentWindows();
}

bool CTestingTwoSampleDlg::IsInputEmpty() const {
    return IsEditEmpty(*this, IDC_CONFIDENCE_EDIT);
}

UINT CTestingTwoSampleDlg::ValidateGroupVariable() const {
    const CGUIListCtrl& groups = ListCtrl(IDC_GROUP_LIST);
    if (groups.GetItemCount() == 0 || groups.GetState() == 1)
        return 0;
    IData* data = GetModuleData(L"TestingMeansDlg.cpp", __LINE__);
    if (!data)
        return 0;
    const int count = data->GetGroupCount(groups.GetItems().GetAt(0).GetVariableName());
    return GetDlgCaptionID() == CTestingTwoSampleData::kVariances && count > 2 ? kManyGroupsWarning : 0;
}
