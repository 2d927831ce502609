#include "Private/TestAtClDlg.h"

#include <cwctype>
#include <sstream>

#include "Source/OpenDlgCommon.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

// The answers of a key: words of ASCII letters and digits, or -1 when a word is anything else (a "/" or
// "=" would end the clause early).
int AnswerCount(const CString& text) {
    std::wistringstream in{std::wstring(text.str())};
    int count = 0;
    for (std::wstring word; in >> word; ++count)
        for (wchar_t c : word)
            if (c > 0x7F || !std::iswalnum(static_cast<wint_t>(c)))
                return -1;
    return count;
}

}  // namespace

CTestAtClDlg::CTestAtClDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    AddListPair({IDC_SOURCE_LIST, IDC_ITEM_LIST, IDC_ADD, IDC_REMOVE, kVariableTypeNumeric})
        .Lists(m_Data.ListOfVariablesList, m_Data.ItemVariablesList)
        .AtLeast(2, kTwoVariablesMessage)
        .Menu(IDC_LIST_MENU_LABEL);
    AddListPair({IDC_SOURCE_LIST, IDC_TOTAL_LIST, IDC_ADD_TOTAL, IDC_REMOVE_TOTAL, kVariableTypeNumeric})
        .Lists(m_Data.ListOfVariablesList, m_Data.TotalVariableList)
        .AtMost(1, kOneVariableMessage)
        .ClosedWhenFull();
    SetDblClkToAnyTarget(true);
}

void CTestAtClDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDV_DistinctVariables(pDX, {IDC_ITEM_LIST, IDC_TOTAL_LIST});
    DDX_Check(pDX, IDC_STATS_CHECK, m_Data.ItemStatsCheck);
    DDX_Range(pDX, IDC_GROUPS_EDIT, m_Data.GroupsEdit, 0.0, 0.5, eExclusive, eInclusive);
    DDX_Check(pDX, IDC_RELIABILITY_CHECK, m_Data.ReliabilityCheck);
    DDX_Check(pDX, IDC_ALPHA_DELETED_CHECK, m_Data.AlphaDeletedCheck);
    DDX_Check(pDX, IDC_KEY_CHECK, m_Data.KeyCheck);
    DDX_Text(pDX, IDC_KEY_EDIT, m_Data.KeyEdit);
    // The items were exchanged above: the key answers each of them once.
    if (pDX->m_bSaveAndValidate && IsCtrlEnabled(IDC_KEY_EDIT) &&
        AnswerCount(m_Data.KeyEdit) != m_Data.ItemVariablesList.GetSize()) {
        TKMessageBox(GetString(kKeyMessage));
        pDX->Fail(IDC_KEY_EDIT);
    }
}
