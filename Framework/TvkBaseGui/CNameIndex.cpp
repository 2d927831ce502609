#include "TvkBaseGui/CNameIndex.h"

#include <algorithm>
#include <bit>

namespace {

const CString& NameOf(const CVariableList& items, std::int32_t position) {
    return items.Items()[static_cast<std::size_t>(position)].GetVariableName();
}

}  // namespace

std::uint32_t CNameIndex::Hash(const CString& name) {
    // FNV-1a, a multiply per character: variable names are short, and a general byte hash spends
    // more on its set-up than on them. Its low bits see only the characters' low bits, so the high
    // half is folded in before the table masks them.
    std::uint64_t h = 0xCBF29CE484222325;
    for (const wchar_t c : name.str())
        h = (h ^ static_cast<std::uint32_t>(c)) * 0x100000001B3;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9;
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

void CNameIndex::Clear() {
    m_slots.clear();
    m_count = 0;
}

void CNameIndex::Build(const CVariableList& items) {
    Clear();
    Grow(items, items.Items().size());
    for (std::size_t i = 0; i < items.Items().size(); ++i)
        Add(items, static_cast<int>(i));
}

std::size_t CNameIndex::Probe(const CVariableList& items, const CString& name, std::uint32_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
        const Slot& slot = m_slots[s];
        if (slot.position < 0 || (slot.hash == hash && NameOf(items, slot.position) == name))
            return s;
    }
}

int CNameIndex::Find(const CVariableList& items, const CString& name, std::uint32_t hash) const {
    if (m_slots.empty())
        return -1;
    return m_slots[Probe(items, name, hash)].position;
}

bool CNameIndex::Add(const CVariableList& items, int position) {
    Grow(items, m_count + 1);
    const CString& name = NameOf(items, position);
    const std::uint32_t hash = Hash(name);
    Slot& slot = m_slots[Probe(items, name, hash)];
    if (slot.position >= 0)
        return false;
    slot = {hash, position};
    ++m_count;
    return true;
}

bool CNameIndex::AddIfNew(CVariableList& items, const CGUIDataVariable& item, std::uint32_t hash) {
    Grow(items, m_count + 1);
    Slot& slot = m_slots[Probe(items, item.GetVariableName(), hash)];
    if (slot.position >= 0)
        return false;
    slot = {hash, static_cast<std::int32_t>(items.Add(item))};
    ++m_count;
    return true;
}

bool CNameIndex::Remove(const CVariableList& items, const std::vector<bool>& drop) {
    const std::size_t size = items.Items().size();
    if (m_slots.empty() || m_count != size || drop.size() != size) {
        Clear();
        return false;
    }
    std::size_t firstDropped = size, dropped = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (!drop[i])
            continue;
        const CString& name = NameOf(items, static_cast<std::int32_t>(i));
        const std::size_t s = Probe(items, name, Hash(name));
        if (m_slots[s].position != static_cast<std::int32_t>(i)) {  // not an index of this list
            Clear();
            return false;
        }
        Erase(s);
        firstDropped = std::min(firstDropped, i);
        ++dropped;
    }
    m_count -= dropped;
    // Dropping only from the end moves no item; otherwise each position after the first dropped one
    // falls by the number dropped before it.
    if (firstDropped + dropped == size)
        return true;
    std::vector<std::int32_t> moved(size);
    std::int32_t next = 0;
    for (std::size_t i = 0; i < size; ++i)
        moved[i] = drop[i] ? -1 : next++;
    for (Slot& slot : m_slots)
        if (slot.position >= 0)
            slot.position = moved[static_cast<std::size_t>(slot.position)];
    return true;
}

void CNameIndex::Erase(std::size_t s) {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t hole = s;
    for (std::size_t j = (s + 1) & mask; m_slots[j].position >= 0; j = (j + 1) & mask) {
        // The slot at j may fill the hole unless its probe starts after the hole (on the way round).
        const std::size_t home = m_slots[j].hash & mask;
        if (((j - home) & mask) >= ((j - hole) & mask)) {
            m_slots[hole] = m_slots[j];
            hole = j;
        }
    }
    m_slots[hole].position = -1;
}

void CNameIndex::Grow(const CVariableList& items, std::size_t count) {
    // At most half full keeps the probes short.
    if (count * 2 <= m_slots.size())
        return;
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(std::bit_ceil(std::max<std::size_t>(count * 2, 16)), Slot{0, -1});
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.position < 0)
            continue;
        std::size_t s = slot.hash & mask;
        while (m_slots[s].position >= 0)
            s = (s + 1) & mask;
        m_slots[s] = slot;
    }
}
