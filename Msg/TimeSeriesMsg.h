#pragma once

#include "TvkBaseGui/CTKMsg.h"

class CTimeSeriesMsg final : public CTKMsg {
public:
    explicit CTimeSeriesMsg(IGlobal* global);
    ~CTimeSeriesMsg() override = default;
    BOOL OnTKCommand(UINT command) override;
    void OnUpdateTKCommand(CCmdUI* cmdUI) override;
};
