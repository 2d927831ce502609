#pragma once

#include "Records/TableOptions.h"
#include "TvkBaseGui/CRecordOptions.h"

// Options that several table pages share, in the order their lists hold them.
