#pragma once

#include "Private/PowerCommon.h"
#include "Records/PowerOptions.h"
#include "TvkBaseGui/CRecordOptions.h"

// The two-sided alternative, where a power record offers the choice.
inline constexpr int kPowerDefaultAlternative = 2;
