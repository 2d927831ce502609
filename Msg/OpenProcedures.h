#pragma once

// The records and dialogs of mixture designs, item analysis, scalogram analysis, conjoint analysis,
// perceptual mapping, path models and spatial statistics, for their groups' launcher rows.

#include "Msg/Launcher.h"
#include "Private/ConjointDlg.h"
#include "Private/PermapDlg.h"
#include "Private/PosacDlg.h"
#include "Private/RamonaDlg.h"
#include "Private/RsMixtureDlg.h"
#include "Private/SpatialDlg.h"
#include "Private/TestAtClDlg.h"
#include "Private/TestAtLogDlg.h"
