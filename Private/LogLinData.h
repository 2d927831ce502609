#pragma once

#include "Records/LogLinData.h"
#include "TvkBaseGui/CRecordOptions.h"

// The model page of the loglinear composite: the table's factors, the model to fit (terms built from the
// factors, or a typed model), the estimation settings and an optional save file.
//
// A model term is kept as a variable whose name is the term's text: "A" (a main effect), "A*B" (the
// interaction of A and B), "A#B" (A*B with every lower-order term it contains, the full factorial of
// A and B); a term that begins with "-" leaves that term out of the model the terms before it make.
// Check 1273 (ExcludeTermsCheck) makes the term buttons add their terms as such exclusions. Joined with
// "+", an exclusion reads "A#B-A*B".
//
// Delta (a constant added to every cell before fitting) and the order (the term buttons' interaction
// order) hold for one session: neither is archived, and a record read back from a store has them at
// their defaults (OnReadBack), also when it is read into a record that held others.
class CLogLinData : public CRecordOptions<CLogLinData>, public CLogLinDataValues {
public:
    TVK_OPTIONS(LOGLIN_OPTIONS)

    void Serialize(CArchive& ar) override;
    void OnReadBack() override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
