#pragma once

#include "Msg/Launcher.h"

class CDesignofExperimentsMsg final : public CMenuGroupTable {
public:
    explicit CDesignofExperimentsMsg(IGlobal* global);

protected:
    bool OnOwnCommand(UINT did) override;
};
