#pragma once

#include "Private/PowerDlgBase.h"
#include "Private/PowerOneSampleData.h"
#include "Templates/2239_poweronesample.h"
#include "TvkBaseGui/CRecordDlg.h"

// The dialog of the one-sample power models; its value edits, labels and ranges follow the model.
class CPowerOneSampleDlg : public CRecordDlg<CPowerOneSampleData, CPowerDlgBase>, public Template2239 {
public:
    enum : UINT {
        IDC_ALTERNATIVE_COMBO = CPowerOneSampleData::kAlternativeCombo,
    };
    static constexpr const wchar_t* kDefaultSaveFile = L"POWER.tvz";

    // One value of a model: its label (null when the model has no such value) and its check.
    struct Field {
        const wchar_t* label;
        CPowerValueRule rule;
    };
    struct ModelRules {
        UINT variant;
        Field first, null, spread;
        const CSampleSizeRanges* sizes;
    };
    // The rules of a variant; a variant that is none of the five is shown as the t test.
    static const ModelRules& RulesOf(UINT variant);

    TVK_DIALOG(CPowerOneSampleDlg, OnInitDialog, DoDataExchange, AddToolTips, UpdateDependentWindows);

protected:
    void KeepOnDefault(CPowerOneSampleData& fresh) override;

private:
    const ModelRules& Rules() const;
};
