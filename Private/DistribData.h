#pragma once

#include <span>
#include <vector>

#include "HostApi/Numerics.h"
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

// The fields of the catalogue record, in declared (and archive) order: type, name, default. Numbers are
// holders (integer ones where the distribution takes a count), lists and file names texts, the
// text-or-file switches 0 (the text) or 1 (the file).
#define DISTRIB_DATA_FIELDS(F)         \
    F(CGUIData<double>, U1Edit, 0.0)   \
    F(CGUIData<double>, U2Edit, 1.0)   \
    F(CGUIData<double>, B1Edit, 2.0)   \
    F(CGUIData<double>, B2Edit, 2.0)   \
    F(CGUIData<double>, En1Edit, 0.0)  \
    F(CGUIData<double>, En2Edit, 1.0)  \
    F(CGUIData<double>, Tr1Edit, 0.0)  \
    F(CGUIData<double>, Tr2Edit, 1.0)  \
    F(CGUIData<double>, Tr3Edit, 0.5)  \
    F(CGUIData<double>, L1Edit, 0.0)   \
    F(CGUIData<double>, L2Edit, 1.0)   \
    F(CGUIData<double>, De1Edit, 0.0)  \
    F(CGUIData<double>, De2Edit, 1.0)  \
    F(CGUIData<int>, T1Edit, 5)        \
    F(CGUIData<double>, C1Edit, 0.0)   \
    F(CGUIData<double>, C2Edit, 1.0)   \
    F(CGUIData<double>, Gu1Edit, 0.0)  \
    F(CGUIData<double>, Gu2Edit, 1.0)  \
    F(CGUIData<double>, Z1Edit, 0.0)   \
    F(CGUIData<double>, Z2Edit, 1.0)   \
    F(CGUIData<double>, G1Edit, 1.0)   \
    F(CGUIData<double>, G2Edit, 1.0)   \
    F(CGUIData<int>, X1Edit, 1)        \
    F(CGUIData<double>, Go1Edit, 0.3)  \
    F(CGUIData<double>, Go2Edit, 3.0)  \
    F(CGUIData<double>, Ln1Edit, 0.0)  \
    F(CGUIData<double>, Ln2Edit, 1.0)  \
    F(CGUIData<int>, F1Edit, 2)        \
    F(CGUIData<int>, F2Edit, 2)        \
    F(CGUIData<double>, W1Edit, 1.0)   \
    F(CGUIData<double>, W2Edit, 2.0)   \
    F(CGUIData<double>, Pa1Edit, 1.0)  \
    F(CGUIData<double>, Pa2Edit, 1.0)  \
    F(CGUIData<double>, R1Edit, 2.0)   \
    F(CGUIData<double>, Ig1Edit, 1.0)  \
    F(CGUIData<double>, Ig2Edit, 1.0)  \
    F(CGUIData<double>, E1Edit, 0.0)   \
    F(CGUIData<double>, E2Edit, 1.0)   \
    F(CGUIData<int>, S1Edit, 3)        \
    F(CGUIData<int>, S2Edit, 3)        \
    F(CGUIData<int>, Du1Edit, 10)      \
    F(CGUIData<double>, P1Edit, 1.0)   \
    F(CGUIData<int>, N1Edit, 2)        \
    F(CGUIData<double>, N2Edit, 0.5)   \
    F(CGUIData<double>, Nb1Edit, 2.0)  \
    F(CGUIData<double>, Nb2Edit, 0.5)  \
    F(CGUIData<double>, Ge1Edit, 0.5)  \
    F(CGUIData<int>, H1Edit, 20)       \
    F(CGUIData<int>, H2Edit, 10)       \
    F(CGUIData<int>, H3Edit, 5)        \
    F(CGUIData<double>, Zi1Edit, 2.0)  \
    F(CGUIData<int>, M1Edit, 1)        \
    F(CGUIData<int>, M2Edit, 3)        \
    F(CString, M3bEdit, CString())     \
    F(CGUIData<double>, Be1Edit, 1.0)  \
    F(CGUIData<double>, Be2Edit, 1.0)  \
    F(CGUIData<double>, Be3Edit, 1.0)  \
    F(CGUIData<int>, Di1Edit, 3)       \
    F(CString, Di2bEdit, CString())    \
    F(CGUIData<int>, Zp1Edit, 2)       \
    F(CString, Zp2bEdit, CString())    \
    F(CString, Zp3bEdit, CString())    \
    F(CString, Zp3FileEdit, CString()) \
    F(int, Zp3Check, 0)                \
    F(CGUIData<int>, Wi1Edit, 2)       \
    F(CGUIData<int>, Wi2Edit, 2)       \
    F(CString, Wi3bEdit, CString())    \
    F(CString, Wi3FileEdit, CString()) \
    F(int, Wi3Check, 0)                \
    F(CString, Wi4bEdit, CString())    \
    F(CString, Wi4FileEdit, CString()) \
    F(int, Wi4Check, 0)                \
    DISTRIB_DATA_SLOT(F, 1)            \
    DISTRIB_DATA_SLOT(F, 2)            \
    DISTRIB_DATA_SLOT(F, 3)            \
    DISTRIB_DATA_SLOT(F, 4)            \
    DISTRIB_DATA_SLOT(F, 5)            \
    DISTRIB_DATA_SLOT(F, 6)            \
    F(int, DistributionCombo, 0)

