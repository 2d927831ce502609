#pragma once

#include "Private/OpenCommon.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

// What the dialogs of the open procedures share.

// Messages (string resources) of their list checks.
inline constexpr UINT kOneVariableMessage = 24501;
inline constexpr UINT kTwoVariablesMessage = 24502;
inline constexpr UINT kVariableMessage = 24503;

// The iteration limit, [1, +inf), and the convergence criterion, (0, 0.1], of an iterative record.
void ExchangeIterations(CGUIBaseDlg& dlg, CDataExchange* pDX, UINT iterations, UINT convergence,
                        CGUIData<int>& iterationsValue, CGUIData<double>& convergenceValue);
void AddIterationToolTips(CGUIBaseDlg& dlg, UINT iterations, UINT convergence);
