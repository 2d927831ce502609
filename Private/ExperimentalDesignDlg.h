#pragma once

#include "Private/ExperimentalDesignData.h"
#include "Templates/2075_experimentaldesign.h"
#include "TvkBaseGui/CRecordDlg.h"

// The experimental-design dialog: the design type decides which fields are enabled, their tool tips
// and what values they accept.
class CExperimentalDesignDlg : public CRecordDlg<CExperimentalDesignData>, public Template2075 {
public:
    enum : UINT {
        IDC_TYPE_COMBO = CExperimentalDesignData::kTypeCombo,
        IDC_MIXTURE_COMBO = CExperimentalDesignData::kMixtureCombo,
        IDC_TAGUCHI_COMBO = CExperimentalDesignData::kTaguchiCombo,
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

    TVK_DIALOG(CExperimentalDesignDlg, DoDataExchange, AddToolTips, UpdateDependentWindows, OnCtrlChanged);

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
