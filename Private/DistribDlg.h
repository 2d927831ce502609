#pragma once

#include <map>
#include <variant>
#include <vector>

#include "Private/DistribData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The catalogue dialog: the distributions of the active set in combo 1571 and, for the chosen one only,
// its parameter controls. Accepting checks the chosen distribution's values alone, as the table of
// distributions says.
//
// List fields hold numbers separated by blanks (and by commas under a "." decimal symbol); a matrix
// has its rows separated by ';' or line breaks: "1 0.5; 0.5 2". They are kept in the stored form
// (StoredNumberText), which reads the same under either decimal symbol.
class CDistribDlg : public CRecordDlg<CDistribData> {
public:
    enum : UINT {
        IDD = 2184,
        IDC_DISTRIBUTION_COMBO = 1571,
        IDC_DISTRIBUTION_LABEL = 1570,
        // An edit's label is the edit's id plus kLabelOffset; checks have none.
        kLabelOffset = 200,
        IDC_U1Edit = 5101,
        IDC_U2Edit,
        IDC_B1Edit,
        IDC_B2Edit,
        IDC_En1Edit,
        IDC_En2Edit,
        IDC_Tr1Edit,
        IDC_Tr2Edit,
        IDC_Tr3Edit,
        IDC_L1Edit,
        IDC_L2Edit,
        IDC_De1Edit,
        IDC_De2Edit,
        IDC_T1Edit,
        IDC_C1Edit,
        IDC_C2Edit,
        IDC_Gu1Edit,
        IDC_Gu2Edit,
        IDC_Z1Edit,
        IDC_Z2Edit,
        IDC_G1Edit,
        IDC_G2Edit,
        IDC_X1Edit,
        IDC_Go1Edit,
        IDC_Go2Edit,
        IDC_Ln1Edit,
        IDC_Ln2Edit,
        IDC_F1Edit,
        IDC_F2Edit,
        IDC_W1Edit,
        IDC_W2Edit,
        IDC_Pa1Edit,
        IDC_Pa2Edit,
        IDC_R1Edit,
        IDC_Ig1Edit,
        IDC_Ig2Edit,
        IDC_E1Edit,
        IDC_E2Edit,
        IDC_S1Edit,
        IDC_S2Edit,
        IDC_Du1Edit,
        IDC_P1Edit,
        IDC_N1Edit,
        IDC_N2Edit,
        IDC_Nb1Edit,
        IDC_Nb2Edit,
        IDC_Ge1Edit,
        IDC_H1Edit,
        IDC_H2Edit,
        IDC_H3Edit,
        IDC_Zi1Edit,
        IDC_M1Edit,
        IDC_M2Edit,
        IDC_M3bEdit,
        IDC_Be1Edit,
        IDC_Be2Edit,
        IDC_Be3Edit,
        IDC_Di1Edit,
        IDC_Di2bEdit,
        IDC_Zp1Edit,
        IDC_Zp2bEdit,
        IDC_Zp3Check,
        IDC_Zp3bEdit,
        IDC_Zp3FileEdit,
        IDC_Wi1Edit,
        IDC_Wi2Edit,
        IDC_Wi3Check,
        IDC_Wi3bEdit,
        IDC_Wi3FileEdit,
        IDC_Wi4Check,
        IDC_Wi4bEdit,
        IDC_Wi4FileEdit,
        // Generic slot n (from 1): value, second value, file, switch at IDC_Para1Edit + 4 (n - 1) onwards.
        IDC_Para1Edit = 5201,
        kParaStride = 4,
    };

    using Field = std::variant<CGUIData<double> CDistribData::*, CGUIData<int> CDistribData::*,
                               CString CDistribData::*, int CDistribData::*>;
    // A control of a catalogue entry. A number or text field stands for parameter `parameter` of the
    // entry's type, whose check (in the table of distributions) accepting makes; a text field and a file
    // field share a parameter, chosen by their switch.
    struct Control {
        UINT id;
        Field field;
        int parameter = -1;              // -1: a switch, or a generic slot (any number)
        bool toolTip = false;            // the edit shows its range text
        UINT fileSwitch = 0;             // a field its switch enables (a file) or disables (the others)
        bool file = false;               // a file name, taken when its switch is checked
        const wchar_t* range = nullptr;  // a range text of its own rather than the parameter's
    };

    // The parameter controls of every catalogue entry, in the catalogue's order.
    static const std::vector<std::vector<Control>>& Groups();
    // The range text of a control, "( 0.0 , +inf )" and the like; empty for the lists and switches.
    static CString RangeText(int index, const Control& control);

    TVK_DIALOG(CDistribDlg, OnInitDialog, DoDataExchange, UpdateDependentWindows, AddToolTips, OnCtrlChanged);

    // The catalogue index chosen in the combo box now; -1 without a choice.
    int GetChosenIndex() const;
    void OnSelchangeDistributionCombo();
    void HideAllCtrl();
    // Shows the controls of the distribution of that display name.
    void ShowFor(const CString& name);

private:
    // Display name of every catalogue entry -> its controls (labels included), made once for the class.
    static const std::map<CString, std::vector<UINT>>& CreateMap();
    static void InitializeMap(std::map<CString, std::vector<UINT>>& map);
    static void LinkMap(std::map<CString, std::vector<UINT>>& map);
    static std::vector<UINT> FileEdits();

    void ExchangeControl(CDataExchange* pDX, const Control& control);
    // The checks of the chosen entry (catalogue index `index`): each number alone, a file chosen by its
    // switch has a name, then the values taken together.
    void CheckChosen(CDataExchange* pDX, int index);
};
