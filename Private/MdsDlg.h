#pragma once

#include "Private/MdsData.h"
#include "Private/TabDlg.h"
#include "TvkBaseGui/CRecordDlg.h"

// The scaling page of multidimensional scaling.
class CMdsDlg : public CRecordDlg<CMdsData> {
public:
    enum : UINT {
        IDD = 2188,
        IDC_SOURCE_LIST = 3002,
        IDC_SELECTED_LIST = 3016,
        IDC_ADD = 2984,
        IDC_REMOVE = 3010,
        IDC_LIST_MENU_LABEL = 3003,
        IDC_DIMENSIONS_EDIT = 2996,
        IDC_POWER_EDIT = 3005,
        IDC_ITERATIONS_EDIT = 2999,
        IDC_CONVERGENCE_EDIT = 2994,
        IDC_ROWS_EDIT = 3011,
        IDC_ROWS_LABEL = 3012,
        IDC_WEIGHT_CHECK = 3021,
        IDC_SAVE_CHECK = 3013,
        IDC_SAVE_TYPE_COMBO = 3014,
        IDC_SAVE_FILE = 3015,
        IDC_REGRESSION_COMBO = 3008,
        IDC_REGRESSION_LABEL = 3009,
        kTargetMessage = 12790,
    };

    explicit CMdsDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;

protected:
    // The defaults recompute the rows and the shape from the data, as each opening does.
    void KeepOnDefault(CMdsData& fresh) override;
};

// The starting-configuration page.
class CMdsConfigDlg : public CRecordDlg<CMdsConfigData> {
public:
    enum : UINT {
        IDD = 2189,
        IDC_MATRIX_EDIT = 2987,
        kMatrixMessage = 13060,
    };

    explicit CMdsConfigDlg(CGUIBaseDlg* parent = nullptr);

    // Whether a row holds exactly `count` numbers: each an optional "-", digits, and optionally "."
    // and digits, separated by blanks.
    static bool IsDimensionFormatCorrect(const CString& row, int count);
    // Rows of exactly as many numbers as the scaling page has dimensions, counted over the typed matrix,
    // must be as many as its selected variables.
    bool IsCommandsEditParseCorrect() const;
    // The same count on any text, for any numbers of dimensions and variables.
    static bool IsMatrixCorrect(const CString& matrix, int dimensions, int variables);

    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateDependentWindows() override;
};

class CMdsTabDlg final : public CTabDlg<CMdsTabData, CMdsDlg, CMdsConfigDlg> {
public:
    static constexpr UINT kYoungPowerMessage = 13184;
    static constexpr int kPowerRegression = 3;

    // Young's loss has no power regression: refused before any page is stored.
    bool OnOK() override;

protected:
    const PageCaptionTable& GetPageCaptions() const override;
};
