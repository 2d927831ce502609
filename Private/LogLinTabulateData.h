#pragma once

#include "Records/LogLinTabulateData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Loglinear tabulation: the contingency table of the chosen factors, counted from the cases (or summed
// from a weight variable holding each case's count), that the loglinear models are then fitted to; it
// can be saved to a file.
//
// Lines: the loglinear module line; the save line when saving to a named file; "TABULATE ", the factors
// joined by "*", " /", then " WEIGHT = " and the weight, " MISS", " LIST"; a trailing "/" is removed.
class CLogLinTabulateData : public CRecordOptions<CLogLinTabulateData> {
public:
    TVK_OPTIONS(LOGLIN_TABULATE_OPTIONS)

    void Serialize(CArchive& ar) override {
        CGUIBaseObj::Serialize(ar);
        SerializeOptions(ar);
    }
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
