#pragma once

#include "TvkApi.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// The resampling page of the tabbed procedures: whether the procedure is run on resamples of the data,
// and how they are drawn.
//
// Options, in declared order (the order of GetAll / SetAll):
//   BootStrapCheck  int             0     resampling on (check 1226 of the page)
//   MethodCombo     int             0     combo 1227: 0 ordinary bootstrap (cases drawn with
//                                         replacement), 1 balanced bootstrap (every case drawn equally
//                                         often over all resamples), 2 delete-one jackknife
//   SamplesEdit     CGUIData<int>   1000  number of resamples (bootstrap methods)
//   SampleSizeEdit  CGUIData<int>   0     cases per resample; 0 = as many as the data has (second mark 2)
//   SeedEdit        CGUIData<int>   0     seed of the resampling generator; 0 = the host's generator
//                                         chooses (second mark 2)
//
// Archive, after the base part: BootStrapCheck, MethodCombo (4 bytes each), then the holders
// SamplesEdit, SampleSizeEdit, SeedEdit (20 bytes each).
//
// Command line, only while resampling is on (the page's line follows the procedure's own):
//   "BOOTSTRAP /" then " METHOD = BALANCED" or " METHOD = JACKKNIFE" for those methods; for the two
//   bootstrap methods " SAMPLES = " and the count (always: a run must say how many resamples it used),
//   " SIZE = " and the size when it is above 0, " SEED = " and the seed when it is not 0. The jackknife
//   has neither: its n resamples of n - 1 cases are fixed by the data, and it draws nothing at random.
class TVK_API CBootStrapData : public CGUIBaseObj {
public:
    static constexpr UINT kBootStrapCheckControl = 1226;
    static constexpr UINT kMethodCombo = 1227;
    enum Method { MethodOrdinary = 0, MethodBalanced = 1, MethodJackknife = 2 };

    CBootStrapData();

    static int GetDefaultBootStrapCheck() { return 0; }
    static int GetDefaultMethodCombo() { return MethodOrdinary; }
    static CGUIData<int> GetDefaultSamplesEdit() { return CGUIData<int>(1000); }
    static CGUIData<int> GetDefaultSampleSizeEdit() { return CGUIData<int>(0); }
    static CGUIData<int> GetDefaultSeedEdit() { return CGUIData<int>(0); }

    // What the statistics pages ask of their sister resampling page.
    bool IsResamplingOn() const { return BootStrapCheck != 0; }

    int GetAll(int& bootStrapCheck, int& methodCombo, CGUIData<int>& samples, CGUIData<int>& sampleSize,
               CGUIData<int>& seed) const;
    int SetAll(int bootStrapCheck, int methodCombo, const CGUIData<int>& samples,
               const CGUIData<int>& sampleSize, const CGUIData<int>& seed);

    void Serialize(CArchive& ar) override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    int BootStrapCheck;
    int MethodCombo;
    CGUIData<int> SamplesEdit;
    CGUIData<int> SampleSizeEdit;
    CGUIData<int> SeedEdit;
};
