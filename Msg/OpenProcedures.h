#pragma once

// The records and dialogs of mixture designs, item analysis, scalogram analysis, conjoint analysis,
// perceptual mapping, path models and spatial statistics, for their groups' launcher rows.

#include "Msg/Launcher.h"
#include "Private/PermapDlg.h"
#include "Private/RsMixtureDlg.h"
