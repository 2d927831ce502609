#pragma once

#include <tuple>
#include <type_traits>

#include "Platform/CArchive.h"
#include "TvkBaseGui/CGUIBaseObj.h"

namespace detail {

template <class Tuple>
struct OptionValueTypes;
template <class... T>
struct OptionValueTypes<std::tuple<T...>> {
    using type = std::tuple<std::remove_cvref_t<T>...>;
};

}  // namespace detail

// A record whose options are listed once, in declared order, by its own
//
//     auto Options() { return std::tie(ListOfVariablesList, SelectedVariablesList, EditLagEdit, ...); }
//
// From that list come GetAll and SetAll (one argument per option in declared order; the count and the
// types are checked at compile time), the comparison of two records' options and, for a record whose
// archive follows the declared order, its archive. `Base` is the record class it builds on.
template <class Derived, class Base = CGUIBaseObj>
class CRecordOptions : public Base {
public:
    using Base::Base;

    template <class... Out>
    int GetAll(Out&... out) const {
        auto options = Self().Options();
        CheckArguments<decltype(options), Out...>();
        std::tie(out...) = options;
        return 1;
    }
    template <class... In>
    int SetAll(const In&... in) {
        auto options = Self().Options();
        static_assert(std::tuple_size_v<decltype(options)> == sizeof...(In),
                      "SetAll takes one argument per option, in the order of Options()");
        static_assert(std::is_assignable_v<decltype(options)&, std::tuple<const In&...>>,
                      "SetAll takes one argument per option, in the order of Options()");
        options = std::tie(in...);
        return 1;
    }
    // Every option of the two records alike (the base part is not compared).
    bool SameOptions(const Derived& other) const { return Self().Options() == other.Self().Options(); }

protected:
    // Stores or loads every option in declared order.
    void SerializeOptions(CArchive& ar) {
        std::apply([&ar](auto&... option) { ar.Io(option...); }, Self().Options());
    }

private:
    // Options() hands out references; the const members above only read through them.
    Derived& Self() const { return const_cast<Derived&>(static_cast<const Derived&>(*this)); }

    template <class Options, class... Args>
    static constexpr void CheckArguments() {
        static_assert(std::is_same_v<typename detail::OptionValueTypes<Options>::type,
                                     std::tuple<std::remove_cvref_t<Args>...>>,
                      "GetAll/SetAll take one argument per option, in the order of Options()");
    }
};
