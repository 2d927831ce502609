#pragma once

#include "HostApi/Interfaces.h"
#include "TvkBaseGui/CTKMsg.h"

// The module's interface: the host's module slots, then one getter per menu group in the group order,
// then the destructor.
class IDlgStat1 : public IModule {
public:
    virtual CTKMsg* GetDescriptiveStatisticsMsg() = 0;  // slot 8
    virtual CTKMsg* GetDesignofExperimentsMsg() = 0;    // slot 9
    virtual CTKMsg* GetMonteCarloMsg() = 0;             // slot 10
    virtual CTKMsg* GetNonparametricTestsMsg() = 0;     // slot 11
    virtual CTKMsg* GetScaleMsg() = 0;                  // slot 12
    virtual CTKMsg* GetTablesMsg() = 0;                 // slot 13
    virtual CTKMsg* GetTestingHypothesesMsg() = 0;      // slot 14
    virtual CTKMsg* GetTimeSeriesMsg() = 0;             // slot 15
    virtual CTKMsg* GetStat1SingleMenuItemsMsg() = 0;   // slot 16
    virtual ~IDlgStat1() = default;                     // slot 17

    static constexpr int kGroupCount = 9;
};

extern "C" IDlgStat1* GetModuleFactory(IGlobal* global);
using GetModuleFactoryFn = IDlgStat1* (*)(IGlobal*);
