#pragma once

#include "TvkBaseGui/CTKMsg.h"

class CStat1SingleMenuItemsMsg final : public CTKMsg {
public:
    explicit CStat1SingleMenuItemsMsg(IGlobal* global);
    ~CStat1SingleMenuItemsMsg() override = default;
    BOOL OnTKCommand(UINT command) override;
    void OnUpdateTKCommand(CCmdUI* cmdUI) override;
};
