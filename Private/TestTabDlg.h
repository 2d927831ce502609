#pragma once

#include "Private/HypothesesTabData.h"
#include "Private/NonparametricDlg.h"
#include "Private/NonparametricTabData.h"
#include "Private/TabDlg.h"
#include "Private/TestingMeansDlg.h"
#include "Private/TestingProportionsDlg.h"
#include "TvkDlgBase/CBootStrapDlg.h"

// The composite dialogs of the hypothesis-testing and nonparametric menus: a test page and resampling,
// the page given the variant that the composite record's table names for the caption.
template <class Tab, class TestDlg>
class CTestTabDlg : public CTabDlg<Tab, TestDlg, CBootStrapDlg> {
protected:
    const CTabDlgBase::PageCaptionTable& GetPageCaptions() const override { return Tab::PageCaptions(); }
};

// One record serves seven tests; a caption it does not know leaves the page without a test.
class CTestingOneSampleTabDlg final : public CTestTabDlg<CTestingOneSampleTabData, CTestingOneSampleDlg> {
public:
    void SetDlgCaptionID(UINT captionId) override;
};

class CTestingTwoSampleTabDlg final : public CTestTabDlg<CTestingTwoSampleTabData, CTestingTwoSampleDlg> {};

// Resampling draws cases: it is offered for raw data input only.
template <class Tab, class ProportionDlg>
class CProportionTabDlg : public CTestTabDlg<Tab, ProportionDlg> {
public:
    BOOL IsBootStrapWindowEnabled();
    BOOL OnInitDialog() override;
    void UserShowPage(int page) override;

private:
    void EnableBootStrapPage();
};

class CTestingOneProportionTabDlg final
    : public CProportionTabDlg<CTestingOneProportionTabData, CTestingOneProportionDlg> {};
class CTestingTwoProportionTabDlg final
    : public CProportionTabDlg<CTestingTwoProportionTabData, CTestingTwoProportionDlg> {};
class CTestingTwoCorrelationsTabDlg final
    : public CTestTabDlg<CTestingTwoCorrelationsTabData, CTestingTwoCorrelationsDlg> {};

class CKwTabDlg final : public CTestTabDlg<CKwTabData, CKwDlg> {};
class CTwoSampleKSTabDlg final : public CTestTabDlg<CTwoSampleKSTabData, CKwDlg> {};
class CQuadeTabDlg final : public CTestTabDlg<CQuadeTabData, CQuadeDlg> {};
class CFriedManTabDlg final : public CTestTabDlg<CFriedManTabData, CQuadeDlg> {};
class CRunsTabDlg final : public CTestTabDlg<CRunsTabData, CRunsDlg> {};
class CSignTabDlg final : public CTestTabDlg<CSignTabData, CRunsDlg> {};
class CWilcoxonTabDlg final : public CTestTabDlg<CWilcoxonTabData, CRunsDlg> {};
