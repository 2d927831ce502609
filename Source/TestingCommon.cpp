#include "Private/TestingCommon.h"

#include "Source/CDlgStat1.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

constexpr UINT kAlternativeGreater = 12267;
constexpr UINT kAlternativeLess = 12334;
constexpr double kDefaultConfidence = 0.95;

}  // namespace

void FillSourceList(CGUIBaseObj& record, CVariableList& source, int kind) {
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kind, 0);
    record.UpdateCtrlList(source, current, 1);
}

CString AlternativeClause(UINT combo, int index, const CString& keyword) {
    const UINT item = CComboUtil::GetComboItem(combo, index);
    if (item != kAlternativeGreater && item != kAlternativeLess)
        return {};
    return keyword + CComboUtil::GetComboString(combo, index);
}

CString ConfidenceClause(const CGUIData<double>& confidence) {
    return CGUIBaseObj::AddEditValueCmd(confidence, CGUIData<double>(kDefaultConfidence), 0, L" CONF = ", 1);
}

IData* GetModuleData(const wchar_t* file, long line) {
    IData* data = g_pDlgStat1 ? g_pDlgStat1->GetData() : nullptr;
    if (!data)
        CTvkAssertDlg(file, line).DoPrint();
    return data;
}

void DDX_Confidence(CGUIBaseDlg& dlg, CDataExchange* pDX, UINT edit, CGUIData<double>& confidence) {
    if (pDX->m_bSaveAndValidate && CStringUtil::IsEmpty(dlg.GetCtrlWindowText(edit)))
        return;
    dlg.DDX_Range(pDX, edit, confidence, 0.0, 1.0, eExclusive, eExclusive);
}

bool CAddRuledDlg::MouseMoveListCtrlHelper(UINT from, UINT over) {
    for (const auto& pair : GetListPairs())
        if (pair.source == from && pair.target == over && !IsCtrlEnabled(pair.addButton))
            return false;
    return CGUIBaseDlg::MouseMoveListCtrlHelper(from, over);
}
