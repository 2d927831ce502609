#include <iostream>

#include "Msg/DescriptiveStatisticsMsg.h"
#include "Msg/DesignofExperimentsMsg.h"
#include "Msg/MonteCarloMsg.h"
#include "Msg/NonparametricTestsMsg.h"
#include "Msg/ScaleMsg.h"
#include "Msg/Stat1SingleMenuItemsMsg.h"
#include "Msg/TablesMsg.h"
#include "Msg/TestingHypothesesMsg.h"
#include "Msg/TimeSeriesMsg.h"
#include "Private/DistribData.h"
#include "Source/CDlgStat1.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"

CDlgStat1* g_pDlgStat1 = nullptr;

CDlgStat1::CDlgStat1(IGlobal* global) : m_pGlobal(global) {
    if (!global)
        CTvkAssertDlg(L"DlgStat1.cpp", 78).DoPrint();
    m_pDlgBase = CreateDlgBase(global);
    if (global) {
        m_pKernel = dynamic_cast<IKernel*>(global->FindModule(L"TvkKernel"));
        m_pData = dynamic_cast<IData*>(global->FindModule(L"TvkData"));
    }
    m_pDescriptiveStatisticsMsg = new CDescriptiveStatisticsMsg(global);
    m_pDesignofExperimentsMsg = new CDesignofExperimentsMsg(global);
    m_pMonteCarloMsg = new CMonteCarloMsg(global);
    m_pNonparametricTestsMsg = new CNonparametricTestsMsg(global);
    m_pScaleMsg = new CScaleMsg(global);
    m_pTablesMsg = new CTablesMsg(global);
    m_pTestingHypothesesMsg = new CTestingHypothesesMsg(global);
    m_pTimeSeriesMsg = new CTimeSeriesMsg(global);
    m_pStat1SingleMenuItemsMsg = new CStat1SingleMenuItemsMsg(global);
    CDistribData::InitializeDistribIDSAndType();
    CDistribFittingData::InitializeDistribIDSAndType();
    CDistribKSData::InitializeDistribIDSAndType();
}

CDlgStat1::~CDlgStat1() {
    if (m_pDlgBase) {
        m_pDlgBase->Release();
        m_pDlgBase = nullptr;
    }
    delete m_pDescriptiveStatisticsMsg;
    delete m_pDesignofExperimentsMsg;
    delete m_pMonteCarloMsg;
    delete m_pNonparametricTestsMsg;
    delete m_pScaleMsg;
    delete m_pTablesMsg;
    delete m_pTestingHypothesesMsg;
    delete m_pTimeSeriesMsg;
    delete m_pStat1SingleMenuItemsMsg;
    if (g_pDlgStat1 == this)
        g_pDlgStat1 = nullptr;
}

void CDlgStat1::Release() {
    delete this;
}

void CDlgStat1::Print() {
    std::wcout << L"DlgStat1 Module" << std::endl;
}

bool CDlgStat1::ReleaseHolder(Holder* holder, int eventCode) {
    if (!holder || eventCode == 2 || eventCode == 3)
        return false;
    if (eventCode == 1)
        --holder->nRefCount;
    if (--holder->nRefCount <= 0) {
        if (holder->pObject)
            holder->pObject->Release();
        delete holder;
    }
    return false;
}

IBinReader* CDlgStat1::GetResourceHandle() {
    return GetGlobalResourceHandle();
}

CTKMsg* CDlgStat1::GetDescriptiveStatisticsMsg() {
    return m_pDescriptiveStatisticsMsg;
}
CTKMsg* CDlgStat1::GetDesignofExperimentsMsg() {
    return m_pDesignofExperimentsMsg;
}
CTKMsg* CDlgStat1::GetMonteCarloMsg() {
    return m_pMonteCarloMsg;
}
CTKMsg* CDlgStat1::GetNonparametricTestsMsg() {
    return m_pNonparametricTestsMsg;
}
CTKMsg* CDlgStat1::GetScaleMsg() {
    return m_pScaleMsg;
}
CTKMsg* CDlgStat1::GetTablesMsg() {
    return m_pTablesMsg;
}
CTKMsg* CDlgStat1::GetTestingHypothesesMsg() {
    return m_pTestingHypothesesMsg;
}
CTKMsg* CDlgStat1::GetTimeSeriesMsg() {
    return m_pTimeSeriesMsg;
}
CTKMsg* CDlgStat1::GetStat1SingleMenuItemsMsg() {
    return m_pStat1SingleMenuItemsMsg;
}
