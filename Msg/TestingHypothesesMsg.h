#pragma once

#include "TvkBaseGui/CTKMsg.h"

class CTestingHypothesesMsg final : public CTKMsg {
public:
    explicit CTestingHypothesesMsg(IGlobal* global);
    ~CTestingHypothesesMsg() override = default;
    BOOL OnTKCommand(UINT command) override;
    void OnUpdateTKCommand(CCmdUI* cmdUI) override;
};
