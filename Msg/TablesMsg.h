#pragma once

#include "TvkBaseGui/CTKMsg.h"

class CTablesMsg final : public CTKMsg {
public:
    explicit CTablesMsg(IGlobal* global);
    ~CTablesMsg() override = default;
    BOOL OnTKCommand(UINT command) override;
    void OnUpdateTKCommand(CCmdUI* cmdUI) override;
};
