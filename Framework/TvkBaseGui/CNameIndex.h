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
    // The position of the first item with this name, or -1; `hash` is Hash(name).
    int Find(const CVariableList& items, const CString& name) const { return Find(items, name, Hash(name)); }
    int Find(const CVariableList& items, const CString& name, std::uint32_t hash) const;
    // Indexes the item at `position`, appended since the last Build or Add; false, with nothing
    // indexed, when an earlier item has its name.
    bool Add(const CVariableList& items, int position);
    // Appends `item` to `items` and indexes it when no item has its name yet; false when one has.
    bool AddIfNew(CVariableList& items, const CGUIDataVariable& item) {
        return AddIfNew(items, item, Hash(item.GetVariableName()));
    }
    bool AddIfNew(CVariableList& items, const CGUIDataVariable& item, std::uint32_t hash);
    // Forgets the items `drop` marks (one flag per item of `items`, which has not changed since the
    // index last saw it) and renumbers the rest as if the marked ones were gone from the list. Only for
    // an index of every item, each name once; false, with the index cleared, for any other.
    bool Remove(const CVariableList& items, const std::vector<bool>& drop);
    // Room for `count` names in all, so that adding up to that many does not rebuild the table.
    void Reserve(const CVariableList& items, std::size_t count) { Grow(items, count); }
    void Clear();
    // The number of names indexed (a name the list holds twice counts once).
    std::size_t Size() const { return m_count; }

    static std::uint32_t Hash(const CString& name);

    // Calls visit(k, Hash(nameAt(k))) for k = 0 .. count - 1 until it returns false, meanwhile
    // fetching the slots where the lookups of a few names ahead begin: a run of lookups in a table
    // larger than the caches then waits for memory once per several names instead of once per name.
    // Each name is hashed once.
    template <class NameAt, class Visit>
    void ForEachHashed(std::size_t count, NameAt nameAt, Visit visit) const {
        constexpr std::size_t kAhead = 8;
        std::uint32_t ahead[kAhead];
        for (std::size_t k = 0; k < count && k < kAhead; ++k)
            ahead[k] = Fetch(Hash(nameAt(k)));
        for (std::size_t k = 0; k < count; ++k) {
            const std::uint32_t hash = ahead[k % kAhead];
            if (k + kAhead < count)
                ahead[k % kAhead] = Fetch(Hash(nameAt(k + kAhead)));
            if (!visit(k, hash))
                return;
        }
    }

private:
    struct Slot {
        std::uint32_t hash;
        std::int32_t position;  // -1: empty
    };
    std::uint32_t Fetch(std::uint32_t hash) const {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
        return hash;
    }
    // The slot that holds `name`, or the empty slot where it would go.
    std::size_t Probe(const CVariableList& items, const CString& name, std::uint32_t hash) const;
    void Grow(const CVariableList& items, std::size_t count);
    // Empties slot `s` and moves back the slots after it that a probe would otherwise no longer reach.
    void Erase(std::size_t s);

    std::vector<Slot> m_slots;
    std::size_t m_count = 0;
};
