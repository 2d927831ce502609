#pragma once

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "Platform/CArchive.h"

// Fewest archive bytes of one element, so that loading can refuse impossible counts up front.
template <class T>
constexpr std::size_t MinArchiveBytes() {
    if constexpr (requires { T::kMinArchiveBytes; })
        return T::kMinArchiveBytes;
    else if constexpr (requires { T::kArchiveBytes; })
        return T::kArchiveBytes;
    else
        return 1;
}

// An ordered array; archived as a count (count form) followed by each element's own Serialize.
template <class T>
class CGUIArray {
public:
    CGUIArray() = default;
    virtual ~CGUIArray() = default;
    CGUIArray(const CGUIArray&) = default;
    CGUIArray& operator=(const CGUIArray&) = default;
    CGUIArray(CGUIArray&&) noexcept = default;
    CGUIArray& operator=(CGUIArray&&) noexcept = default;

    virtual void Serialize(CArchive& ar) {
        if (ar.IsStoring()) {
            ar.WriteCount(m_items.size());
            ar.Reserve(m_items.size() * MinArchiveBytes<T>());
            for (auto& item : m_items)
                item.Serialize(ar);
        } else {
            const std::size_t count = ar.ReadCount("list count", MinArchiveBytes<T>());
            std::vector<T> loaded;
            loaded.reserve(count);
            for (std::size_t i = 0; i < count; ++i)
                loaded.emplace_back().Serialize(ar);
            m_items = std::move(loaded);
        }
    }

    int GetSize() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    // An index outside the array is an invalid-argument error.
    const T& GetAt(int index) const { return m_items.at(Check(index)); }
    T& GetAt(int index) { return m_items.at(Check(index)); }
    const T& operator[](int index) const { return GetAt(index); }
    T& operator[](int index) { return GetAt(index); }
    int Add(const T& item) {
        m_items.push_back(item);
        return GetSize() - 1;
    }
    int Add(T&& item) {
        m_items.push_back(std::move(item));
        return GetSize() - 1;
    }
    void InsertAt(int index, const T& item) {
        m_items.insert(m_items.begin() + std::clamp(index, 0, GetSize()), item);
    }
    void RemoveAt(int index) { m_items.erase(m_items.begin() + Check(index)); }
    void RemoveAll() { m_items.clear(); }
    void SetSize(int size) { m_items.resize(static_cast<std::size_t>(std::max(size, 0))); }
    void Reserve(std::size_t n) { m_items.reserve(n); }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }
    std::vector<T>& Items() { return m_items; }
    const std::vector<T>& Items() const { return m_items; }

    friend bool operator==(const CGUIArray& a, const CGUIArray& b) { return a.m_items == b.m_items; }

private:
    static std::size_t Check(int index) {
        if (index < 0)
            throw std::invalid_argument("negative index into a list");
        return static_cast<std::size_t>(index);
    }
    std::vector<T> m_items;
};
