#pragma once

#include "Msg/Launcher.h"

class CNonparametricTestsMsg final : public CMenuGroupTable {
public:
    explicit CNonparametricTestsMsg(IGlobal* global);
};
