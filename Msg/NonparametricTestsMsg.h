#pragma once

#include "TvkBaseGui/CTKMsg.h"

class CNonparametricTestsMsg final : public CTKMsg {
public:
    explicit CNonparametricTestsMsg(IGlobal* global);
    ~CNonparametricTestsMsg() override = default;
    BOOL OnTKCommand(UINT command) override;
    void OnUpdateTKCommand(CCmdUI* cmdUI) override;
};
