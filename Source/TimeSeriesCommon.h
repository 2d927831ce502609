#pragma once

#include <optional>

#include "TvkBaseGui/CGUIBaseObj.h"

// String resource of the time-series command module.
inline constexpr UINT kTimeSeriesModule = 12943;

// The time-series records' source list: the data's numeric variables; when nothing is selected yet,
// the first of them is selected.
void FillTimeSeriesSource(CGUIBaseObj& record, CVariableList& source, CVariableList& selected);

// The season length the host's series module ("TvkSeries") reports; nothing when the host has no
// series module.
std::optional<int> GetSeriesSeasonLength();
