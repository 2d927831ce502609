#pragma once

#include "Private/TestTabData.h"
#include "Records/OneSampleKSData.h"
#include "TvkBaseGui/CRecordOptions.h"
#include "TvkDlgBase/CDistribManager.h"

// The page of the one-sample Kolmogorov-Smirnov (and Lilliefors) test (2162) and of the Anderson-Darling
// test (2154): the selected variables against a distribution the distribution manager offers.
//
// Archive: the base part and the variant identifier; SaveStatisticEdit; SaveStatisticCheck; the two lists;
// the distribution. An archive holding another variant identifier than the two tests' is refused.
//
// Lines: the module line (12926); SAVE "file" when saving; then, when the chosen distribution has a
// function stem, "KS " (or "AD ") and the variables, " / ", the distribution's keyword and its
// parameters separated by ", ": "KS x y / NORMAL = 0, 1", "KS x / LILLIEFORS" (the keyword and the kind
// of each parameter are the table of distributions'). Whole-number parameters are written as integers,
// others in six significant digits, always with a "." as the decimal point.
class COneSampleKSData : public CRecordOptions<COneSampleKSData, CDistribNewData>,
                         public COneSampleKSDataValues {
public:
    // A page is the Kolmogorov-Smirnov test's until a composite makes it another's.
    COneSampleKSData() { SetVariantID(kKolmogorovSmirnov); }

    TVK_OPTIONS(ONE_SAMPLE_KS_OPTIONS, DistribManagerData)

    static const wchar_t* DistribInfoFile(UINT variantId);

    void Serialize(CArchive& ar) override;
    // The data's numeric variables; the first is selected when none is.
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
    // The test line alone; empty when the chosen distribution has no function stem.
    CString GetCommandInfoListUnivariate() const;
};

class COneSampleKSTabData
    : public CFixedTestTabData<COneSampleKSData, 2207, COneSampleKSData::kKolmogorovSmirnov> {
public:
    static COneSampleKSData GetDefaultOneSampleKS() { return GetDefaultPage(); }
};

class CADTestTabData : public CFixedTestTabData<COneSampleKSData, 2008, COneSampleKSData::kAndersonDarling> {
public:
    static COneSampleKSData GetDefaultOneSampleKS() { return GetDefaultPage(); }
};
