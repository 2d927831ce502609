#include "TvkBaseGui/DDXComboText.h"

void DDX_ComboText(CDataExchange* pDX, UINT id, CString& text) {
    CTKCtrl& combo = pDX->m_pDlgWnd->Ctrl(id);
    const auto& items = combo.m_comboItems;
    if (!pDX->m_bSaveAndValidate) {
        combo.m_nComboIndex = -1;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == text)
                combo.m_nComboIndex = static_cast<int>(i);
        combo.m_strText = text;
        return;
    }
    pDX->Remember(text);
    const int index = combo.m_nComboIndex;
    text = index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)]
                                                                : combo.m_strText;
}
