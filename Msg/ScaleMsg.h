#pragma once

#include "Msg/Launcher.h"

class CScaleMsg final : public CTableMsg {
public:
    explicit CScaleMsg(IGlobal* global);
};
