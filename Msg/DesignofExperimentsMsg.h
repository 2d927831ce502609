#pragma once

#include "TvkBaseGui/CTKMsg.h"

class CDesignofExperimentsMsg final : public CTKMsg {
public:
    explicit CDesignofExperimentsMsg(IGlobal* global);
    ~CDesignofExperimentsMsg() override = default;
    BOOL OnTKCommand(UINT command) override;
    void OnUpdateTKCommand(CCmdUI* cmdUI) override;
};
