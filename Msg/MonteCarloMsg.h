#pragma once

#include "Msg/Launcher.h"

class CMonteCarloMsg final : public CTableMsg {
public:
    explicit CMonteCarloMsg(IGlobal* global);
};
