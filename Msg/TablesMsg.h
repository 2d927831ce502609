#pragma once

#include "Msg/Launcher.h"

class CTablesMsg final : public CMenuGroupTable {
public:
    explicit CTablesMsg(IGlobal* global);

protected:
    void OnUpdateOwnCommand(UINT did, CCmdUI* cmdUI) override;
};
