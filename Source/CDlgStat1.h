#pragma once

#include "DlgStat1.h"
#include "HostApi/Interfaces.h"

class CDescriptiveStatisticsMsg;
class CDesignofExperimentsMsg;
class CMonteCarloMsg;
class CNonparametricTestsMsg;
class CScaleMsg;
class CTablesMsg;
class CTestingHypothesesMsg;
class CTimeSeriesMsg;
class CStat1SingleMenuItemsMsg;

// The one module object: keeps the host's interfaces and owns the nine menu groups.
class CDlgStat1 final : public IDlgStat1 {
public:
    explicit CDlgStat1(IGlobal* global);
    ~CDlgStat1() override;
    CDlgStat1(const CDlgStat1&) = delete;
    CDlgStat1& operator=(const CDlgStat1&) = delete;

    IGlobal* GetGlobal() override { return m_pGlobal; }
    void Release() override;
    void Print() override;
    CString& GetName() override { return m_strName; }
    void SetName(const CString& name) override { m_strName = name; }
    bool ReleaseHolder(Holder* holder, int eventCode) override;
    void Reserved() override {}
    IBinReader* GetResourceHandle() override;

    CTKMsg* GetDescriptiveStatisticsMsg() override;
    CTKMsg* GetDesignofExperimentsMsg() override;
    CTKMsg* GetMonteCarloMsg() override;
    CTKMsg* GetNonparametricTestsMsg() override;
    CTKMsg* GetScaleMsg() override;
    CTKMsg* GetTablesMsg() override;
    CTKMsg* GetTestingHypothesesMsg() override;
    CTKMsg* GetTimeSeriesMsg() override;
    CTKMsg* GetStat1SingleMenuItemsMsg() override;

    IKernel* GetKernel() const { return m_pKernel; }
    IData* GetData() const { return m_pData; }
    IDlgBase* GetDlgBase() const { return m_pDlgBase; }

private:
    IGlobal* m_pGlobal;
    IDlgBase* m_pDlgBase = nullptr;
    IKernel* m_pKernel = nullptr;
    IData* m_pData = nullptr;
    CString m_strName;
    CDescriptiveStatisticsMsg* m_pDescriptiveStatisticsMsg = nullptr;
    CDesignofExperimentsMsg* m_pDesignofExperimentsMsg = nullptr;
    CMonteCarloMsg* m_pMonteCarloMsg = nullptr;
    CNonparametricTestsMsg* m_pNonparametricTestsMsg = nullptr;
    CScaleMsg* m_pScaleMsg = nullptr;
    CTablesMsg* m_pTablesMsg = nullptr;
    CTestingHypothesesMsg* m_pTestingHypothesesMsg = nullptr;
    CTimeSeriesMsg* m_pTimeSeriesMsg = nullptr;
    CStat1SingleMenuItemsMsg* m_pStat1SingleMenuItemsMsg = nullptr;
};

// The module object once built, through which records and dialogs reach the host.
extern CDlgStat1* g_pDlgStat1;
