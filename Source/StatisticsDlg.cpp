#include "Private/StatisticsDlg.h"

#include <algorithm>
#include <iterator>

#include "Private/StatisticsTabData.h"
#include "Private/TabDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"
#include "TvkUseRes/CTvkAssertDlg.h"

std::map<UINT, int> CStatisticsDlg::m_mapIDS2State;

namespace {

struct CheckBinding {
    UINT control;
    int CStatisticsDlg::*member;
};

// Every check box of the page with the option it edits, in the options' declared order.
constexpr CheckBinding kChecks[] = {
    {CStatisticsDlg::IDC_ALL_OPTIONS, &CStatisticsDlg::m_AllOptionsCheck},
    {CStatisticsDlg::IDC_N, &CStatisticsDlg::m_NCheck},
    {CStatisticsDlg::IDC_MINIMUM, &CStatisticsDlg::m_MinimumCheck},
    {CStatisticsDlg::IDC_MAXIMUM, &CStatisticsDlg::m_MaximumCheck},
    {CStatisticsDlg::IDC_SUM, &CStatisticsDlg::m_SumCheck},
    {CStatisticsDlg::IDC_SHAPIRO_WILK, &CStatisticsDlg::m_ShapiroWilkCheck},
    {CStatisticsDlg::IDC_ANDERSON_DARLING, &CStatisticsDlg::m_AndersonDarlingCheck},
    {CStatisticsDlg::IDC_MSKEWNESS, &CStatisticsDlg::m_MultivariateMskewnessCheck},
    {CStatisticsDlg::IDC_MKURTOSIS, &CStatisticsDlg::m_MultivariateMkurtosisCheck},
    {CStatisticsDlg::IDC_HZTEST, &CStatisticsDlg::m_MultivariateHztestCheck},
    {CStatisticsDlg::IDC_MEAN, &CStatisticsDlg::m_MeanCheck},
    {CStatisticsDlg::IDC_SEM, &CStatisticsDlg::m_SemCheck},
    {CStatisticsDlg::IDC_CIM, &CStatisticsDlg::m_CimCheck},
    {CStatisticsDlg::IDC_GM, &CStatisticsDlg::m_GmCheck},
    {CStatisticsDlg::IDC_HM, &CStatisticsDlg::m_HmCheck},
    {CStatisticsDlg::IDC_TRMEAN, &CStatisticsDlg::m_TrmeanCheck},
    {CStatisticsDlg::IDC_MEDIAN, &CStatisticsDlg::m_MedianCheck},
    {CStatisticsDlg::IDC_SD, &CStatisticsDlg::m_SdCheck},
    {CStatisticsDlg::IDC_CV, &CStatisticsDlg::m_CvCheck},
    {CStatisticsDlg::IDC_RANGE, &CStatisticsDlg::m_RangeCheck},
    {CStatisticsDlg::IDC_VARIANCE, &CStatisticsDlg::m_VarianceCheck},
    {CStatisticsDlg::IDC_SKEWNESS, &CStatisticsDlg::m_SkewnessCheck},
    {CStatisticsDlg::IDC_SES, &CStatisticsDlg::m_SesCheck},
    {CStatisticsDlg::IDC_KURTOSIS, &CStatisticsDlg::m_KurtosisCheck},
    {CStatisticsDlg::IDC_SEK, &CStatisticsDlg::m_SekCheck},
    {CStatisticsDlg::IDC_SAVE_CHECK, &CStatisticsDlg::m_SaveFileCheck},
};

// The single statistics the all-options box checks, in the order it goes through them.
constexpr UINT kAllOptionsBoxes[] = {
    CStatisticsDlg::IDC_N,        CStatisticsDlg::IDC_MEAN,    CStatisticsDlg::IDC_SD,
    CStatisticsDlg::IDC_SKEWNESS, CStatisticsDlg::IDC_MINIMUM, CStatisticsDlg::IDC_SEM,
    CStatisticsDlg::IDC_CV,       CStatisticsDlg::IDC_SES,     CStatisticsDlg::IDC_MAXIMUM,
    CStatisticsDlg::IDC_CIM,      CStatisticsDlg::IDC_RANGE,   CStatisticsDlg::IDC_KURTOSIS,
    CStatisticsDlg::IDC_SUM,      CStatisticsDlg::IDC_MEDIAN,  CStatisticsDlg::IDC_VARIANCE,
    CStatisticsDlg::IDC_SEK,      CStatisticsDlg::IDC_GM,      CStatisticsDlg::IDC_HM,
    CStatisticsDlg::IDC_TRMEAN,
};

// The boxes whose own click refreshes the dependent controls.
constexpr UINT kRefreshingBoxes[] = {
    CStatisticsDlg::IDC_ANDERSON_DARLING,
    CStatisticsDlg::IDC_MSKEWNESS,
    CStatisticsDlg::IDC_MKURTOSIS,
    CStatisticsDlg::IDC_HZTEST,
    CStatisticsDlg::IDC_CIM,
    CStatisticsDlg::IDC_GM,
    CStatisticsDlg::IDC_HM,
    CStatisticsDlg::IDC_TRMEAN,
};

template <std::size_t N>
bool Contains(const UINT (&ids)[N], UINT id) {
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

// Every box but the all-options box itself and the save box is a statistic or a test.
bool IsStatisticsBox(UINT id) {
    return id != CStatisticsDlg::IDC_ALL_OPTIONS && id != CStatisticsDlg::IDC_SAVE_CHECK &&
           std::any_of(std::begin(kChecks), std::end(kChecks),
                       [id](const CheckBinding& b) { return b.control == id; });
}

bool IsValidVariant(UINT id) {
    return id == CStatisticsData::kColumnStatistics || id == CStatisticsData::kRowStatistics;
}

CString TrimmingToolTip(int trmeanCombo) {
    return trmeanCombo != 0 ? L"(0.0, 1.0)" : L"(0.0, 0.5)";
}

}  // namespace

CStatisticsDlg::CStatisticsDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeAny});
    SetSaveFilePair(IDC_SAVE_CHECK, IDC_SAVE_FILE);
}

