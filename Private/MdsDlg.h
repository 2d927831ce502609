#pragma once

#include "Private/MdsData.h"
#include "Private/TabDlg.h"
#include "Records/MdsDlg.h"
#include "Templates/2188_mds.h"
#include "Templates/2189_mdsconfig.h"
#include "TvkBaseGui/CRecordDlg.h"

// The scaling page of multidimensional scaling.
class CMdsDlg : public CRecordDlg<CMdsData>, public Template2188 {
public:
    enum : UINT {
        kTargetMessage = 12790,
    };

    TVK_DIALOG(CMdsDlg, DoDataExchange, AddToolTips, UpdateDependentWindows);

protected:
    // The defaults recompute the rows and the shape from the data, as each opening does.
    void KeepOnDefault(CMdsData& fresh) override;
};

// The starting-configuration page.
class CMdsConfigDlg : public CRecordDlg<CMdsConfigData>, public Template2189 {
public:
    enum : UINT {
        kMatrixMessage = 13060,
    };

    TVK_DIALOG(CMdsConfigDlg, DoDataExchange, UpdateDependentWindows);

    // Whether a row holds exactly `count` numbers: each an optional "-", digits, and optionally "."
    // and digits, separated by blanks.
    static bool IsDimensionFormatCorrect(const CString& row, int count);
    // Rows of exactly as many numbers as the scaling page has dimensions, counted over the typed matrix,
    // must be as many as its selected variables.
    bool IsCommandsEditParseCorrect() const;
    // The same count on any text, for any numbers of dimensions and variables.
    static bool IsMatrixCorrect(const CString& matrix, int dimensions, int variables);
};

class CMdsTabDlg final : public CTabDlg<CMdsTabData, CMdsDlg, CMdsConfigDlg>, public CMdsTabDlgValues {
public:
    // Young's loss has no power regression: refused before any page is stored.
    bool OnOK() override;

protected:
    const PageCaptionTable& GetPageCaptions() const override;
};
