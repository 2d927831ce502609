#pragma once

#include "Records/FittingData.h"
#include "TvkBaseGui/CRecordOptions.h"
#include "TvkDlgBase/CDistribManager.h"

// Distribution fitting, continuous (variant identifier 2080) or discrete (2081): distributions fitted to the
// values of the selected variables.
//
// Options, in declared order:
//   ListOfVariablesList        the data's numeric variables
//   SelectedVariablesList      the variables fitted
//   DistributionsList          the distributions the description file offers, by display name
//   SelectedDistributionsList  the distributions chosen, by display name
//   SaveFileEdit, SaveFileCheck  the results saved to a file
//   DistribManagerData         the parameters of the distributions, as the manager keeps them
//
// Archive: the base part and the variant identifier; SaveFileEdit; SaveFileCheck; the four lists in declared
// order; the distribution.
//
// Lines: the module line (13035); SAVE "file" when saving and a file name is given; then
//   CONTINUOUS x y/ DISTRIBUTION = Z                    no distribution chosen ("P" when discrete)
//   CONTINUOUS x y/ DISTRIBUTION = norm(0, 1)           one, with the parameters kept for it
//   CONTINUOUS x y/ DISTRIBUTION = norm gamma           several continuous ones, without parameters
// where "norm" is the distribution's function stem. Several discrete distributions write no fitting
// line; the discrete dialog therefore offers one at a time: its add button is disabled while one is
// chosen, so that the user cannot choose what the record would not write.
class CFittingData : public CRecordOptions<CFittingData, CDistribNewData>, public CFittingDataValues {
public:
    TVK_OPTIONS(FITTING_OPTIONS, DistribManagerData)

    bool IsDistributionTypeContinuous() const { return GetVariantID() == kContinuous; }
    // The caption of the selected-distributions list.
    CString GetDefaultSelectedDistributionsListName() const;
    static const wchar_t* DistribInfoFile(UINT variantId);
    // The description file of the record's variant identifier, read from the host's folder.
    void ReadDistribInfo(CDistribManager& manager) const;
    // The type of an offered distribution by its display name; -1 for none.
    int GetDistribType(const CDistribManager& manager, const CString& name) const;

    void Serialize(CArchive& ar) override;
    // The data's numeric variables (the first is selected when none is) and the offered distributions.
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