BOOL CStatisticsDlg::OnInitDialog() {
    FillComboFromResource(IDC_SAVE_COMBO, CStatisticsData::kSaveCombo);
    FillComboFromResource(IDC_TRMEAN_COMBO, CStatisticsData::kTrimRegionCombo);
    CGUIBaseDlg::OnInitDialog();
    CreateListCtrlMenu(IDC_SOURCE_LIST, IDC_LIST_MENU_LABEL);
    Ctrl(IDC_CIM_EDIT).m_bNoMinus = true;
    return 1;
}

void CStatisticsDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_ListOfVariablesList);
    DDX_ListCtrlArray(pDX, IDC_SELECTED_LIST, m_SelectedVariableList);
    DDX_STText(pDX, IDC_CIM_EDIT, m_CimEdit);
    DDX_STText(pDX, IDC_TRMEAN_EDIT, m_TrmeanEdit);
    for (const CheckBinding& b : kChecks)
        DDX_Check(pDX, b.control, this->*b.member);
    DDX_CBIndex(pDX, IDC_SAVE_COMBO, m_SaveFileCombo);
    DDX_CBIndex(pDX, IDC_TRMEAN_COMBO, m_TrmeanCombo);
    DDX_Text(pDX, IDC_SAVE_FILE, m_SaveFileEdit);
    DDX_FileEditCtrl(pDX, IDC_SAVE_FILE, m_SaveFileEdit, 1, 1, 0, L".tvz", L"", 0);

    DDV_MinMaxDouble(pDX, IDC_CIM_EDIT, m_CimEdit, 0.0, 100.0, eExclusive, eExclusive);
    // Trimming one tail only may take up to the whole sample; trimming both, up to half of it.
    const double maximumTrim = m_TrmeanCombo == 1 || m_TrmeanCombo == 2 ? 1.0 : 0.5;
    CheckRange(pDX, IDC_TRMEAN_EDIT, m_TrmeanEdit.GetValue(), 0.0, maximumTrim, eExclusive, eExclusive, 0);
}

