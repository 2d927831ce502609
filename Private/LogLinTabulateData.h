#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// Archived in declared order after the base part.
#define LOGLIN_TABULATE_OPTIONS(LIST, OPTION)                                                    \
    LIST(ListOfVariablesList) /* every variable of the data */                                   \
    LIST(FactorsList)         /* the table's factors (the first source variable until chosen) */ \
    LIST(WeightVariableList)  /* numeric, at most one; without it each case counts once */       \
    OPTION(int, IncludeMissingValCheck, 0) /* missing values form a level of their own */        \
    OPTION(int, ListLayoutCheck, 0)        /* the table is printed as a list of cells */         \
    OPTION(int, SaveCheck, 0)              /* the table is saved to SaveFileEdit */              \
    OPTION(CString, SaveFileEdit)

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
