#pragma once

#include "Records/TestingProportionsData.h"
#include "TvkBaseGui/CRecordOptions.h"

// One proportion tested against a hypothesized one, from typed totals (aggregate input) or from a
// trials and a successes variable (raw data input).
class CTestingOneProportionData : public CRecordOptions<CTestingOneProportionData>,
                                  public CTestingOneProportionDataValues {
public:
    CTestingOneProportionData() { SetEditAttribute(); }

    TVK_OPTIONS(TESTING_ONE_PROPORTION_OPTIONS)

    bool IsAggergrateRadioChecked() const;

    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Two proportions compared, each from typed totals or from a trials and a successes variable.
class CTestingTwoProportionData : public CRecordOptions<CTestingTwoProportionData>,
                                  public CTestingTwoProportionDataValues {
public:
    CTestingTwoProportionData() { SetEditAttribute(); }

    TVK_OPTIONS(TESTING_TWO_PROPORTION_OPTIONS)

    bool IsAggergrateRadioChecked() const;

    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Two sets of correlations compared. The confidence level is kept but never written.
class CTestingTwoCorrelationsData : public CRecordOptions<CTestingTwoCorrelationsData>,
                                    public CTestingTwoCorrelationsDataValues {
public:
    TVK_OPTIONS(TESTING_TWO_CORRELATIONS_OPTIONS)

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
