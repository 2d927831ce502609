#pragma once

#include "Msg/Launcher.h"

class CTimeSeriesMsg final : public CMenuGroupTable {
public:
    explicit CTimeSeriesMsg(IGlobal* global);

protected:
    // The three items that send fixed lines without a dialog.
    bool OnOwnCommand(UINT did) override;
    void OnUpdateOwnCommand(UINT did, CCmdUI* cmdUI) override;
};
