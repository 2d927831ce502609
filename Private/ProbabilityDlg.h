#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "Private/ProbabilityData.h"
#include "Templates/2181_probability.h"
#include "TvkBaseGui/CRecordDlg.h"
#include "TvkBaseGui/IPictureSource.h"
#include "TvkDlgBase/CDistribManager.h"

class IDistribution;

// The probability calculator (template 2181): OK computes the chosen function at the value, shows the
// result, fills the results table and draws the density and cumulative plots; the dialog stays open.
class CProbabilityDlg : public CRecordDlg<CProbabilityData>,
                        public IPictureSource,
                        public Template2181,
                        public CProbabilityDlgValues {
public:
    TVK_DIALOG(CProbabilityDlg, OnInitDialog, DoDataExchange, OnCtrlChanged, OnCtrlClicked);

    // Computes; false (the dialog stays open, nothing computed) when a value is refused.
    bool OnOK() override;
    bool PicturePng(std::vector<unsigned char>& png) override;
    std::pair<int, int> PictureSize() const override;
    // The outline of the area under a sampled density that the function measures, as (x, y) corners
    // in order: from the first point up to the limit, or from the limit to the last point for the
    // upper tail; the curve's height at the limit comes from the points either side of it. Empty when
    // nothing lies on the measured side.
    // The numbered ticks of an axis from `low` to `high`: round values about an eighth of the span apart
    // (1, 2, 2.5 or 5 times a power of ten).
    static std::vector<double> AxisTicks(double low, double high);
    static std::vector<std::pair<double, double>> ShadedRegion(
        const std::vector<std::pair<double, double>>& curve, double xLimit, bool upperTail);

    // The results table: label and text per row.
    const std::vector<std::pair<CString, CString>>& GetResultRows() const { return m_results; }
    CDistribManager* GetDistribManager() const { return m_pManager.get(); }
    // The range text of the value for the type and function shown now.
    CString GetValueRangeText() const;
    // The support check of the value; the message (empty when accepted).
    CString CheckValue(int type, const std::vector<double>& p, double x) const;

private:
    void RefreshRangeText();
    // Empties the result, the results table and the plots.
    void ClearResults();
    std::unique_ptr<IDistribution> MakeDistribution() const;
    void ComputePlotValues(const IDistribution& d, double x, double result);
    void FillResults(double result);

    std::unique_ptr<CDistribManager> m_pManager;
    std::vector<std::pair<CString, CString>> m_results;
    std::vector<std::pair<double, double>> m_density;     // the density curve
    std::vector<std::pair<double, double>> m_cumulative;  // the cumulative curve
};
