#include "Private/MdsData.h"

#include <string_view>

#include "HostApi/HostServices.h"
#include "Source/RecordRegistry.h"
#include "Source/ScalingCommon.h"
#include "TvkBaseGui/CMatrixText.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

// The host asks nothing of its data's type: the data it has ready is case data (type 1), the only kind
// it loads, so a ready status stands for the type.
int GetHostDataType() {
    IGlobal* global = GetHostGlobal();
    return global ? global->GetDataStatus() : 0;
}

}  // namespace

CGUIData<int> CMdsData::GetDefaultRowsEdit() {
    CGUIData<int> rows(0);
    rows.SetSecond(2);
    return rows;
}

// The archive keeps the numbers and flags first, the lists last.
void CMdsData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    ar.Io(DimensionsEdit, PowerEdit, IterationsEdit, ConvergenceEdit, WeightCheck, SaveCheck, SplitRadio,
          LossRadio, ShapeRadio, RegressionCombo, SaveTypeCombo, SaveFileEdit, RowsEdit, ListOfVariablesList,
          SelectedVariablesList);
}

void CMdsData::ReassignDefaultValue() {
    IGlobal* global = GetHostGlobal();
    if (global && !global->QueryCurrentModule() && GetHostDataType() == 1)
        ShapeRadio = 1;
    if (GetAllValuesSwitch() && RowsEdit.GetSecond() == 0)
        return;
    if (RowsEdit.IsDefault()) {
        RowsEdit.SetValue(GetRowCount());
        RowsEdit.SetDefaultValue(GetRowCount());
    }
}

void CMdsData::FillListSource() {
    FillNumericSource(*this, ListOfVariablesList);
}

bool CMdsData::IsWeightCheckEnabled() const {
    const UINT shape = CRadioUtil::GetRadioItem(kShapeGroup, ShapeRadio);
    if (shape != kShapeRectangular && shape != kShapeSquare)
        return true;
    if (GetRowCount() / 2 < RowsEdit.GetValue())
        return true;
    return CRadioUtil::GetRadioItem(kSplitGroup, SplitRadio) != kSplitNone;
}

void CMdsData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kModule, lines);

    const UINT shape = CRadioUtil::GetRadioItem(kShapeGroup, ShapeRadio);
    CString model = L"MODEL ";
    AddVariables(model, SelectedVariablesList, L" ");
    if (shape == kShapeRectangular) {
        model += L" / ";
        model += AddEditValueCmd(RowsEdit, L" ROWS=", 1);
        model += L" SHAPE=RECT";
    } else if (shape == kShapeSquare) {
        model += L" / SHAPE=SQUARE";
    }
    lines.AddTail(CCmdInfo(model, 0));

    if (SaveCheck == 1)
        AddSaveCmd(SaveFileEdit, lines, CComboUtil::GetComboString(kSaveTypeCombo, SaveTypeCombo, 1), L"");

    const UINT loss = CRadioUtil::GetRadioItem(kLossGroup, LossRadio);
    CString estimate = L"ESTIMATE /  LOSS=";
    estimate += loss == kLossGuttman   ? L"GUTTMAN"
                : loss == kLossKruskal ? L"KRUSKAL"
                : loss == kLossYoung   ? L"YOUNG"
                                       : L"";
    estimate += AddEditValueCmd(DimensionsEdit, GetDefaultDimensionsEdit(), 0, L" DIM=", 1);
    estimate += AddEditValueCmd(PowerEdit, GetDefaultPowerEdit(), 0, L" R=", 1);
    estimate += AddEditValueCmd(IterationsEdit, GetDefaultIterationsEdit(), 0, L" ITER=", 1);
    if (loss == kLossKruskal || loss == kLossYoung)
        estimate += L" REGRESSION=" + CComboUtil::GetComboString(kRegressionCombo, RegressionCombo, 1);
    estimate += AddOnConditionCmd(L" WEIGHT", WeightCheck && IsWeightCheckEnabled());
    const UINT split = CRadioUtil::GetRadioItem(kSplitGroup, SplitRadio);
    const bool shaped = shape == kShapeSquare || shape == kShapeRectangular;
    if (shaped && split == kSplitMatrix)
        estimate += L" SPLIT=MATRIX";
    else if (shape == kShapeRectangular && split == kSplitRow)
        estimate += L" SPLIT=ROW";
    else if (shape == kShapeSquare && split == kSplitRow)
        CTvkAssertDlg(L"MdsData.cpp", __LINE__).DoPrint();
    estimate += AddEditValueCmd(ConvergenceEdit, GetDefaultConvergenceEdit(), 0, L" CONVERGE=", 1);
    lines.AddTail(CCmdInfo(estimate, 0));
}

CString CMdsConfigData::GetNextDimension(CString& text) {
    constexpr auto npos = std::wstring_view::npos;
    const auto dropSeparators = [](std::wstring_view v) {
        const auto at = v.find_first_not_of(L" \n;");
        return at == npos ? std::wstring_view() : v.substr(at);
    };
    std::wstring_view rest = text.str();
    const auto start = rest.find_first_of(L"-0123456789.;");
    rest = dropSeparators(start == npos ? std::wstring_view() : rest.substr(start));
    const auto end = rest.find_first_of(L";\n");
    if (end == npos) {
        CString row(rest);
        text.Empty();
        return row;
    }
    std::wstring_view row = rest.substr(0, end);
    // The character before a line feed is the edit control's carriage return.
    if (rest[end] == L'\n')
        row.remove_suffix(1);
    if (!row.empty() && row.back() == L';')
        row.remove_suffix(1);
    CString result(row);
    text = CString(dropSeparators(rest.substr(end)));
    return result;
}

CString CMdsConfigData::GetConfigParseCommandsEdit() const {
    CString text = ConfigEdit;
    CString rows;
    while (!text.IsEmpty()) {
        const CString row = GetNextDimension(text);
        if (row.str().find_first_of(L"-0123456789. ") == std::wstring_view::npos)
            continue;
        if (!rows.IsEmpty())
            rows += L'\n';
        rows += row;
    }
    return rows;
}

void CMdsConfigData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    SerializeOptions(ar);
}

void CMdsConfigData::GetCommandInfoList(CCmdList& lines) const {
    if (!GetParent()) {
        CTvkAssertDlg(L"MdsData.cpp", __LINE__).DoPrint();
        return;
    }
    const CMdsData* scaling = FindSisterPage<CMdsData>(*this);
    if (!scaling || scaling->GetSelectedVariableListCount() < 1)
        return;
    const UINT item = CRadioUtil::GetRadioItem(kSourceGroup, ConfigRadio);
    CString text;
    if (item == kSourceLast)
        text = L"CONFIG = LAST";
    else if (item == kSourceTyped)
        text = L"CONFIG " + GetSingleLineMatrixString(GetConfigParseCommandsEdit());
    if (text.IsEmpty())
        return;
    // Matched at the start of a line: a variable named SAVE... in the MODEL line must not draw the
    // configuration in front of the model.
    int at = CStringUtil::SearchStringAtBeginning(lines, L"SAVE");
    if (at < 0)
        at = CStringUtil::SearchStringAtBeginning(lines, L"ESTIMATE");
    CStringUtil::InsertStringAt(lines, text, at, nullptr);
}

REGISTER_RECORD(CMdsData);
REGISTER_RECORD(CMdsConfigData);
REGISTER_RECORD(CMdsTabData);
