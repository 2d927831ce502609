#pragma once

#include "Msg/Launcher.h"

class CMonteCarloMsg final : public CMenuGroupTable {
public:
    explicit CMonteCarloMsg(IGlobal* global);
};
