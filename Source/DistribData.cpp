#include "Private/DistribData.h"

#include <numeric>
#include <stdexcept>

#include "Source/RecordRegistry.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

// Index, type, display id, command id, as the catalogue lists them.
constexpr DistribEntry kCatalogue[] = {
    {0, 12644, 24041},  {1, 12045, 24002},  {2, 24023, 24023},  {3, 24040, 24040},  {4, 12353, 24022},
    {5, 24009, 24009},  {6, 24039, 24039},  {7, 12070, 24005},  {8, 24017, 24017},  {9, 12433, 24032},
    {10, 12245, 24013}, {11, 12078, 24006}, {12, 24016, 24016}, {13, 12357, 24024}, {14, 24012, 24012},
    {15, 12661, 24042}, {16, 24033, 24033}, {17, 12506, 24035}, {18, 12299, 24019}, {19, 12204, 24011},
    {20, 12593, 24038}, {21, 24008, 24008}, {22, 12490, 24034}, {23, 12048, 24003}, {24, 24031, 24031},
    {25, 24015, 24015}, {26, 24018, 24018}, {27, 24044, 24044}, {29, 24026, 24026}, {30, 24004, 24004},
    {31, 24007, 24007}, {32, 24027, 24027}, {33, 24043, 24043},
};

// The one-sample tests: the continuous distributions without RANGE, then the types only they use.
constexpr DistribEntry kKSCatalogue[] = {
    {0, 12644, 24041},  {1, 12045, 24002},  {2, 24023, 24023},  {3, 24040, 24040},  {4, 12353, 24022},
    {5, 24009, 24009},  {6, 24039, 24039},  {7, 12070, 24005},  {8, 24017, 24017},  {9, 12433, 24032},
    {10, 12245, 24013}, {11, 12078, 24006}, {12, 24016, 24016}, {13, 12357, 24024}, {14, 24012, 24012},
    {15, 12661, 24042}, {16, 24033, 24033}, {17, 12506, 24035}, {18, 12299, 24019}, {19, 12204, 24011},
    {35, 24135, 24135}, {36, 24136, 24136}, {38, 24138, 24138}, {39, 24139, 24139}, {40, 24140, 24140},
    {41, 24141, 24141}, {42, 24142, 24142}, {43, 24143, 24143}, {44, 24144, 24144},
};

std::vector<int> Range(int first, int last) {
    std::vector<int> indexes(static_cast<std::size_t>(last - first + 1));
    std::iota(indexes.begin(), indexes.end(), first);
    return indexes;
}

}  // namespace

// Until a set is chosen the combo box shows the whole catalogue, even before the tables are filled.
template <class C>
int CDistribTables<C>::m_nDistribCount = static_cast<int>(C::Catalogue().size());
template <class C>
int* CDistribTables<C>::m_pDistribComboIDS = nullptr;
template <class C>
int* CDistribTables<C>::m_pDistribType = nullptr;
template <class C>
int CDistribTables<C>::m_nDistribSet = -1;
template <class C>
int CDistribTables<C>::m_nDistribComboCount = static_cast<int>(C::Catalogue().size());
template <class C>
std::vector<int> CDistribTables<C>::m_arrDistribComboIndex = Range(0,
                                                                   static_cast<int>(C::Catalogue().size()) -
                                                                       1);

template <class C>
void CDistribTables<C>::InitializeDistribIDSAndType() {
    const auto catalogue = C::Catalogue();
    m_nDistribCount = static_cast<int>(catalogue.size());
    if (!m_pDistribComboIDS)
        m_pDistribComboIDS = new int[catalogue.size()];
    if (!m_pDistribType)
        m_pDistribType = new int[catalogue.size()];
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        m_pDistribComboIDS[i] = catalogue[i].displayIds;
        m_pDistribType[i] = catalogue[i].type;
    }
    if (m_nDistribSet < 0) {
        // Until a set is chosen the combo box shows the whole catalogue.
        m_nDistribComboCount = m_nDistribCount;
        m_arrDistribComboIndex = Range(0, m_nDistribCount - 1);
    }
}

