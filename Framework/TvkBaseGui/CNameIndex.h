#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "TvkApi.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// Finds the items of a variable list by name without copying a name: an open-addressed table of item
// positions, each slot with its name's hash so that a probe rarely has to look at a name. The list is
// passed to every call; the index holds positions only, so moving the list does not invalidate it,
// while any other change to the list calls for Build again.
class TVK_API CNameIndex {
public:
    void Build(const CVariableList& items);
    // The position of the first item with this name, or -1.
    int Find(const CVariableList& items, const CString& name) const;
    // Indexes the item at `position`, appended since the last Build or Add; false, with nothing
    // indexed, when an earlier item has its name.
    bool Add(const CVariableList& items, int position);
    // Appends `item` to `items` and indexes it when no item has its name yet; false when one has.
    bool AddIfNew(CVariableList& items, const CGUIDataVariable& item);
    // Room for `count` names in all, so that adding up to that many does not rebuild the table.
    void Reserve(const CVariableList& items, std::size_t count) { Grow(items, count); }
    void Clear();
    // Starts fetching the slot where a lookup of `name` begins: a run of lookups that prefetches a few
    // names ahead waits for memory once per several names instead of once per name.
    void Prefetch(const CString& name) const {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[Hash(name) & (m_slots.size() - 1)]);
    }
    // How far ahead such a run prefetches.
    static constexpr std::size_t kPrefetchDistance = 8;

private:
    struct Slot {
        std::uint32_t hash;
        std::int32_t position;  // -1: empty
    };
    static std::uint32_t Hash(const CString& name);
    // The slot that holds `name`, or the empty slot where it would go.
    std::size_t Probe(const CVariableList& items, const CString& name, std::uint32_t hash) const;
    void Grow(const CVariableList& items, std::size_t count);

    std::vector<Slot> m_slots;
    std::size_t m_count = 0;
};
