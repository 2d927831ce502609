#pragma once

#include "Records/RandSampData.h"
#include "TvkBaseGui/CRecordOptions.h"
#include "TvkDlgBase/CDistribManager.h"

// Random samples from a distribution the distribution manager offers: continuous (variant identifier 2256),
// discrete (2257) or multivariate (2258).
//
// Options, in declared order:
//   SizeOfSampleEdit  CGUIData<int>           1  values in each sample, [1, +inf)
//   NumSampleEdit     CGUIData<int>           1  samples, [1, +inf)
//   RandomSeedEdit    CGUIData<unsigned int>  0  the seed; 0 is no seed (an empty edit): the range
//                                                [1, 30000] (generator setting 2) or [1, 4294967295]
//                                                leaves 0 out, so no typed seed is ever 0
//   SaveFileCheck, SaveFileEdit                  the samples saved to a file
//   DistribManagerData                           the chosen distribution and its parameters
//
// Archive: the base part and the variant identifier; SaveFileCheck; SaveFileEdit; the three holders; the
// distribution.
//
// Lines, none at all while the chosen distribution has no function stem F (none chosen yet):
//   RANDSAMP
//   SAVE "file"                    when saving and a file name is given
//   UNIVARIATE F RN(p1, p2) /SIZE = n NSAMP = k RSEED = s                       (2256, 2257)
//   MULTIVARIATE F RN(p1, [list], [matrix]) / NSAMP = k SIZE = n RSEED = s     (2258)
// (without the blanks around "RN"). Whole-number parameters are written as integers, others as a
// stream writes a double; lists and matrices in brackets, a matrix read from a file as its quoted
// name. SIZE and NSAMP are always written, RSEED only for a seed.
class CRandSampData : public CRecordOptions<CRandSampData, CDistribNewData>, public CRandSampDataValues {
public:
    TVK_OPTIONS(RANDSAMP_OPTIONS, DistribManagerData)

    // The description file of the record's variant identifier.
    static const wchar_t* DistribInfoFile(UINT variantId);
    // The seed's largest value under the host's generator setting now.
    static unsigned int SeedMaximum();
    // The parameters of the chosen distribution as the sampling function takes them, joined by ", ".
    CString ParameterText() const;

    void GetCommandInfoList(CCmdList& lines) const override;
};
