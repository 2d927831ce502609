#include "Private/LogLinZeroDlg.h"

#include "HostApi/HostServices.h"
#include "Private/LogLinDlg.h"
#include "Private/TabData.h"
#include "Private/TabDlg.h"
#include "Source/TablesDlgCommon.h"

CLogLinZeroDlg::CLogLinZeroDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_INDICATOR_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeNumeric})
        .Lists(m_Data.ListOfVariablesList, m_Data.IndicatorVariableList)
        .AtMost(1, kOneVariableMessage)
        .Menu(IDC_LIST_MENU_LABEL);
}

void CLogLinZeroDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CELLS_CHECK, m_Data.CellsCheck);
    DDX_Check(pDX, IDC_INDICATOR_CHECK, m_Data.IndicatorCheck);
    DDX_Text(pDX, IDC_CELLS_EDIT, m_Data.CellsEdit);
    RefuseUnless(pDX, IDC_CELLS_EDIT,
                 !IsCtrlEnabled(IDC_CELLS_EDIT) || CLogLinZeroData::IsCellList(m_Data.CellsEdit),
                 kBadCellsMessage);
    CheckCellLevels(pDX);
}

CVariableList CLogLinZeroDlg::TableFactors() const {
    // The model page as it shows now, when it is shown; else as it was stored.
    if (auto* tab = dynamic_cast<CTabDlgBase*>(GetParentDlgWindow()))
        if (CLogLinDlg* model = tab->FindPage<CLogLinDlg>(); model && model->HasWindow())
            return model->ListCtrl(CLogLinDlg::IDC_FACTORS_LIST).GetItems();
    const CLogLinData* model = GetRecord() ? FindSisterPage<CLogLinData>(*GetRecord()) : nullptr;
    return model ? model->TableFactorsList : CVariableList();
}

void CLogLinZeroDlg::CheckCellLevels(CDataExchange* pDX) {
    const CVariableList factors = TableFactors();
    // Without factors the model page has its own warning; there is nothing to count levels against.
    if (!pDX->m_bSaveAndValidate || !IsCtrlEnabled(IDC_CELLS_EDIT) || factors.IsEmpty())
        return;
    IData* data = GetHostData();
    for (const auto& cell : CLogLinZeroData::GetCells(m_Data.CellsEdit)) {
        CString shown = L"(";
        for (std::size_t j = 0; j < cell.size(); ++j)
            shown += (j ? L"," : L"") + NumberText(cell[j]);
        shown += L")";
        if (cell.size() != static_cast<std::size_t>(factors.GetSize()))
            RefuseValue(pDX, IDC_CELLS_EDIT,
                        L"Cell " + shown + L": give one level for each of the table's " +
                            NumberText(factors.GetSize()) + L" factors");
        for (std::size_t j = 0; j < cell.size(); ++j) {
            const CString& factor = factors.GetAt(static_cast<int>(j)).GetVariableName();
            const int levels = data ? data->GetGroupCount(factor) : -1;
            if (levels > 0 && cell[j] > levels)
                RefuseValue(pDX, IDC_CELLS_EDIT,
                            L"Cell " + shown + L": " + factor + L" has " + NumberText(levels) + L" levels");
        }
    }
}

void CLogLinZeroDlg::UpdateDependentWindows() {
    const BOOL indicator = IsCtrlChecked(IDC_INDICATOR_CHECK);
    EnableCtrl(IDC_SOURCE_LIST, indicator);
    EnableCtrl(IDC_INDICATOR_LIST, indicator);
    EnableCtrl(IDC_CELLS_EDIT, IsCtrlChecked(IDC_CELLS_CHECK));
    // The list buttons follow the lists.
    CGUIBaseDlg::UpdateDependentWindows();
}
