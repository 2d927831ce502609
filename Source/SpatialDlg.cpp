#include "Private/SpatialDlg.h"

#include <limits>

#include "Source/OpenDlgCommon.h"

namespace {

constexpr double kUnbounded = std::numeric_limits<double>::max();

}  // namespace

CSpatialDlg::CSpatialDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    // Each coordinate and the value is one variable.
    const auto oneVariable = [this](UINT list, UINT add, UINT remove,
                                    CVariableList& variables) -> CListPair& {
        return AddListPair({IDC_SOURCE_LIST, list, add, remove, kVariableTypeNumeric})
            .Lists(m_Data.ListOfVariablesList, variables)
            .AtLeast(1, kVariableMessage)
            .AtMost(1, kOneVariableMessage)
            .ClosedWhenFull();
    };
    oneVariable(IDC_X_LIST, IDC_ADD_X, IDC_REMOVE_X, m_Data.XVariableList).Menu(IDC_LIST_MENU_LABEL);
    oneVariable(IDC_Y_LIST, IDC_ADD_Y, IDC_REMOVE_Y, m_Data.YVariableList);
    oneVariable(IDC_VALUE_LIST, IDC_ADD_VALUE, IDC_REMOVE_VALUE, m_Data.ValueVariableList);
    SetDblClkToAnyTarget(true);
}

void CSpatialDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_X_LIST, IDC_Y_LIST, IDC_VALUE_LIST});
    DDX_Check(pDX, IDC_DECLUSTER_CHECK, m_Data.DeclusterCheck);
    DDX_Range(pDX, IDC_CELL_SIZE_EDIT, m_Data.CellSizeEdit, 0.0, kUnbounded, eExclusive, eNoValidation);
}

void CSpatialVarioDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Range(pDX, IDC_LAGS_EDIT, m_Data.LagsEdit, 1, 100);
    DDX_OptionalRange(pDX, IDC_WIDTH_EDIT, m_Data.LagWidthEdit, CSpatialVarioData::GetDefaultLagWidthEdit(),
                      0.0, kUnbounded, eExclusive, eNoValidation);
    DDX_Check(pDX, IDC_DIRECTIONAL_CHECK, m_Data.DirectionalCheck);
    DDX_Range(pDX, IDC_DIRECTIONS_EDIT, m_Data.DirectionsEdit, 2, 12);
    DDX_Range(pDX, IDC_TOLERANCE_EDIT, m_Data.AngleToleranceEdit, 0.0, 90.0, eExclusive, eInclusive);
}

void CSpatialModelOptsDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_MODEL_COMBO, m_Data.ModelCombo);
    DDX_Check(pDX, IDC_FIT_CHECK, m_Data.FitCheck);
    DDX_Range(pDX, IDC_NUGGET_EDIT, m_Data.NuggetEdit, 0.0, kUnbounded, eInclusive, eNoValidation);
    // The nugget was exchanged above: the total sill lies above it.
    DDX_Range(pDX, IDC_SILL_EDIT, m_Data.SillEdit, m_Data.NuggetEdit.GetValue(), kUnbounded, eExclusive,
              eNoValidation);
    DDX_Range(pDX, IDC_RANGE_EDIT, m_Data.RangeEdit, 0.0, kUnbounded, eExclusive, eNoValidation);
}

void CSpatialKRigDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Radio(pDX, CSpatialKRigData::kTypeRadioGroup, m_Data.TypeRadio);
    DDX_STText(pDX, IDC_MEAN_EDIT, m_Data.MeanEdit);
    DDX_Range(pDX, IDC_MIN_POINTS_EDIT, m_Data.MinPointsEdit, 1, 100);
    // The fewest points were exchanged above: the most are no fewer.
    DDX_Range(pDX, IDC_MAX_POINTS_EDIT, m_Data.MaxPointsEdit, m_Data.MinPointsEdit.GetValue(),
              CSpatialKRigData::kMaximumPoints);
    DDX_OptionalRange(pDX, IDC_RADIUS_EDIT, m_Data.RadiusEdit, CSpatialKRigData::GetDefaultRadiusEdit(), 0.0,
                      kUnbounded, eExclusive, eNoValidation);
}

CSpatialGridDlg::CSpatialGridDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
}

void CSpatialGridDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_EXTENT_CHECK, m_Data.ExtentCheck);
    // Each maximum lies above its minimum, exchanged just before it.
    DDX_STText(pDX, IDC_XMIN_EDIT, m_Data.XMinEdit);
    DDX_Range(pDX, IDC_XMAX_EDIT, m_Data.XMaxEdit, m_Data.XMinEdit.GetValue(), kUnbounded, eExclusive,
              eNoValidation);
    DDX_STText(pDX, IDC_YMIN_EDIT, m_Data.YMinEdit);
    DDX_Range(pDX, IDC_YMAX_EDIT, m_Data.YMaxEdit, m_Data.YMinEdit.GetValue(), kUnbounded, eExclusive,
              eNoValidation);
    DDX_OptionalRange(pDX, IDC_SPACING_EDIT, m_Data.SpacingEdit, CSpatialGridData::GetDefaultSpacingEdit(),
                      0.0, kUnbounded, eExclusive, eNoValidation);
}