int CStatisticsDlg::GetAll() {
    CStatisticsData* r = GetRecord();
    return r ? r->GetAll(m_ListOfVariablesList, m_SelectedVariableList, m_CimEdit, m_TrmeanEdit,
                         m_AllOptionsCheck, m_NCheck, m_MinimumCheck, m_MaximumCheck, m_SumCheck,
                         m_ShapiroWilkCheck, m_AndersonDarlingCheck, m_MultivariateMskewnessCheck,
                         m_MultivariateMkurtosisCheck, m_MultivariateHztestCheck, m_MeanCheck, m_SemCheck,
                         m_CimCheck, m_GmCheck, m_HmCheck, m_TrmeanCheck, m_MedianCheck, m_SdCheck, m_CvCheck,
                         m_RangeCheck, m_VarianceCheck, m_SkewnessCheck, m_SesCheck, m_KurtosisCheck,
                         m_SekCheck, m_SaveFileCheck, m_SaveFileCombo, m_TrmeanCombo, m_SaveFileEdit,
                         m_BootStrapChecked)
             : 0;
}

int CStatisticsDlg::SetAll() {
    CStatisticsData* r = GetRecord();
    return r ? r->SetAll(m_ListOfVariablesList, m_SelectedVariableList, m_CimEdit, m_TrmeanEdit,
                         m_AllOptionsCheck, m_NCheck, m_MinimumCheck, m_MaximumCheck, m_SumCheck,
                         m_ShapiroWilkCheck, m_AndersonDarlingCheck, m_MultivariateMskewnessCheck,
                         m_MultivariateMkurtosisCheck, m_MultivariateHztestCheck, m_MeanCheck, m_SemCheck,
                         m_CimCheck, m_GmCheck, m_HmCheck, m_TrmeanCheck, m_MedianCheck, m_SdCheck, m_CvCheck,
                         m_RangeCheck, m_VarianceCheck, m_SkewnessCheck, m_SesCheck, m_KurtosisCheck,
                         m_SekCheck, m_SaveFileCheck, m_SaveFileCombo, m_TrmeanCombo, m_SaveFileEdit,
                         m_BootStrapChecked)
             : 0;
}

int CStatisticsDlg::GetAllDefault() {
    const UINT variant = GetRecord() ? GetRecord()->GetDialogID() : 0;
    if (!IsValidVariant(variant))
        CTvkAssertDlg(L"StatisticsDlg.cpp", __LINE__).DoPrint();
    // The composite's default page has the variant's sum and SD defaults.
    const CStatisticsData defaults = variant == CStatisticsData::kRowStatistics
                                         ? CRowStatisticsTabData::GetDefaultStatistics()
                                         : CStatisticsTabData::GetDefaultStatistics();
    // The source list is the data's, not an option with a default.
    const CVariableList source = m_ListOfVariablesList;
    defaults.GetAll(m_ListOfVariablesList, m_SelectedVariableList, m_CimEdit, m_TrmeanEdit, m_AllOptionsCheck,
                    m_NCheck, m_MinimumCheck, m_MaximumCheck, m_SumCheck, m_ShapiroWilkCheck,
                    m_AndersonDarlingCheck, m_MultivariateMskewnessCheck, m_MultivariateMkurtosisCheck,
                    m_MultivariateHztestCheck, m_MeanCheck, m_SemCheck, m_CimCheck, m_GmCheck, m_HmCheck,
                    m_TrmeanCheck, m_MedianCheck, m_SdCheck, m_CvCheck, m_RangeCheck, m_VarianceCheck,
                    m_SkewnessCheck, m_SesCheck, m_KurtosisCheck, m_SekCheck, m_SaveFileCheck,
                    m_SaveFileCombo, m_TrmeanCombo, m_SaveFileEdit, m_BootStrapChecked);
    m_ListOfVariablesList = source;
    SetAll();
    GetAll();
    return 1;
}

int CStatisticsDlg::SetAllDefault() {
    if (CStatisticsData* r = GetRecord())
        *r = r->GetDialogID() == CStatisticsData::kRowStatistics
                 ? CRowStatisticsTabData::GetDefaultStatistics()
                 : CStatisticsTabData::GetDefaultStatistics();
    return 1;
}

void CStatisticsDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_CIM_EDIT, L"(0.0, 100.0)", 0);
    AddToolTip(IDC_TRMEAN_EDIT, TrimmingToolTip(m_TrmeanCombo), 0);
}

void CStatisticsDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    if (!HasWindow())
        return;
    EnableCtrl(IDC_CIM_EDIT, IsCtrlChecked(IDC_CIM));
    EnableTrimming();
    EnableCtrl(IDC_SAVE_COMBO, IsCtrlChecked(IDC_SAVE_CHECK));
    const int selected = ListCtrl(IDC_SELECTED_LIST).GetItemCount();
    const int source = ListCtrl(IDC_SOURCE_LIST).GetItemCount();
    const bool multivariate = selected >= 2 || (selected == 0 && source >= 2);
    for (UINT id : {IDC_MSKEWNESS, IDC_MKURTOSIS, IDC_HZTEST, IDC_MULTIVARIATE_LABEL})
        EnableCtrl(id, multivariate);
}

void CStatisticsDlg::EnableTrimming() {
    const BOOL trimming = IsCtrlChecked(IDC_TRMEAN) && IsCtrlEnabled(IDC_TRMEAN);
    EnableCtrl(IDC_TRMEAN_EDIT, trimming);
    EnableCtrl(IDC_TRMEAN_COMBO, trimming);
}

void CStatisticsDlg::OnReset() {
    CGUIBaseDlg::OnReset();
    ListCtrl(IDC_SELECTED_LIST).ResetOptions();
}

void CStatisticsDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id == IDC_TRMEAN_COMBO) {
        m_TrmeanCombo = Ctrl(IDC_TRMEAN_COMBO).m_nComboIndex;
        AddToolTip(IDC_TRMEAN_EDIT, TrimmingToolTip(m_TrmeanCombo), 0);
    }
}

void CStatisticsDlg::OnCtrlClicked(UINT id) {
    if (id == IDC_ALL_OPTIONS) {
        OnAllOptionsCheck();
        return;
    }
    if (!IsStatisticsBox(id)) {
        CGUIBaseDlg::OnCtrlClicked(id);
        return;
    }
    // A single statistic taken away means "not all" any more; nothing kept is given back.
    if (!IsCtrlChecked(id) && IsCtrlChecked(IDC_ALL_OPTIONS))
        SetCtrlChecked(IDC_ALL_OPTIONS, 0);
    if (id == IDC_TRMEAN)
        EnableTrimming();
    if (Contains(kRefreshingBoxes, id))
        UpdateDependentWindows();
}

void CStatisticsDlg::OnAllOptionsCheck() {
    const bool all = IsCtrlChecked(IDC_ALL_OPTIONS) != 0;
    for (UINT id : kAllOptionsBoxes)
        UpdateMap(id, all);
    // The confidence edit follows the all-options box here, not the confidence box, until the next
    // refresh of the dependent controls.
    EnableCtrl(IDC_CIM_EDIT, all);
    EnableTrimming();
}

void CStatisticsDlg::UpdateMap(UINT id, bool allOptions) {
    if (allOptions) {
        m_mapIDS2State[id] = IsCtrlChecked(id);
        SetCtrlChecked(id, 1);
        return;
    }
    if (const auto it = m_mapIDS2State.find(id); it != m_mapIDS2State.end())
        SetCtrlChecked(id, it->second);
}

void CStatisticsDlg::ReadResamplingPage() {
    CGUIBaseDlg* parent = GetParentDlgWindow();
    if (!parent)
        CTvkAssertDlg(L"StatisticsDlg.cpp", __LINE__).DoPrint();
    const auto* tab = dynamic_cast<CTabDlgBase*>(parent);
    if (const CBootStrapDlg* page = tab ? tab->FindPage<CBootStrapDlg>() : nullptr;
        page && page->HasWindow()) {
        m_BootStrapChecked = page->IsCtrlChecked(kResamplingCheck) ? 1 : 0;
        return;
    }
    // A resampling page never shown has no check to read; its record holds what it would show.
    if (CStatisticsData* r = GetRecord(); r && r->ReadResamplingPage())
        m_BootStrapChecked = r->BootStrapChecked;
}

BOOL CStatisticsDlg::OKLike() {
    CStatisticsData* r = GetRecord();
    if (r && IsValidVariant(r->GetDialogID())) {
        ReadResamplingPage();
        if (!HasWindow())
            r->BootStrapChecked = m_BootStrapChecked;
        r->SetConfirmed(1);
    } else {
        CTvkAssertDlg(L"StatisticsDlg.cpp", __LINE__).DoPrint();
    }
    return CGUIBaseDlg::OKLike();
}
