#pragma once

#include "Msg/Launcher.h"

class CStat1SingleMenuItemsMsg final : public CTableMsg {
public:
    explicit CStat1SingleMenuItemsMsg(IGlobal* global);
};
