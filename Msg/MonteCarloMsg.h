#pragma once

#include "TvkBaseGui/CTKMsg.h"

class CMonteCarloMsg final : public CTKMsg {
public:
    explicit CMonteCarloMsg(IGlobal* global);
    ~CMonteCarloMsg() override = default;
    BOOL OnTKCommand(UINT command) override;
    void OnUpdateTKCommand(CCmdUI* cmdUI) override;
};
