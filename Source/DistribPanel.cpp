#include "Private/DistribPanel.h"

#include "HostApi/HostServices.h"

void CDistribPanel::ReadDistribInfo(CDistribManager& manager, const wchar_t* file) {
    IGlobal* global = GetHostGlobal();
    if (!manager.ReadDistribInfo((global ? global->GetDistributionFolder() : CString()) + file))
        TKMessageBox(manager.GetReadError());
}

void CDistribPanel::Open(CGUIBaseDlg& dlg, CDistribManagerData& data, const wchar_t* file, UINT placeholder,
                         int showCombo) {
    m_pManager = std::make_unique<CDistribManager>(&dlg);
    m_pData = &data;
    ReadDistribInfo(*m_pManager, file);
    m_pManager->SetDistribManagerData(&data);
    m_pManager->FillupDistribInfoVecMap();
    m_pManager->CreateControls(placeholder, showCombo);
}

void CDistribPanel::FillDefaults(CDistribManagerData& fresh) {
    if (!m_pManager || !m_pData)
        return;
    m_pManager->SetDistribManagerData(&fresh);
    m_pManager->FillupDistribInfoVecMap();
    m_pManager->SetDistribManagerData(m_pData);
}
