#pragma once

#include "Msg/Launcher.h"

class CDescriptiveStatisticsMsg final : public CMenuGroupTable {
public:
    explicit CDescriptiveStatisticsMsg(IGlobal* global);
};
