#pragma once

#include "HostApi/Interfaces.h"
#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// What the hypothesis-testing and nonparametric records and dialogs share.

// String resources of their command modules.
inline constexpr UINT kHypothesesModule = 12952;
inline constexpr UINT kNonparametricModule = 12926;

// The source list brought up to date with the data's variables of a kind; nothing is selected.
void FillSourceList(CGUIBaseObj& record, CVariableList& source, int kind);

// `keyword` and the entry's text when the combo entry is one of the one-sided alternatives; else nothing
// (the two-sided default among them).
CString AlternativeClause(UINT combo, int index, const CString& keyword);

// " CONF = " and the level, only when it differs from 0.95.
CString ConfidenceClause(const CGUIData<double>& confidence);

// The host's data interface through the module object; a missing one is reported at `file` and `line`.
IData* GetModuleData(const wchar_t* file, long line);

// A confidence edit: strictly between 0 and 1, and left alone while the user has emptied it.
void DDX_Confidence(CGUIBaseDlg& dlg, CDataExchange* pDX, UINT edit, CGUIData<double>& confidence);

// A dialog whose add buttons follow rules beyond the move rule: a drop onto a list is refused while that
// list's add button is.
class CAddRuledDlg : public CGUIBaseDlg {
public:
    using CGUIBaseDlg::CGUIBaseDlg;
    bool MouseMoveListCtrlHelper(UINT from, UINT over) override;
};
