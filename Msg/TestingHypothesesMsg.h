#pragma once

#include "Msg/Launcher.h"

class CTestingHypothesesMsg final : public CMenuGroupTable {
public:
    explicit CTestingHypothesesMsg(IGlobal* global);
};
