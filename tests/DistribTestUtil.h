#pragma once

#include <vector>

#include "Private/DistribData.h"

// The distribution tables are global: what a test changes is put back for the tests that run after it.
template <class C>
class SavedTables {
public:
    SavedTables()
        : m_filled(C::m_pDistribComboIDS != nullptr),
          m_set(C::m_nDistribSet),
          m_count(C::m_nDistribComboCount),
          m_indexes(C::m_arrDistribComboIndex) {}
    ~SavedTables() {
        if (m_filled)
            C::InitializeDistribIDSAndType();
        else
            C::CleanupOnDestroy();
        C::m_nDistribSet = m_set;
        C::m_nDistribComboCount = m_count;
        C::m_arrDistribComboIndex = m_indexes;
    }
    SavedTables(const SavedTables&) = delete;
    SavedTables& operator=(const SavedTables&) = delete;

private:
    bool m_filled;
    int m_set;
    int m_count;
    std::vector<int> m_indexes;
};
