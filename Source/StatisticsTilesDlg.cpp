#include "Private/StatisticsTilesDlg.h"

#include <algorithm>
#include <iterator>

#include "TvkUseRes/CTvkAssertDlg.h"
#include "TvkUseRes/ResourceTables.h"

std::map<UINT, int> CStatisticsTilesDlg::m_mapIDS2State;

namespace {

struct CheckBinding {
    UINT control;
    int CStatisticsTilesData::*member;
};

constexpr CheckBinding kChecks[] = {
    {CStatisticsTilesDlg::IDC_NTILE_CHECK, &CStatisticsTilesData::NTileCheck},
    {CStatisticsTilesDlg::IDC_PERCENTILE_CHECK, &CStatisticsTilesData::PercentileCheck},
    {CStatisticsTilesDlg::IDC_ALL_METHODS, &CStatisticsTilesData::AllOptionsCheck},
    {CStatisticsTilesDlg::IDC_CLEVELAND, &CStatisticsTilesData::ClevelandCheck},
    {CStatisticsTilesDlg::IDC_WTDAVG1, &CStatisticsTilesData::WeightedAvgOneCheck},
    {CStatisticsTilesDlg::IDC_CLOSEST, &CStatisticsTilesData::ClosestCheck},
    {CStatisticsTilesDlg::IDC_EMPCDF, &CStatisticsTilesData::EmpiricalCdfCheck},
    {CStatisticsTilesDlg::IDC_WTDAVG2, &CStatisticsTilesData::WeightedAvgTwoCheck},
    {CStatisticsTilesDlg::IDC_EMPCDFAVG, &CStatisticsTilesData::EmpiricalCdfAvgCheck},
    {CStatisticsTilesDlg::IDC_WTDAVG3, &CStatisticsTilesData::WeightedAvgThreeCheck},
};

// The estimation methods, in the order the all-methods box goes through them.
constexpr UINT kMethodBoxes[] = {
    CStatisticsTilesDlg::IDC_CLEVELAND, CStatisticsTilesDlg::IDC_WTDAVG1, CStatisticsTilesDlg::IDC_CLOSEST,
    CStatisticsTilesDlg::IDC_EMPCDF,    CStatisticsTilesDlg::IDC_WTDAVG2, CStatisticsTilesDlg::IDC_EMPCDFAVG,
    CStatisticsTilesDlg::IDC_WTDAVG3,
};

bool IsMethodBox(UINT id) {
    return std::find(std::begin(kMethodBoxes), std::end(kMethodBoxes), id) != std::end(kMethodBoxes);
}

}  // namespace

CStatisticsTilesDlg::CStatisticsTilesDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2230>(m_Data.SelectedVarList);
}

void CStatisticsTilesDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Range(pDX, IDC_NTILE_EDIT, m_Data.NTileEdit, 2, 100);
    DDX_Text(pDX, IDC_PERCENTILE_EDIT, m_Data.PercentileEdit);
    DDX_Text(pDX, IDC_VALUES_EDIT, m_Data.ValuesEdit);
    for (const CheckBinding& b : kChecks)
        DDX_Check(pDX, b.control, m_Data.*b.member);
}

int CStatisticsTilesDlg::SetAllDefault() {
    if (CStatisticsTilesData* r = GetRecord()) {
        // The page keeps the variant its composite gave it.
        const UINT variant = r->GetVariantID();
        *r = CStatisticsTilesData();
        r->SetVariantID(variant);
    }
    return 1;
}

void CStatisticsTilesDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddToolTip(IDC_PERCENTILE_EDIT, GetString(kPercentileToolTip), 0);
}

void CStatisticsTilesDlg::UpdateDependentWindows() {
    if (HasWindow()) {
        const BOOL nTiles = IsCtrlChecked(IDC_NTILE_CHECK);
        const BOOL percentiles = IsCtrlChecked(IDC_PERCENTILE_CHECK);
        for (UINT id : {IDC_METHOD_LABEL, IDC_ALL_METHODS})
            EnableCtrl(id, nTiles || percentiles);
        for (UINT id : kMethodBoxes)
            EnableCtrl(id, nTiles || percentiles);
        for (UINT id : {IDC_NTILE_EDIT, IDC_NTILE_LABEL, IDC_SOURCE_LIST, IDC_SELECTED_LIST,
                        IDC_CLASSIFY_GROUP, IDC_LIST_MENU_LABEL, IDC_VALUES_LABEL, IDC_VALUES_EDIT})
            EnableCtrl(id, nTiles);
        EnableCtrl(IDC_PERCENTILE_EDIT, percentiles);
    }
    // The list buttons last: they follow the lists' own enabling.
    CGUIBaseDlg::UpdateDependentWindows();
}

void CStatisticsTilesDlg::OnCtrlClicked(UINT id) {
    if (id == IDC_ALL_METHODS) {
        OnAllOptionsCheck();
        return;
    }
    if (IsMethodBox(id)) {
        if (!IsCtrlChecked(id) && IsCtrlChecked(IDC_ALL_METHODS))
            SetCtrlChecked(IDC_ALL_METHODS, 0);
        return;
    }
    CGUIBaseDlg::OnCtrlClicked(id);
}

void CStatisticsTilesDlg::OnAllOptionsCheck() {
    const bool all = IsCtrlChecked(IDC_ALL_METHODS) != 0;
    for (UINT id : kMethodBoxes)
        UpdateMap(id, all);
}

void CStatisticsTilesDlg::UpdateMap(UINT id, bool allMethods) {
    if (allMethods) {
        m_mapIDS2State[id] = IsCtrlChecked(id);
        SetCtrlChecked(id, 1);
        return;
    }
    if (const auto it = m_mapIDS2State.find(id); it != m_mapIDS2State.end())
        SetCtrlChecked(id, it->second);
}

BOOL CStatisticsTilesDlg::OKLike() {
    const CStatisticsTilesData* r = GetRecord();
    if (!r || (r->GetVariantID() != CStatisticsTilesData::kColumnTiles &&
               r->GetVariantID() != CStatisticsTilesData::kRowTiles))
        CTvkAssertDlg(L"StatisticsTilesDlg.cpp", __LINE__).DoPrint();
    return CGUIBaseDlg::OKLike();
}
