#pragma once

#include <array>

#include "Private/OpenCommon.h"
#include "Records/RsMixtureData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Mixture designs: the blends of a number of components that sum to one, as a simplex lattice, a
// simplex centroid or the extreme vertices of a region bounded per component.
//
// Options, in declared order (also the archive's order):
//   TypeRadio         int            0   radio 5611: simplex lattice, simplex centroid, extreme vertices
//   ComponentsEdit    CGUIData<int>  3   [2, 12]
//   DegreeEdit        CGUIData<int>  2   [1, 6], the lattice's spacing 1/degree (lattice only)
//   LowerBoundsEdit   text           ""  one lower bound in [0, 1] per component (extreme vertices only)
//   UpperBoundsEdit   text           ""  one upper bound in [0, 1] per component (extreme vertices only)
//   ReplicationsEdit  CGUIData<int>  1   [1, 100]
//   RandomCheck       int            0   randomise the run order
//   SaveFileEdit, SaveFileCheck          the design saved to a file
//
// Lines: MIXTURE; SAVE "file" when saving; "LATTICE", "CENTROID" or "VERTICES", then after " /":
// " COMPONENTS = ", " DEGREE = " (lattice), " REPS = " by the value rule; " LOWER = " and " UPPER = "
// with the bounds as typed, in the host's decimal symbol (extreme vertices, when given and numbers);
// " RAND".
class CRsMixtureData : public CRecordOptions<CRsMixtureData>, public CRsMixtureDataValues {
public:
    enum Type { TypeLattice, TypeCentroid, TypeVertices };
    static constexpr std::array<const wchar_t*, 3> kTypeKeywords = {L"LATTICE", L"CENTROID", L"VERTICES"};

    TVK_OPTIONS(RS_MIXTURE_OPTIONS)
    void GetCommandInfoList(CCmdList& lines) const override;
};
