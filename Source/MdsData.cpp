#include "Private/MdsData.h"

#include <climits>
#include <string_view>

#include "HostApi/HostServices.h"
#include "Private/OpenCommon.h"
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

// The archive keeps the numbers and flags first, the lists last.
int CMdsData::GetDimensionCount() const {
    return DimensionsEdit >= 0 && DimensionsEdit < INT_MAX ? static_cast<int>(DimensionsEdit) : 0;
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

std::wstring_view CMdsConfigData::NextRow(std::wstring_view& rest) {
    constexpr auto npos = std::wstring_view::npos;
    const auto dropSeparators = [](std::wstring_view v) {
        const auto at = v.find_first_not_of(L" \n;");
        return at == npos ? std::wstring_view() : v.substr(at);
    };
    const auto start = rest.find_first_of(L"-0123456789.;");
    rest = dropSeparators(start == npos ? std::wstring_view() : rest.substr(start));
    const auto end = rest.find_first_of(L";\n");
    if (end == npos) {
        const std::wstring_view row = rest;
        rest = {};
        return row;
    }
    std::wstring_view row = rest.substr(0, end);
    // The character before a line feed is the edit control's carriage return.
    if (rest[end] == L'\n')
        row.remove_suffix(1);
    if (!row.empty() && row.back() == L';')
        row.remove_suffix(1);
    rest = dropSeparators(rest.substr(end));
    return row;
}

CString CMdsConfigData::GetNextDimension(CString& text) {
    std::wstring_view rest = text.str();
    const CString row(NextRow(rest));
    text = CString(rest);
    return row;
}

bool CMdsConfigData::IsRowOfNumbers(std::wstring_view row, int count) {
    const auto isDigit = [&](std::size_t i) { return i < row.size() && row[i] >= L'0' && row[i] <= L'9'; };
    const auto digitsFrom = [&](std::size_t i) {
        while (isDigit(i))
            ++i;
        return i;
    };
    std::size_t i = 0;
    while (i < row.size()) {
        if (row[i] == L'-')
            ++i;
        if (!isDigit(i))
            return false;
        i = digitsFrom(i);
        if (i < row.size() && row[i] == L'.') {
            if (!isDigit(++i))
                return false;
            i = digitsFrom(i);
        }
        // A second sign or point, or any other character, glued to the number.
        if (i < row.size() && row[i] != L' ')
            return false;
        while (i < row.size() && row[i] == L' ')
            ++i;
        --count;
    }
    return count == 0;
}

CString CMdsConfigData::GetConfigParseCommandsEdit() const {
    std::wstring_view text = ConfigEdit.str();
    std::wstring rows;
    while (!text.empty()) {
        const std::wstring_view row = NextRow(text);
        if (row.find_first_of(L"-0123456789. ") == std::wstring_view::npos)
            continue;
        if (!rows.empty())
            rows += L'\n';
        rows += row;
    }
    return CString(std::move(rows));
}

CString CMdsConfigData::GetCountedRowsText(int dimensions) const {
    CString text;
    text.Reserve(ConfigEdit.str().size());
    ForEachCountedRow(ConfigEdit.str(), dimensions, [&text](std::wstring_view row) {
        if (!text.IsEmpty())
            text += L'\n';
        // A correct row holds numbers and blanks only, a "-" only in front of a number; a zero loses
        // its sign on the way to the line. Runs between are copied whole.
        std::size_t from = 0;
        for (auto minus = row.find(L'-'); minus != std::wstring_view::npos;
             minus = row.find(L'-', minus + 1)) {
            const std::wstring_view digits = row.substr(minus + 1, row.find(L' ', minus) - minus - 1);
            if (digits.find_first_not_of(L"0.") == std::wstring_view::npos) {
                text.Append(row.substr(from, minus - from));
                from = minus + 1;
            }
        }
        text.Append(row.substr(from));
    });
    return text;
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
    else if (item == kSourceTyped) {
        // Only the rows the dialog's check counts: a row it refused never reaches the kernel.
        const CString rows = GetCountedRowsText(scaling->GetDimensionCount());
        if (!rows.IsEmpty())
            text = L"CONFIG " + GetSingleLineMatrixString(rows);
    }
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
