#include "Source/TablesDlgCommon.h"

#include "TvkUseRes/ResourceTables.h"

void RefuseUnless(CDataExchange* pDX, UINT control, bool ok, UINT message) {
    if (!pDX->m_bSaveAndValidate || ok)
        return;
    TKMessageBox(GetString(message));
    pDX->Fail(control);
}
