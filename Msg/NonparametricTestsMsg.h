#pragma once

#include "Msg/Launcher.h"

class CNonparametricTestsMsg final : public CTableMsg {
public:
    explicit CNonparametricTestsMsg(IGlobal* global);
};
