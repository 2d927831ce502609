#pragma once

#include "Msg/Launcher.h"

class CDesignofExperimentsMsg final : public CTableMsg {
public:
    explicit CDesignofExperimentsMsg(IGlobal* global);

protected:
    bool OnOwnCommand(UINT did) override;
};
