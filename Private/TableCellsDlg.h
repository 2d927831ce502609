#pragma once

#include <limits>

#include "TvkBaseGui/CRecordDlg.h"

// What the two-way and the standardized multiway table pages share, their controls named alike in their
// templates (`Names`): the cell statistics of TABLE_CELL_OPTIONS with the frequencies, TCP and shading
// checks, the shading threshold that only shading uses, and the save type that follows the save box.
template <class Data, class Names>
class CTableCellsDlg : public CRecordDlg<Data>, public Names {
public:
    using CRecordDlg<Data>::CRecordDlg;

    void AddToolTips() override {
        CGUIBaseDlg::AddToolTips();
        this->AddToolTip(Names::IDC_THRESHOLD_EDIT, L"(0.0, +inf)", 0);
    }
    void UpdateDependentWindows() override {
        CGUIBaseDlg::UpdateDependentWindows();
        this->EnableCtrl(Data::kSaveTypeCombo, this->IsCtrlChecked(Names::IDC_SAVE_CHECK));
        const BOOL shade = this->IsCtrlChecked(Names::IDC_SHADE_CHECK);
        this->EnableCtrl(Names::IDC_THRESHOLD_EDIT, shade);
        this->EnableCtrl(Names::IDC_THRESHOLD_LABEL, shade);
    }

protected:
    void ExchangeCells(CDataExchange* pDX) {
        Data& d = this->m_Data;
        this->DDX_Range(pDX, Names::IDC_THRESHOLD_EDIT, d.ThresholdEdit, 0.0,
                        std::numeric_limits<double>::max(), eExclusive, eInclusive);
        this->DDX_Check(pDX, Names::IDC_FREQUENCIES_CHECK, d.FrequenciesCheck);
        this->DDX_Check(pDX, Names::IDC_TABLE_PERCENTS_CHECK, d.TablePercentsCheck);
        this->DDX_Check(pDX, Names::IDC_ROW_PERCENTS_CHECK, d.RowPercentsCheck);
        this->DDX_Check(pDX, Names::IDC_COLUMN_PERCENTS_CHECK, d.ColumnPercentsCheck);
        this->DDX_Check(pDX, Names::IDC_EXPECTED_CHECK, d.ExpectedCheck);
        this->DDX_Check(pDX, Names::IDC_DEVIATES_CHECK, d.DeviatesCheck);
        this->DDX_Check(pDX, Names::IDC_STANDARD_DEVIATES_CHECK, d.StandardDeviatesCheck);
        this->DDX_Check(pDX, Names::IDC_TCP_CHECK, d.TCPCheck);
        this->DDX_Check(pDX, Names::IDC_SHADE_CHECK, d.ShadeCheck);
        this->DDX_CBIndex(pDX, Data::kSaveTypeCombo, d.SaveCombo);
    }
};
