#include "Private/StemPlotDlg.h"

#include <climits>

CStemPlotDlg::CStemPlotDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2232>(m_Data.SelectedVariableList);
}

void CStemPlotDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Range(pDX, IDC_LINES_EDIT, m_Data.StemLinesEdit, 1, INT_MAX, eInclusive, eNoValidation);
}

int CStemPlotDlg::SetAllDefault() {
    if (CStemPlotData* r = GetRecord()) {
        // The page keeps the variant its composite gave it.
        const UINT variant = r->GetVariantID();
        *r = CStemPlotData();
        r->SetVariantID(variant);
    }
    return 1;
}
