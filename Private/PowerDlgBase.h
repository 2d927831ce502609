#pragma once

#include <limits>
#include <vector>

#include "Private/PowerCommon.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

// The ranges of a power dialog's sample sizes: one size, the smallest and largest of a range, the step.
struct CSampleSizeRanges {
    struct Range {
        int minimum;
        int maximum;
    };
    Range single, smallest, largest, step;
};

// How a model value of a power dialog is checked: any number, a correlation (-1, 1), a proportion
// (0, 1), or a positive number up to `maximum` (inclusive; infinity for none). `range` is the tool tip.
enum class EPowerValue { any, correlation, proportion, positive };
struct CPowerValueRule {
    EPowerValue kind;
    const wchar_t* range;
    double maximum = std::numeric_limits<double>::infinity();
};

// What every power dialog shares: the test level, the estimate radio group with its power and sample-
// size edits, the alternative combo, the save-file pair, and the checks of the model values.
class CPowerDlgBase : public CGUIBaseDlg {
public:
    enum : UINT {
        IDC_LEVEL_EDIT = 3751,
        IDC_POWER_EDIT = 3753,
        IDC_SAMPLE_SIZE_EDIT = 3754,
        IDC_SMALLEST_EDIT = 3755,
        IDC_LARGEST_EDIT = 3757,
        IDC_STEP_EDIT = 3759,
        IDC_SAVE_CHECK = 3760,
        IDC_SAVE_FILE = 3761,
    };
    static constexpr CSampleSizeRanges kStandardSizes{{1, 1000000}, {1, 999999}, {2, 1000000}, {1, 999999}};
    static constexpr CSampleSizeRanges kCorrelationSizes{
        {3, 1000000}, {3, 999999}, {4, 1000000}, {1, 999997}};
    static constexpr CSampleSizeRanges kGenericSizes{{1, 1000000}, {1, 9999999}, {2, 1000000}, {1, 9999999}};

    // `alternativeCombo` is 0 for a dialog without one; `radioGroups` are the dialog's other radio groups.
    CPowerDlgBase(UINT templateId, CGUIBaseDlg* parent, const CPowerEstimateRadio& estimate,
                  UINT alternativeCombo, std::vector<UINT> radioGroups = {});

    void UpdateDependentWindows() override;
    // The item id of the checked button of a radio group, or 0.
    UINT GetCheckedItem(UINT group) const;
    EPowerEstimate GetCheckedEstimate() const;
    // "[minimum, maximum]"
    static CString RangeText(const CSampleSizeRanges::Range& range);

    // The checks of the model values; each exchanges the holder with its edit first.
    // [minimum, maximum], or [minimum, +inf) at the type's largest value.
    template <class T>
    void CheckControl(CDataExchange* pDX, UINT id, CGUIData<T>& holder, T minimum,
                      T maximum = std::numeric_limits<T>::max()) {
        DDX_Range(pDX, id, holder, minimum, maximum, eInclusive,
                  maximum == std::numeric_limits<T>::max() ? eNoValidation : eInclusive);
    }
    void CheckControlCorr(CDataExchange* pDX, UINT id, CGUIData<double>& holder);
    // (minimum, maximum], or (minimum, +inf) for an infinite maximum.
    void CheckControlGreaterThan(CDataExchange* pDX, UINT id, CGUIData<double>& holder, double minimum,
                                 double maximum = std::numeric_limits<double>::infinity());
    // Below `maximum` and above `minimum`.
    void CheckControlLessThan(CDataExchange* pDX, UINT id, CGUIData<double>& holder, double minimum,
                              double maximum);
    // A value equal to `other` would test an effect of nothing.
    void CheckControlNotEqual(CDataExchange* pDX, UINT id, const CGUIData<double>& holder, double other);
    // The largest sample size of a range lies above the smallest.
    void CheckSampleSize(CDataExchange* pDX, const CGUIData<int>& smallest, const CGUIData<int>& largest,
                         int maximum);

protected:
    // The options every power record has, under the record's own names.
    struct CCommonFields {
        CString& level;
        CString& power;
        int& estimate;
        CGUIData<int>& single;
        CGUIData<int>& smallest;
        CGUIData<int>& largest;
        CGUIData<int>& step;
        int& saveCheck;
        CString& saveFile;
    };
    template <class Record>
    static CCommonFields FieldsOf(Record& r, CString& level, int& estimate) {
        return {level,
                r.AlternativePowerCombo,
                estimate,
                r.SampleSizeEdit,
                r.SmallestSampleSizeEdit,
                r.LargestSampleSizeEdit,
                r.DifferenceSamplesEdit,
                r.SaveFileCheck,
                r.SaveFileEdit};
    }
    void ExchangeCommon(CDataExchange* pDX, const CCommonFields& fields, const CSampleSizeRanges& sizes);
    void ExchangeValue(CDataExchange* pDX, UINT id, CGUIData<double>& holder, const CPowerValueRule& rule);
    void AddCommonToolTips(const CSampleSizeRanges& sizes);
    // Whether the estimate controls apply now.
    virtual bool EstimateApplies() const { return true; }

private:
    CPowerEstimateRadio m_estimate;
};
