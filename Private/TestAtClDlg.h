#pragma once

#include "Private/OpenTabDlg.h"
#include "Private/TestAtClData.h"
#include "Templates/2405_testatcl.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The page of classical test item analysis. The group share follows the item statistics, alpha with
// items deleted the reliability, the key its check; a key holds one answer per item.
class CTestAtClDlg : public CRecordDlg<CTestAtClData>, public Template2405, public CTestAtClDlgValues {
public:
    TVK_DIALOG(CTestAtClDlg, DoDataExchange);
};

class CTestAtClTabDlg final : public COpenTabDlg<CTestAtClTabData, CTestAtClDlg, CBootStrapDlg> {};