// A generic parameter slot: a value, a second value, a file name and the switch (1: read from the file).
#define DISTRIB_DATA_SLOT(F, n)              \
    F(CGUIData<double>, Para##n##Edit, 0.0)  \
    F(CGUIData<double>, Para##n##bEdit, 0.0) \
    F(CString, Para##n##FileEdit, CString()) \
    F(int, Para##n##Check, 0)

// The static default, the getter and the setter of one field.
#define DISTRIB_DATA_ACCESSORS(Type, Name, Default) \
    static Type GetDefault##Name() {                \
        return Type(Default);                       \
    }                                               \
    const Type& Get##Name() const {                 \
        return Name;                                \
    }                                               \
    void Set##Name(const Type& value) {             \
        Name = value;                               \
    }
#define DISTRIB_DATA_MEMBER(Type, Name, Default) Type Name = GetDefault##Name();
#define DISTRIB_DATA_TIE(Type, Name, Default) std::tie(Name),

// The catalogue record: 33 distributions with one field per parameter, six generic slots and the
// chosen combo position (a position in the active set, not a catalogue index).
//
// Archive: the base part, then every field in declared order (DISTRIB_DATA_FIELDS): holders in the
// holder form (28 bytes for a real, 20 for an integer), texts in the text form, switches and the combo
// position as 4-byte integers. No procedure of this module archives the record or asks it for command
// lines; it has none of its own.
class CDistribData : public CRecordOptions<CDistribData>, public CDistribTables<CDistribData> {
public:
    static std::span<const DistribEntry> Catalogue();
    static std::vector<int> SetIndexes(int set);
    static const char* SourceFile() { return "DistribData.cpp"; }

    DISTRIB_DATA_FIELDS(DISTRIB_DATA_ACCESSORS)

    auto Options() { return std::tuple_cat(DISTRIB_DATA_FIELDS(DISTRIB_DATA_TIE) std::tuple<>()); }

    // Every field to or from another record at once.
    void GetAllBase(CDistribData& to) const;
    void SetAllBase(const CDistribData& from);

    void Serialize(CArchive& ar) override;
    // The type of the record's choice: the catalogue entry at position DistributionCombo of the active
    // set (std::invalid_argument when the position is outside it; -1 before the tables are filled).
    int GetDistribType() const;

    DISTRIB_DATA_FIELDS(DISTRIB_DATA_MEMBER)
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
