#include "Source/OpenDlgCommon.h"

#include <limits>

void ExchangeIterations(CGUIBaseDlg& dlg, CDataExchange* pDX, UINT iterations, UINT convergence,
                        CGUIData<int>& iterationsValue, CGUIData<double>& convergenceValue) {
    dlg.DDX_Range(pDX, iterations, iterationsValue, kMinimumIterations, std::numeric_limits<int>::max(),
                  eInclusive, eNoValidation);
    dlg.DDX_Range(pDX, convergence, convergenceValue, 0.0, kMaximumConvergence, eExclusive, eInclusive);
}

void AddIterationToolTips(CGUIBaseDlg& dlg, UINT iterations, UINT convergence) {
    dlg.AddToolTip(iterations, L"[1, +inf)", 0);
    dlg.AddToolTip(convergence, L"(0, 0.1]", 0);
}
