#pragma once

#include "Msg/Launcher.h"

class CDescriptiveStatisticsMsg final : public CTableMsg {
public:
    explicit CDescriptiveStatisticsMsg(IGlobal* global);
};
