#pragma once

#include <span>

#include "TvkBaseGui/CRecordOptions.h"

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

    static CGUIData<int> GetDefaultLevelsEdit() { return CGUIData<int>(2); }
    static CGUIData<int> GetDefaultFactorsEdit() { return CGUIData<int>(2); }
    static CGUIData<int> GetDefaultRunsEdit() { return CGUIData<int>(4); }
    static CGUIData<int> GetDefaultReplicationsEdit() { return CGUIData<int>(1); }
    static int GetDefaultLettersForLabelsCheck() { return 0; }
    static int GetDefaultPrintLatinSqCheck() { return 0; }
    static int GetDefaultRandomCheck() { return 0; }
    static int GetDefaultInclBlockFactorCheck() { return 0; }
    static int GetDefaultSaveFileCheck() { return 0; }
    static int GetDefaultTypeCombo() { return 0; }
    static int GetDefaultMixturetypeCombo() { return 0; }
    static int GetDefaultTaguchitypeCombo() { return 0; }
    static CString GetDefaultSaveFileEdit() { return {}; }

    auto Options() {
        return std::tie(LevelsEdit, FactorsEdit, RunsEdit, ReplicationsEdit, LettersForLabelsCheck,
                        PrintLatinSqCheck, RandomCheck, InclBlockFactorCheck, SaveFileCheck, TypeCombo,
                        MixturetypeCombo, TaguchitypeCombo, SaveFileEdit);
    }

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CGUIData<int> LevelsEdit = GetDefaultLevelsEdit();
    CGUIData<int> FactorsEdit = GetDefaultFactorsEdit();
    CGUIData<int> RunsEdit = GetDefaultRunsEdit();
    CGUIData<int> ReplicationsEdit = GetDefaultReplicationsEdit();
    int LettersForLabelsCheck = GetDefaultLettersForLabelsCheck();
    int PrintLatinSqCheck = GetDefaultPrintLatinSqCheck();
    int RandomCheck = GetDefaultRandomCheck();
    int InclBlockFactorCheck = GetDefaultInclBlockFactorCheck();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    int TypeCombo = GetDefaultTypeCombo();
    int MixturetypeCombo = GetDefaultMixturetypeCombo();
    int TaguchitypeCombo = GetDefaultTaguchitypeCombo();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
};
