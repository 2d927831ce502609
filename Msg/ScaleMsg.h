#pragma once

#include "Msg/Launcher.h"

class CScaleMsg final : public CMenuGroupTable {
public:
    explicit CScaleMsg(IGlobal* global);
};
