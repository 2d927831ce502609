#pragma once

#include "TvkBaseGui/CTKMsg.h"

class CScaleMsg final : public CTKMsg {
public:
    explicit CScaleMsg(IGlobal* global);
    ~CScaleMsg() override = default;
    BOOL OnTKCommand(UINT command) override;
    void OnUpdateTKCommand(CCmdUI* cmdUI) override;
};
