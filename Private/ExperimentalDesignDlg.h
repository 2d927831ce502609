#pragma once

#include "Private/ExperimentalDesignData.h"
#include "TvkBaseGui/CRecordDlg.h"

// The experimental-design dialog: the design type decides which fields are enabled, their tool tips
// and what values they accept.
class CExperimentalDesignDlg : public CRecordDlg<CExperimentalDesignData> {
public:
    enum : UINT {
        IDD = 2075,
        IDC_TYPE_COMBO = CExperimentalDesignData::kTypeCombo,
        IDC_MIXTURE_COMBO = CExperimentalDesignData::kMixtureCombo,
        IDC_TAGUCHI_COMBO = CExperimentalDesignData::kTaguchiCombo,
        IDC_MIXTURE_LABEL = 1775,
        IDC_TAGUCHI_LABEL = 1786,
        IDC_FACTORS_EDIT = 1768,
        IDC_FACTORS_LABEL = 1769,
        IDC_LEVELS_EDIT = 1772,
        IDC_LEVELS_LABEL = 1773,
        IDC_RUNS_EDIT = 1781,
        IDC_RUNS_LABEL = 1782,
        IDC_REPLICATIONS_EDIT = 1779,
        IDC_REPLICATIONS_LABEL = 1780,
        IDC_LETTERS_CHECK = 1770,
        IDC_BLOCK_CHECK = 1771,
        IDC_SQUARE_CHECK = 1783,
        IDC_RANDOM_CHECK = 1784,
        IDC_SAVE_CHECK = 1776,
        IDC_SAVE_FILE = 1777,
    };
    enum class EField { levels, factors, runs, replications };
    using Bounds = CExperimentalDesignData::Bounds;

    // The bounds of a field under the design type at a position of the type combo; (0, 0) for a
    // position the combo does not have.
    static Bounds MaxMin(EField field, int position);
    // Each gives an empty text for an acceptable value, else the range message for the field.
    static CString ValidEdit(int position, int levels);
    static CString ValidEditLevel(int position, int factors);
    static CString ValidEditRuns(int position, int runs, int factors);
    static CString ValidEditReplications(int position, int replications);
    // The tool tip of a field under the design type at a position; empty where the type does not use
    // the field.
    static CString ChangingToolTips(EField field, int position);

    explicit CExperimentalDesignDlg(CGUIBaseDlg* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void AddToolTips() override;
    void UpdateDependentWindows() override;
    void OnCtrlChanged(UINT id) override;
    // A new design type: fields outside its bounds show its smallest value, then enabling and tool tips
    // follow the type.
    void OnSelchangeTypeCombo();
    void OnSelchangeMixturetypeCombo();
    void OnSelchangeTaguchitypeCombo();
    // The tool tips of the fields the current design type uses; the others keep theirs.
    void UpdateAddToolTips();
    int GetDesignTypeComboIndex() const;
    int GetMixtureTypeComboIndex() const;
    int GetTaguchitypeCombo() const;

private:
    void Validate(CDataExchange* pDX, UINT id, const CString& message);
};
