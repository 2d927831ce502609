#pragma once

#include "TvkBaseGui/CGUIBaseDlg.h"

// Refusals the dialogs of the tables menu share.

// A table needs its variables: a one-way table one at least, a two-way table a row and a column variable
// at least (messages shown when storing refuses an empty list).
inline constexpr UINT kNoTableVariableMessage = 32120;
inline constexpr UINT kNoRowVariableMessage = 32118;
inline constexpr UINT kNoColumnVariableMessage = 32119;

// Storing with `ok` false: the message resource is shown and the exchange fails on the control.
void RefuseUnless(CDataExchange* pDX, UINT control, bool ok, UINT message);
