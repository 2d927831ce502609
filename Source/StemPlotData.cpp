#include "Private/StemPlotData.h"

#include "Source/RecordRegistry.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkUseRes/CTvkAssertDlg.h"

void CStemPlotData::FillListSource() {
    CVariableList current;
    if (GetVariantID() == kColumnStem)
        CBaseGui::GetSourceVariable(current, kSourceNumericVariables, 0);
    else if (GetVariantID() == kRowStem)
        CBaseGui::GetSourceVarRowStats(current, 0);
    else
        CTvkAssertDlg(L"StemPlotData.cpp", __LINE__).DoPrint();
    UpdateCtrlList(ListOfVariablesList, current, 1);
}

void CStemPlotData::GetCommandInfoList(CCmdList& lines) const {
    if (GetVariantID() != kColumnStem && GetVariantID() != kRowStem)
        CTvkAssertDlg(L"StemPlotData.cpp", __LINE__).DoPrint();
    CString text = GetVariantID() == kRowStem ? L"RWSTEM " : L"CLSTEM ";
    AddVariables(text, SelectedVariableList, L" ");
    text += L"/";
    text += AddEditValueCmd(StemLinesEdit, L" LINES=", 1);
    CStringUtil::RemoveTrailingChar(text, L'/');
    if (!text.IsEmpty())
        lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CStemPlotData);
