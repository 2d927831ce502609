#pragma once

#include <algorithm>
#include <memory>
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
//
// Copies share their elements until one of them changes, as texts do: a list of the data's variables
// passes whole from the record to the dialog's buffer and its list control and back at every opening.
// Reading never unshares: elements are read through const references (GetAt, [], iteration), and
// only the members that change the array (Add, ElementAt, MutableItems, ...) make its elements its own
// first. A reference from ElementAt or MutableItems is good until the array is next copied.
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
            ar.WriteCount(Items().size());
            ar.Reserve(Items().size() * MinArchiveBytes<T>());
            // Storing changes no element, so a shared array is stored as it is.
            if (m_items)
                for (auto& item : *m_items)
                    item.Serialize(ar);
        } else {
            const std::size_t count = ar.ReadCount("list count", MinArchiveBytes<T>());
            std::vector<T> loaded;
            loaded.reserve(count);
            for (std::size_t i = 0; i < count; ++i)
                loaded.emplace_back().Serialize(ar);
            m_items = std::make_shared<std::vector<T>>(std::move(loaded));
        }
    }

    int GetSize() const { return static_cast<int>(Items().size()); }
    bool IsEmpty() const { return Items().empty(); }
    // An index outside the array is an invalid-argument error.
    const T& GetAt(int index) const { return Items().at(Check(index)); }
    const T& operator[](int index) const { return GetAt(index); }
    T& ElementAt(int index) { return MutableItems().at(Check(index)); }
    int Add(const T& item) {
        MutableItems().push_back(item);
        return GetSize() - 1;
    }
    int Add(T&& item) {
        MutableItems().push_back(std::move(item));
        return GetSize() - 1;
    }
    void InsertAt(int index, const T& item) {
        const int at = std::clamp(index, 0, GetSize());
        auto& items = MutableItems();
        items.insert(items.begin() + at, item);
    }
    void RemoveAt(int index) {
        const std::size_t at = Check(index);
        auto& items = MutableItems();
        if (at >= items.size())
            throw std::out_of_range("index past the end of a list");
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(at));
    }
    void RemoveAll() { m_items.reset(); }
    void SetSize(int size) { MutableItems().resize(static_cast<std::size_t>(std::max(size, 0))); }
    // Room for `n` elements, which are then the array's own.
    void Reserve(std::size_t n) { Own(n); }

    auto begin() const { return Items().begin(); }
    auto end() const { return Items().end(); }
    const std::vector<T>& Items() const { return m_items ? *m_items : Empty(); }
    // The elements to change in place, no longer shared.
    std::vector<T>& MutableItems() { return Own(0); }

    friend bool operator==(const CGUIArray& a, const CGUIArray& b) {
        return a.m_items == b.m_items || a.Items() == b.Items();
    }

private:
    static std::size_t Check(int index) {
        if (index < 0)
            throw std::invalid_argument("negative index into a list");
        return static_cast<std::size_t>(index);
    }
    // The elements made the array's own, with room for `capacity`.
    std::vector<T>& Own(std::size_t capacity) {
        if (!m_items || m_items.use_count() > 1) {
            auto own = std::make_shared<std::vector<T>>();
            own->reserve(std::max(capacity, Items().size()));
            own->assign(Items().begin(), Items().end());
            m_items = std::move(own);
        } else if (m_items->capacity() < capacity) {
            m_items->reserve(capacity);
        }
        return *m_items;
    }
    static const std::vector<T>& Empty() {
        static const std::vector<T> none;
        return none;
    }
    // Null while empty: an empty list costs no allocation.
    std::shared_ptr<std::vector<T>> m_items;
};
