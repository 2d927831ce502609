#pragma once

#include "Msg/Launcher.h"

class CTablesMsg final : public CTableMsg {
public:
    explicit CTablesMsg(IGlobal* global);

protected:
    void OnUpdateOwnCommand(UINT did, CCmdUI* cmdUI) override;
};
