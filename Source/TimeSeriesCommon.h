#pragma once

#include <initializer_list>
#include <optional>

#include "TvkBaseGui/CGUIBaseObj.h"

class CGUIDlgControls;

// String resource of the time-series command module.
inline constexpr UINT kTimeSeriesModule = 12943;

// The time-series records' source list: the data's numeric variables; when nothing is selected yet,
// the first of them is selected.
void FillTimeSeriesSource(CGUIBaseObj& record, CVariableList& source, CVariableList& selected);

// The season length the host's series module ("TvkSeries") reports; nothing when the host has no
// series module.
std::optional<int> GetSeriesSeasonLength();

// A radio of a group that a check opens, and the controls it governs.
struct RadioChoice {
    UINT radio;
    std::initializer_list<UINT> governs;
};
// Each radio is on while `open`; the controls it governs while it is also the one chosen.
void EnableRadioChoices(CGUIDlgControls& dlg, BOOL open, std::initializer_list<RadioChoice> choices);
