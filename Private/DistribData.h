#pragma once

#include <span>
#include <vector>

#include "HostApi/Numerics.h"
#include "Records/DistribData.h"
#include "TvkBaseGui/CGUIBaseObj.h"
#include "TvkBaseGui/CRecordOptions.h"

// One entry of a distribution catalogue; its command keyword is the table of distributions'.
struct DistribEntry {
    NmsEnum::DISTRIB_TYPE type;
    int displayIds;  // string resource naming the entry in the combo box
};

// The sets of a catalogue, by the number a launcher passes.
namespace DistribSet {
enum : int {
    Continuous = 0,
    Discrete = 1,
    Multivariate = 2,
    ContinuousTested = 3,  // the continuous ones the one-sample tests offer: all but the studentized range
    Univariate = 4,
};
}  // namespace DistribSet

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

// The getter and the setter of one field.
#define DISTRIB_ACCESSORS(Type, Name, ...) \
    const Type& Get##Name() const {        \
        return Name;                       \
    }                                      \
    void Set##Name(const Type& value) {    \
        Name = value;                      \
    }

// The catalogue record: 33 distributions with one field per parameter, six generic slots and the
// chosen combo position (a position in the active set, not a catalogue index).
//
// Archive: the base part, then every field in declared order (DISTRIB_OPTIONS): holders in the
// holder form (28 bytes for a real, 20 for an integer), texts in the text form, switches and the combo
// position as 4-byte integers. No procedure of this module archives the record or asks it for command
// lines; it has none of its own.
class CDistribData : public CRecordOptions<CDistribData>, public CDistribTables<CDistribData> {
public:
    static std::span<const DistribEntry> Catalogue();
    static std::vector<int> SetIndexes(int set);
    static const char* SourceFile() { return "DistribData.cpp"; }

    TVK_OPTIONS(DISTRIB_OPTIONS)
    DISTRIB_OPTIONS(TVK_OPTIONS_IGNORE, DISTRIB_ACCESSORS)

    // Every field to or from another record at once.
    void GetAllBase(CDistribData& to) const;
    void SetAllBase(const CDistribData& from);

    void Serialize(CArchive& ar) override;
    // The type of the record's choice: the catalogue entry at position DistributionCombo of the active
    // set (std::invalid_argument when the position is outside it; -1 before the tables are filled).
    int GetDistribType() const;
};

// The catalogue of distribution fitting: the univariate distributions, in the continuous and the
// discrete set.
class CDistribFittingData : public CGUIBaseObj, public CDistribTables<CDistribFittingData> {
public:
    static std::span<const DistribEntry> Catalogue();
    static std::vector<int> SetIndexes(int set);
    static const char* SourceFile() { return "DistribFittingData.cpp"; }
};

// The catalogue of the one-sample distribution tests: the main catalogue's tested continuous
// distributions (the continuous sets), then the types only those tests use; the univariate set shows all.
class CDistribKSData : public CGUIBaseObj, public CDistribTables<CDistribKSData> {
public:
    static std::span<const DistribEntry> Catalogue();
    static std::vector<int> SetIndexes(int set);
    static const char* SourceFile() { return "DistribKSData.cpp"; }
};

extern template class CDistribTables<CDistribData>;
extern template class CDistribTables<CDistribFittingData>;
extern template class CDistribTables<CDistribKSData>;
