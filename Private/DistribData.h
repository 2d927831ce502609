#pragma once

#include <span>
#include <vector>

#include "TvkBaseGui/CGUIBaseObj.h"

// One entry of a distribution catalogue.
struct DistribEntry {
    int type;        // NmsEnum::DISTRIB_TYPE
    int displayIds;  // string resource naming the entry in the combo box
    int commandIds;  // string resource holding the command keyword
};

// The static tables of a distribution catalogue, one copy per catalogue class. The catalogue class
// provides `static std::span<const DistribEntry> Catalogue()` and `static std::vector<int> SetIndexes(int)`
// (the catalogue indexes of a set; empty for an unknown set).
template <class Catalogue>
class CDistribTables {
public:
    static int m_nDistribCount;
    static int* m_pDistribComboIDS;
    static int* m_pDistribType;
    static int m_nDistribSet;
    static int m_nDistribComboCount;
    static std::vector<int> m_arrDistribComboIndex;

    static void InitializeDistribIDSAndType();
    static void CleanupOnDestroy();
    static void SetDistribSet(int set);
    // The launchers' form "set n, list of k entries": the set, then the first k catalogue indexes.
    static void SetDistribSetList(int set, int count);
    static int GetDistribCount() { return m_nDistribCount; }
    static int GetDistribComboCount() { return m_nDistribComboCount; }
    // The catalogue index shown at a combo position; std::invalid_argument outside the active set.
    static int GetDistribComboString(int position);
    // The display id of a catalogue index; -1 (and an assertion for a bad index) when there is none.
    static int GetDistribComboIDS(int index);
    static int GetDistributionComboIDS(int index);
    static void GetDistributionComboCommand(int index, CString& command);
    static int GetDistribTypeAt(int index);
};

// The catalogue of the probability, random-sampling and catalogue dialogs: 33 distributions.
class CDistribData : public CGUIBaseObj, public CDistribTables<CDistribData> {
public:
    static std::span<const DistribEntry> Catalogue();
    static std::vector<int> SetIndexes(int set);
    static const char* SourceFile() { return "DistribData.cpp"; }
};

// The catalogue of distribution fitting: the continuous (set 0) and discrete (set 1) distributions.
class CDistribFittingData : public CGUIBaseObj, public CDistribTables<CDistribFittingData> {
public:
    static std::span<const DistribEntry> Catalogue();
    static std::vector<int> SetIndexes(int set);
    static const char* SourceFile() { return "DistribFittingData.cpp"; }
};

// The catalogue of the one-sample distribution tests: 29 distributions, the continuous ones without
// "RANGE = " and the types only those tests use; set 4 shows all of them.
class CDistribKSData : public CGUIBaseObj, public CDistribTables<CDistribKSData> {
public:
    static std::span<const DistribEntry> Catalogue();
    static std::vector<int> SetIndexes(int set);
    static const char* SourceFile() { return "DistribKSData.cpp"; }
};

extern template class CDistribTables<CDistribData>;
extern template class CDistribTables<CDistribFittingData>;
extern template class CDistribTables<CDistribKSData>;
