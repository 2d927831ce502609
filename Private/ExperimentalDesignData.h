#pragma once

#include <span>

#include "TvkBaseGui/CRecordOptions.h"

#define EXPERIMENTAL_DESIGN_OPTIONS(LIST, OPTION) \
    OPTION(CGUIData<int>, LevelsEdit, 2)          \
    OPTION(CGUIData<int>, FactorsEdit, 2)         \
    OPTION(CGUIData<int>, RunsEdit, 4)            \
    OPTION(CGUIData<int>, ReplicationsEdit, 1)    \
    OPTION(int, LettersForLabelsCheck, 0)         \
    OPTION(int, PrintLatinSqCheck, 0)             \
    OPTION(int, RandomCheck, 0)                   \
    OPTION(int, InclBlockFactorCheck, 0)          \
    OPTION(int, SaveFileCheck, 0)                 \
    OPTION(int, TypeCombo, 0)                     \
    OPTION(int, MixturetypeCombo, 0)              \
    OPTION(int, TaguchitypeCombo, 0)              \
    OPTION(CString, SaveFileEdit)

// Experimental designs: one line that asks the kernel for a design of the chosen type.
class CExperimentalDesignData : public CRecordOptions<CExperimentalDesignData> {
public:
    static constexpr UINT kModule = 12903;
    static constexpr UINT kTypeCombo = 1787;
    static constexpr UINT kMixtureCombo = 1774;
    static constexpr UINT kTaguchiCombo = 1785;
    // Design types (items of the type combo).
    static constexpr UINT kFactorialItem = 12208;
    static constexpr UINT kBoxHunterItem = 12063;
    static constexpr UINT kLatinSquareItem = 12326;
    static constexpr UINT kPlackettBurmanItem = 12488;
    static constexpr UINT kBoxBehnkenItem = 12062;
    static constexpr UINT kMixtureItem = 12398;
    static constexpr UINT kTaguchiItem = 12603;
    // The mixture type that takes a number of levels, and the Taguchi array left to the kernel.
    static constexpr UINT kLatticeItem = 12327;
    static constexpr UINT kTaguchiAutomaticItem = 12312;

    // The bounds of one field under one design type: (0, 0) when the type does not use the field; a
    // maximum of kOpenMaximum admits everything below it, one of -1 has no upper bound.
    struct Bounds {
        int maximum;
        int minimum;
        bool Used() const { return maximum != 0 || minimum != 0; }
    };
    static constexpr int kOpenMaximum = 32000;
    struct DesignType {
        UINT item;
        Bounds levels, factors, runs, replications;
    };
    // Every design type, in the order of the type combo.
    static std::span<const DesignType> DesignTypes();
    // The design type of a type-combo item, or null.
    static const DesignType* FindDesignType(UINT item);

    TVK_OPTIONS(EXPERIMENTAL_DESIGN_OPTIONS)

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;
};
