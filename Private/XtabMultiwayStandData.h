#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// The table page of the standardized multiway tables composite: tables of row (and column) variables
// within strata, standardized over the strata.
class CXtabMultiwayStandData : public CRecordOptions<CXtabMultiwayStandData> {
public:
    static constexpr UINT kSaveTypeCombo = 5542;
    // How the strata are taken: each on its own, or all of them crossed (item kCrossedStrataItem).
    static constexpr UINT kStrataRadioGroup = 5544;
    static constexpr UINT kCrossedStrataItem = 5534;

    static CGUIData<double> GetDefaultThresholdEdit() { return CGUIData<double>(4.0); }
    static CString GetDefaultSaveEdit() { return {}; }
    static int GetDefaultSaveCheck() { return 0; }
    static int GetDefaultFrequenciesCheck() { return 1; }
    static int GetDefaultTablePercentsCheck() { return 0; }
    static int GetDefaultRowPercentsCheck() { return 0; }
    static int GetDefaultColumnPercentsCheck() { return 0; }
    static int GetDefaultExpectedCheck() { return 0; }
    static int GetDefaultDeviatesCheck() { return 0; }
    static int GetDefaultStandardDeviatesCheck() { return 0; }
    static int GetDefaultTCPCheck() { return 0; }
    static int GetDefaultShadeCheck() { return 0; }
    static int GetDefaultSeparateStrataRadio() { return 0; }
    static int GetDefaultSaveCombo() { return 0; }

    // The order GetAll and SetAll take the options in: the members' order, except that the ints come
    // as save, frequencies, radio, combo, then the percentages and the rest (the archive's order too).
    auto Options() {
        return std::tie(ListOfVariablesList, RowVariableList, ColumnVariableList, StrataVariableList,
                        ThresholdEdit, SaveEdit, SaveCheck, FrequenciesCheck, SeparateStrataRadio, SaveCombo,
                        TablePercentsCheck, RowPercentsCheck, ColumnPercentsCheck, ExpectedCheck,
                        DeviatesCheck, StandardDeviatesCheck, TCPCheck, ShadeCheck);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList RowVariableList;
    CVariableList ColumnVariableList;
    CVariableList StrataVariableList;
    CGUIData<double> ThresholdEdit = GetDefaultThresholdEdit();
    CString SaveEdit = GetDefaultSaveEdit();
    int SaveCheck = GetDefaultSaveCheck();
    int FrequenciesCheck = GetDefaultFrequenciesCheck();
    int TablePercentsCheck = GetDefaultTablePercentsCheck();
    int RowPercentsCheck = GetDefaultRowPercentsCheck();
    int ColumnPercentsCheck = GetDefaultColumnPercentsCheck();
    int ExpectedCheck = GetDefaultExpectedCheck();
    int DeviatesCheck = GetDefaultDeviatesCheck();
    int StandardDeviatesCheck = GetDefaultStandardDeviatesCheck();
    int TCPCheck = GetDefaultTCPCheck();
    int ShadeCheck = GetDefaultShadeCheck();
    int SeparateStrataRadio = GetDefaultSeparateStrataRadio();
    int SaveCombo = GetDefaultSaveCombo();
};
