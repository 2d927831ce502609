#pragma once

#include "Msg/Launcher.h"

class CStat1SingleMenuItemsMsg final : public CMenuGroupTable {
public:
    explicit CStat1SingleMenuItemsMsg(IGlobal* global);
};
