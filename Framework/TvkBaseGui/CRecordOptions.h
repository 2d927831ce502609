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

// The options of TVK_OPTIONS, tied in declared order; the first argument only starts the list.
struct OptionListStart {};
template <class... Option>
std::tuple<Option&...> TieOptions(OptionListStart, Option&... option) {
    return std::tie(option...);
}

// A record whose table gives its archive an order of its own.
template <class Record>
constexpr bool HasArchiveOrder() {
    if constexpr (requires(Record & record) { record.ArchivedOptions(); })
        return std::tuple_size_v<decltype(std::declval<Record&>().ArchivedOptions())> > 0;
    else
        return false;
}

}  // namespace detail

// Each option in one line, in declared order, in the record's table (Resources/records/ or the end of its
// dialog's template; cmake/RecordTables.cmake), from which the build defines a list macro
//
//     #define ACF_OPTIONS(LIST, OPTION)
//         LIST(ListOfVariablesList)
//         OPTION(CGUIData<int>, EditLagEdit, kMaximumLag)
//         OPTION(CString, SaveFileEdit)
//
// (a backslash ending each line but the last), and `TVK_OPTIONS(ACF_OPTIONS)` in the class declares, per
// option, the static GetDefault<Name>() (the type made from the arguments after the name; a value-initialised
// one without them) and the member initialised from it; per list, an empty variable list; and Options(), the
// tie of them all in declared order. A default computed from the data is an expression calling a hand-written
// function. Options that several records share are a group macro of the same two parameters used inside each
// list. Members the base class declares may follow the list (`TVK_OPTIONS(FITTING_OPTIONS,
// DistribManagerData)`): they come last in Options(). ArchivedOptions() ties them in the order of the
// archive where the table gives one (ACF_OPTIONS_ARCHIVE), and is empty where the archive keeps the
// declared order.
#define TVK_OPTIONS(OPTIONS, ...)                                                                           \
    OPTIONS(TVK_OPTIONS_IGNORE, TVK_OPTIONS_DEFAULT)                                                        \
    OPTIONS(TVK_OPTIONS_LIST_MEMBER, TVK_OPTIONS_MEMBER)                                                    \
    auto Options() {                                                                                        \
        return detail::TieOptions(detail::OptionListStart {} OPTIONS(TVK_OPTIONS_TIE_LIST, TVK_OPTIONS_TIE) \
                                      __VA_OPT__(, ) __VA_ARGS__);                                          \
    }                                                                                                       \
    auto ArchivedOptions() {                                                                                \
        return detail::TieOptions(detail::OptionListStart {} OPTIONS##_ARCHIVE);                            \
    }
#define TVK_OPTIONS_IGNORE(...)
#define TVK_OPTIONS_DEFAULT(Type, Name, ...) \
    static Type GetDefault##Name() {         \
        return Type(__VA_ARGS__);            \
    }
#define TVK_OPTIONS_LIST_MEMBER(Name) CVariableList Name;
#define TVK_OPTIONS_MEMBER(Type, Name, ...) Type Name = GetDefault##Name();
#define TVK_OPTIONS_TIE_LIST(Name) , Name
#define TVK_OPTIONS_TIE(Type, Name, ...) , Name

// A default holder with its second mark set: a "not given" value that the range check (mark 1) or also
// the all-values switch (mark 2) leaves alone until the user types one.
template <class T>
CGUIData<T> MarkedDefault(T value, int second) {
    CGUIData<T> holder(value);
    holder.SetSecond(second);
    return holder;
}

// A default that stands for "chosen by the kernel": neither the range check nor the all-values switch
// takes it for a value until the user types one.
template <class T>
CGUIData<T> AutomaticDefault(T value) {
    return MarkedDefault(value, 2);
}

// A record whose options are listed once, in declared order, by TVK_OPTIONS or by its own
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

    // The base part, then every option in the archive's order.
    void Serialize(CArchive& ar) override {
        Base::Serialize(ar);
        SerializeOptions(ar);
    }

protected:
    // Stores or loads every option in the archive's order: the declared one unless the table says another.
    void SerializeOptions(CArchive& ar) {
        const auto io = [&ar](auto&... option) { ar.Io(option...); };
        if constexpr (detail::HasArchiveOrder<Derived>())
            std::apply(io, Self().ArchivedOptions());
        else
            std::apply(io, Self().Options());
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
