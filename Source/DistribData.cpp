#include "Private/DistribData.h"

#include <numeric>
#include <stdexcept>

#include "Source/RecordRegistry.h"
#include "TvkDlgBase/DistribFacts.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

namespace N = NmsEnum;

// Type and display id, the sets' members in the sets' order.
constexpr DistribEntry kCatalogue[] = {
    {N::UNIFORM, 12644},     {N::BETA, 12045},      {N::ENORM, 24023},      {N::TRIANGULAR, 24040},
    {N::LOGISTIC, 12353},    {N::DEXP, 24009},      {N::T, 24039},          {N::CAUCHY, 12070},
    {N::GUMBEL, 24017},      {N::NORMAL, 12433},    {N::GAMMA, 12245},      {N::CHISQ, 12078},
    {N::GOMPERTZ, 24016},    {N::LNORMAL, 12357},   {N::F, 24012},          {N::WEIBULL, 12661},
    {N::PARETO, 24033},      {N::RAYLEIGH, 12506},  {N::IGAUSSIAN, 12299},  {N::EXP, 12204},
    {N::RANGE, 12593},       {N::DUNIFORM, 24008},  {N::POISSON, 12490},    {N::BINOMIAL, 12048},
    {N::NBINOMIAL, 24031},   {N::GEOMETRIC, 24015}, {N::HGEOMETRIC, 24018}, {N::ZIPF, 24044},
    {N::MULTINOMIAL, 24026}, {N::MBETA, 24004},     {N::DIRICHLET, 24007},  {N::ZMNORMAL, 24027},
    {N::WISHART, 24043},
};

// The types only the one-sample tests offer.
constexpr DistribEntry kTestsOnly[] = {
    {N::BENFORD, 24135}, {N::ERLANG, 24136}, {N::LSERIES, 24138}, {N::LLOGISTIC, 24139}, {N::NCCHISQ, 24140},
    {N::NCF, 24141},     {N::NCT, 24142},    {N::SMM, 24143},     {N::SEV, 24144},
};

std::vector<int> Range(int first, int last) {
    std::vector<int> indexes(static_cast<std::size_t>(last - first + 1));
    std::iota(indexes.begin(), indexes.end(), first);
    return indexes;
}

// Whether a distribution belongs to a set of the main catalogue.
bool InSet(int set, N::DISTRIB_TYPE type) {
    const DistribFact* fact = FindDistribFact(type);
    if (!fact)
        return false;
    const bool continuous = !fact->discrete && !fact->multivariate;
    switch (set) {
        case DistribSet::Continuous:
            return continuous;
        case DistribSet::Discrete:
            return fact->discrete && !fact->multivariate;
        case DistribSet::Multivariate:
            return fact->multivariate;
        case DistribSet::ContinuousTested:
            return continuous && type != N::RANGE;
        case DistribSet::Univariate:
            return !fact->multivariate;
        default:
            return false;
    }
}

// The indexes of a catalogue's members of a set, ascending.
std::vector<int> Members(std::span<const DistribEntry> catalogue, int set) {
    std::vector<int> indexes;
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        if (InSet(set, catalogue[i].type))
            indexes.push_back(static_cast<int>(i));
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
    const DistribFact* fact = FindDistribFact(C::Catalogue()[static_cast<std::size_t>(index)].type);
    return fact ? fact->keywordIds : -1;
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
    return Members(kCatalogue, set);
}

// Fitting fits the univariate distributions, which lead the catalogue.
std::span<const DistribEntry> CDistribFittingData::Catalogue() {
    static const std::size_t univariate = Members(kCatalogue, DistribSet::Univariate).size();
    return std::span(kCatalogue).first(univariate);
}

std::vector<int> CDistribFittingData::SetIndexes(int set) {
    if (set != DistribSet::Continuous && set != DistribSet::Discrete)
        return {};
    return Members(Catalogue(), set);
}

std::span<const DistribEntry> CDistribKSData::Catalogue() {
    static const std::vector<DistribEntry> catalogue = [] {
        std::vector<DistribEntry> entries;
        for (int i : Members(kCatalogue, DistribSet::ContinuousTested))
            entries.push_back(kCatalogue[static_cast<std::size_t>(i)]);
        entries.insert(entries.end(), std::begin(kTestsOnly), std::end(kTestsOnly));
        return entries;
    }();
    return catalogue;
}

std::vector<int> CDistribKSData::SetIndexes(int set) {
    // The entries borrowed from the main catalogue lead.
    const int shared = static_cast<int>(Catalogue().size() - std::size(kTestsOnly));
    switch (set) {
        case DistribSet::Continuous:
        case DistribSet::ContinuousTested:
            return Range(0, shared - 1);
        case DistribSet::Univariate:
            return Range(0, static_cast<int>(Catalogue().size()) - 1);
        default:
            return {};
    }
}
