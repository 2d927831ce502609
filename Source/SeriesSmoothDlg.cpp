#include "Private/SeriesSmoothDlg.h"

#include "Msg/Launcher.h"
#include "Msg/TimeSeriesMsg.h"

CSeriesSmoothDlg::CSeriesSmoothDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddSelectedPair<Template2050>(m_Data.SelectedVariableList).ResetToFirstSource();
    SetSaveFilePair(IDC_SAVE_CHECK, m_Data.SaveFileCheck, IDC_SAVE_FILE, m_Data.SaveFileEdit);
    FillRadioFromResource(CSeriesSmoothData::kSmoothRadioGroup);
}

void CSeriesSmoothDlg::DoDataExchange(CDataExchange* pDX) {
    const int rows = CGUIBaseObj::GetRowCount();
    DDX_Text(pDX, IDC_WEIGHT_EDIT, m_Data.WeightEdit, kWeightMessage, 1, 1, 0);
    // A span of 1 would smooth nothing.
    DDX_Range(pDX, IDC_MEAN_EDIT, m_Data.MeanValueEdit, 1, rows, eExclusive, eInclusive);
    DDX_Range(pDX, IDC_MEDIAN_EDIT, m_Data.MedianValueEdit, 1, rows, eExclusive, eInclusive);
    DDX_Radio(pDX, CSeriesSmoothData::kSmoothRadioGroup, m_Data.MeanRadio);
    CGUIBaseDlg::DoDataExchange(pDX);
}

REGISTER_MENU_ROWS(CTimeSeriesMsg, DialogRow<CSeriesSmoothData, CSeriesSmoothDlg>(1050));
