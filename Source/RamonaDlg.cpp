#include "Private/RamonaDlg.h"

#include <algorithm>

#include "Source/OpenDlgCommon.h"
#include "TvkUseRes/ResourceTables.h"

CRamonaDlg::CRamonaDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {}

void CRamonaDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_ListCtrlArray(pDX, IDC_SOURCE_LIST, m_Data.ListOfVariablesList);
    DDX_Text(pDX, IDC_PATHS_EDIT, m_Data.PathsEdit);
    DDX_Text(pDX, IDC_LATENT_EDIT, m_Data.LatentEdit);
    if (!pDX->m_bSaveAndValidate)
        return;
    if (const UINT message = ValidateModel(m_Data)) {
        TKMessageBox(GetString(message));
        pDX->Fail(message == kPathsMessage ? IDC_PATHS_EDIT : IDC_LATENT_EDIT);
    }
}

UINT CRamonaDlg::ValidateModel(const CRamonaData& model) {
    const auto paths = CRamonaData::ParsePaths(model.PathsEdit);
    if (!paths)
        return kPathsMessage;
    const auto isVariable = [&model](const CString& name) {
        for (const CGUIDataVariable& variable : model.ListOfVariablesList)
            if (variable.GetVariableName() == name)
                return true;
        return false;
    };
    const std::vector<CString> latent = CRamonaData::SplitNames(model.LatentEdit);
    if (std::any_of(latent.begin(), latent.end(), isVariable))
        return kNamesMessage;
    const auto known = [&](const CString& name) {
        return isVariable(name) || std::find(latent.begin(), latent.end(), name) != latent.end();
    };
    for (const CRamonaData::Path& path : *paths)
        if (!std::all_of(path.from.begin(), path.from.end(), known) ||
            !std::all_of(path.to.begin(), path.to.end(), known))
            return kNamesMessage;
    return 0;
}

void CRamonaDlg::MoveSourceListToTargetListOnDblClk(UINT list) {
    if (list != IDC_SOURCE_LIST)
        return;
    const CGUIListCtrl& source = ListCtrl(IDC_SOURCE_LIST);
    CString text = GetCtrlWindowText(IDC_PATHS_EDIT);
    for (int i : source.GetSelection())
        text += (text.IsEmpty() ? L"" : L" ") + source.GetItems()[i].GetVariableName();
    UserTypeText(IDC_PATHS_EDIT, text);
}

void CRamonaOptionsDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_METHOD_COMBO, m_Data.MethodCombo);
    ExchangeIterations(*this, pDX, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT, m_Data.IterationsEdit,
                       m_Data.ConvergenceEdit);
    DDX_Check(pDX, IDC_START_CHECK, m_Data.StartCheck);
    DDX_Range(pDX, IDC_START_EDIT, m_Data.StartValueEdit, 0.0, 1.0, eExclusive, eInclusive);
    DDX_Check(pDX, IDC_CORRELATION_CHECK, m_Data.CorrelationCheck);
}

void CRamonaOptionsDlg::AddToolTips() {
    CGUIBaseDlg::AddToolTips();
    AddIterationToolTips(*this, IDC_ITERATIONS_EDIT, IDC_CONVERGENCE_EDIT);
}