template <class C>
void CDistribTables<C>::CleanupOnDestroy() {
    delete[] m_pDistribComboIDS;
    delete[] m_pDistribType;
    m_pDistribComboIDS = nullptr;
    m_pDistribType = nullptr;
}

template <class C>
void CDistribTables<C>::SetDistribSet(int set) {
    m_nDistribSet = set;
    m_arrDistribComboIndex = C::SetIndexes(set);
    m_nDistribComboCount = static_cast<int>(m_arrDistribComboIndex.size());
    if (m_arrDistribComboIndex.empty())
        CTvkAssertDlg(CString::FromUtf8(C::SourceFile()), 120).DoPrint();
}

template <class C>
void CDistribTables<C>::SetDistribSetList(int set, int count) {
    m_nDistribSet = set;
    m_nDistribComboCount = count;
    m_arrDistribComboIndex = Range(0, count - 1);
}

template <class C>
int CDistribTables<C>::GetDistribComboString(int position) {
    if (position < 0 || position >= static_cast<int>(m_arrDistribComboIndex.size()))
        throw std::invalid_argument("combo position " + std::to_string(position) +
                                    " outside the distribution set");
    return m_arrDistribComboIndex[static_cast<std::size_t>(position)];
}

template <class C>
int CDistribTables<C>::GetDistribComboIDS(int index) {
    if (index < 0 || index >= static_cast<int>(C::Catalogue().size())) {
        CTvkAssertDlg(CString::FromUtf8(C::SourceFile()), 160).DoPrint();
        return -1;
    }
    return m_pDistribComboIDS ? m_pDistribComboIDS[index] : -1;
}

template <class C>
int CDistribTables<C>::GetDistributionComboIDS(int index) {
    if (index < 0 || index >= static_cast<int>(C::Catalogue().size())) {
        CTvkAssertDlg(CString::FromUtf8(C::SourceFile()), 170).DoPrint();
        return -1;
    }
    return C::Catalogue()[static_cast<std::size_t>(index)].commandIds;
}

template <class C>
void CDistribTables<C>::GetDistributionComboCommand(int index, CString& command) {
    const int ids = GetDistributionComboIDS(index);
    command.Empty();
    if (ids >= 0)
        CCommandUtil::GetCommandFromIDS(static_cast<UINT>(ids), command);
}

template <class C>
int CDistribTables<C>::GetDistribTypeAt(int index) {
    if (!m_pDistribType || index < 0 || index >= m_nDistribCount)
        return -1;
    return m_pDistribType[index];
}

template class CDistribTables<CDistribData>;
template class CDistribTables<CDistribFittingData>;
template class CDistribTables<CDistribKSData>;

std::span<const DistribEntry> CDistribData::Catalogue() {
    return kCatalogue;
}

void CDistribData::GetAllBase(CDistribData& to) const {
    to.Options() = const_cast<CDistribData&>(*this).Options();
}

void CDistribData::SetAllBase(const CDistribData& from) {
    Options() = const_cast<CDistribData&>(from).Options();
}

void CDistribData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    SerializeOptions(ar);
}

int CDistribData::GetDistribType() const {
    return GetDistribTypeAt(GetDistribComboString(DistributionCombo));
}

REGISTER_RECORD(CDistribData);

std::vector<int> CDistribData::SetIndexes(int set) {
    switch (set) {
        case 0:
            return Range(0, 20);
        case 1:
            return Range(21, 27);
        case 2:
            return Range(28, 32);
        case 3:
            return Range(0, 19);
        case 4:
            return Range(0, 27);
        default:
            return {};
    }
}

// Fitting fits the univariate distributions: the first 28 entries of the catalogue.
std::span<const DistribEntry> CDistribFittingData::Catalogue() {
    return std::span(kCatalogue).first(28);
}

std::vector<int> CDistribFittingData::SetIndexes(int set) {
    switch (set) {
        case 0:
            return Range(0, 20);
        case 1:
            return Range(21, 27);
        default:
            return {};
    }
}

std::span<const DistribEntry> CDistribKSData::Catalogue() {
    return kKSCatalogue;
}

std::vector<int> CDistribKSData::SetIndexes(int set) {
    switch (set) {
        case 0:
        case 3:
            return Range(0, 19);
        case 4:
            return Range(0, 28);
        default:
            return {};
    }
}
