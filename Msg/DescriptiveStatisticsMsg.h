#pragma once

#include "TvkBaseGui/CTKMsg.h"

class CDescriptiveStatisticsMsg final : public CTKMsg {
public:
    explicit CDescriptiveStatisticsMsg(IGlobal* global);
    ~CDescriptiveStatisticsMsg() override = default;
    BOOL OnTKCommand(UINT command) override;
    void OnUpdateTKCommand(CCmdUI* cmdUI) override;
};
