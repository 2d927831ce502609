#pragma once

#include "Msg/Launcher.h"

class CTestingHypothesesMsg final : public CTableMsg {
public:
    explicit CTestingHypothesesMsg(IGlobal* global);
};
