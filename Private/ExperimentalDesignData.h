#pragma once

#include <span>

#include "Records/ExperimentalDesignData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Experimental designs: one line that asks the kernel for a design of the chosen type.
class CExperimentalDesignData : public CRecordOptions<CExperimentalDesignData>,
                                public CExperimentalDesignDataValues {
public:
    // The bounds of one field under one design type: (0, 0) when the type does not use the field; a
    // maximum of kOpenMaximum admits everything below it, one of -1 has no upper bound.
    struct Bounds {
        int maximum;
        int minimum;
        bool Used() const { return maximum != 0 || minimum != 0; }
    };
    struct DesignType {
        UINT item;
        Bounds levels, factors, runs, replications;
    };
    // Every design type, in the order of the type combo.
    static std::span<const DesignType> DesignTypes();
    // The design type of a type-combo item, or null.
    static const DesignType* FindDesignType(UINT item);

    TVK_OPTIONS(EXPERIMENTAL_DESIGN_OPTIONS)

    void GetCommandInfoList(CCmdList& lines) const override;
};
