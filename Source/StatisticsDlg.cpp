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
    int CStatisticsData::*member;
};

// Every check box of the page but the save box (the save-file pair's) with the option it edits, in the
// options' declared order.
constexpr CheckBinding kChecks[] = {
    {CStatisticsDlg::IDC_ALL_OPTIONS, &CStatisticsData::AllOptionsCheck},
    {CStatisticsDlg::IDC_N, &CStatisticsData::NCheck},
    {CStatisticsDlg::IDC_MINIMUM, &CStatisticsData::MinimumCheck},
    {CStatisticsDlg::IDC_MAXIMUM, &CStatisticsData::MaximumCheck},
    {CStatisticsDlg::IDC_SUM, &CStatisticsData::SumCheck},
    {CStatisticsDlg::IDC_SHAPIRO_WILK, &CStatisticsData::ShapiroWilkCheck},
    {CStatisticsDlg::IDC_ANDERSON_DARLING, &CStatisticsData::AndersonDarlingCheck},
    {CStatisticsDlg::IDC_MSKEWNESS, &CStatisticsData::MultivariateMskewnessCheck},
    {CStatisticsDlg::IDC_MKURTOSIS, &CStatisticsData::MultivariateMkurtosisCheck},
    {CStatisticsDlg::IDC_HZTEST, &CStatisticsData::MultivariateHztestCheck},
    {CStatisticsDlg::IDC_MEAN, &CStatisticsData::MeanCheck},
    {CStatisticsDlg::IDC_SEM, &CStatisticsData::SemCheck},
    {CStatisticsDlg::IDC_CIM, &CStatisticsData::CimCheck},
    {CStatisticsDlg::IDC_GM, &CStatisticsData::GmCheck},
    {CStatisticsDlg::IDC_HM, &CStatisticsData::HmCheck},
    {CStatisticsDlg::IDC_TRMEAN, &CStatisticsData::TrmeanCheck},
    {CStatisticsDlg::IDC_MEDIAN, &CStatisticsData::MedianCheck},
    {CStatisticsDlg::IDC_SD, &CStatisticsData::SdCheck},
    {CStatisticsDlg::IDC_CV, &CStatisticsData::CvCheck},
    {CStatisticsDlg::IDC_RANGE, &CStatisticsData::RangeCheck},
    {CStatisticsDlg::IDC_VARIANCE, &CStatisticsData::VarianceCheck},
    {CStatisticsDlg::IDC_SKEWNESS, &CStatisticsData::SkewnessCheck},
    {CStatisticsDlg::IDC_SES, &CStatisticsData::SesCheck},
    {CStatisticsDlg::IDC_KURTOSIS, &CStatisticsData::KurtosisCheck},
    {CStatisticsDlg::IDC_SEK, &CStatisticsData::SekCheck},
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

// Every exchanged box but the all-options box itself is a statistic or a test.
bool IsStatisticsBox(UINT id) {
    return id != CStatisticsDlg::IDC_ALL_OPTIONS &&
           std::any_of(std::begin(kChecks), std::end(kChecks),
                       [id](const CheckBinding& b) { return b.control == id; });
}

bool IsValidVariant(UINT id) {
    return id == CStatisticsData::kColumnStatistics || id == CStatisticsData::kRowStatistics;
}

// The page as its composite makes it, with the variant's sum and SD defaults.
CStatisticsData CompositeDefaults(UINT variant) {
    return variant == CStatisticsData::kRowStatistics ? CRowStatisticsTabData::GetDefaultStatistics()
                                                      : CStatisticsTabData::GetDefaultStatistics();
}

CString TrimmingToolTip(int trmeanCombo) {
    return trmeanCombo != 0 ? L"(0.0, 1.0)" : L"(0.0, 0.5)";
}

}  // namespace

CStatisticsDlg::CStatisticsDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2229>(m_Data.SelectedVariableList).ResetToEmpty();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillComboFromResource(IDC_SAVE_COMBO, CStatisticsData::kSaveCombo);
    FillComboFromResource(IDC_TRMEAN_COMBO, CStatisticsData::kTrimRegionCombo);
}

void CStatisticsDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    // Every edit is read before either range is checked, so a text that is no number is the first
    // thing reported.
    DDX_STText(pDX, IDC_CIM_EDIT, m_Data.CimEdit);
    DDX_STText(pDX, IDC_TRMEAN_EDIT, m_Data.TrmeanEdit);
    for (const CheckBinding& b : kChecks)
        DDX_Check(pDX, b.control, m_Data.*b.member);
    DDX_CBIndex(pDX, IDC_SAVE_COMBO, m_Data.SaveFileCombo);
    DDX_CBIndex(pDX, IDC_TRMEAN_COMBO, m_Data.TrmeanCombo);

    DDV_MinMaxDouble(pDX, IDC_CIM_EDIT, m_Data.CimEdit, 0.0, 100.0, eExclusive, eExclusive);
    // Trimming one tail only may take up to the whole sample; trimming both, up to half of it.
    const double maximumTrim = m_Data.TrmeanCombo == 1 || m_Data.TrmeanCombo == 2 ? 1.0 : 0.5;
    CheckRange(pDX, IDC_TRMEAN_EDIT, m_Data.TrmeanEdit.GetValue(), 0.0, maximumTrim, eExclusive, eExclusive,
               0);
}

void CStatisticsDlg::KeepOnDefault(CStatisticsData& fresh) {
    const UINT variant = GetRecord() ? GetRecord()->GetVariantID() : 0;
    if (!IsValidVariant(variant))
        CTvkAssertDlg(L"StatisticsDlg.cpp", __LINE__).DoPrint();
    fresh = CompositeDefaults(variant);
    CRecordDlg::KeepOnDefault(fresh);
}

int CStatisticsDlg::SetAllDefault() {
    if (CStatisticsData* r = GetRecord())
        *r = CompositeDefaults(r->GetVariantID());
    return 1;
}

void CStatisticsDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_TRMEAN_EDIT, TrimmingToolTip(m_Data.TrmeanCombo), 0);
}

void CStatisticsDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    if (!HasWindow())
        return;
    EnableCtrl(IDC_CIM_EDIT, IsCtrlChecked(IDC_CIM));
    EnableTrimming();
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

void CStatisticsDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (id == IDC_TRMEAN_COMBO) {
        m_Data.TrmeanCombo = Ctrl(IDC_TRMEAN_COMBO).m_nComboIndex;
        AddToolTip(IDC_TRMEAN_EDIT, TrimmingToolTip(m_Data.TrmeanCombo), 0);
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
        m_Data.BootStrapChecked = page->IsCtrlChecked(kResamplingCheck) ? 1 : 0;
        return;
    }
    // A resampling page never shown has no check to read; its record holds what it would show.
    if (CStatisticsData* r = GetRecord(); r && r->ReadResamplingPage())
        m_Data.BootStrapChecked = r->BootStrapChecked;
}

BOOL CStatisticsDlg::OKLike() {
    CStatisticsData* r = GetRecord();
    if (r && IsValidVariant(r->GetVariantID())) {
        ReadResamplingPage();
        if (!HasWindow())
            r->BootStrapChecked = m_Data.BootStrapChecked;
        r->SetConfirmed(1);
    } else {
        CTvkAssertDlg(L"StatisticsDlg.cpp", __LINE__).DoPrint();
    }
    return CGUIBaseDlg::OKLike();
}
