// SPDX-License-Identifier: GPL-3.0-or-later
// The format pattern of each field of a result record, a table per record, looked up by the
// field; known at compile time, so that a window showing a field without a pattern does not build,
// and checked as it compiles: every number of the record has one pattern.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>
#include <utility>

namespace calc {

template <class Mix>
struct FieldPattern {
    using Record = Mix;
    double Mix::*field;
    std::string_view pattern;
};

namespace detail {
// Not constant: a lookup that reaches it does not compile where it is evaluated at compile time.
[[noreturn]] void NoPattern();

// The faults of a pattern table. Never defined: a fault found at compile time calls one, which
// does not compile, and the compiler names it with its arguments.
template <class Mix, int Member>
void FieldNeverShown();  // the record's Member-th member, from 1, is a number without a pattern
template <auto Field>
void FieldListedTwice();

// Converts to any member type: 1 for the marked member, 0 for the others, and tells whether the
// marked member is a number.
struct Marker {
    bool marked = false;
    bool* number = nullptr;
    template <class T>
    constexpr operator T() const {
        if (marked) *number = std::is_same_v<T, double>;
        return marked ? T(1) : T();
    }
};

// The number of members of a record: the most markers it can be initialised with.
template <class T, class... M>
constexpr std::size_t MemberCount() {
    if constexpr (requires { T{M{}..., Marker{}}; })
        return MemberCount<T, M..., Marker>();
    else
        return sizeof...(M);
}

template <class Mix, std::size_t... I>
constexpr Mix Marked(std::size_t member, bool* number, std::index_sequence<I...>) {
    return Mix{Marker{I == member, number}...};
}

// The first member, from 1, that is a number no pattern reads; 0 when there is none.
template <class Mix, std::size_t N>
constexpr int FirstUnshown(const std::array<FieldPattern<Mix>, N>& table) {
    constexpr std::size_t count = MemberCount<Mix>();
    for (std::size_t member = 0; member < count; ++member) {
        bool number = false, shown = false;
        const Mix mix = Marked<Mix>(member, &number, std::make_index_sequence<count>());
        for (const FieldPattern<Mix>& entry : table) shown = shown || mix.*entry.field == 1;
        if (number && !shown) return static_cast<int>(member) + 1;
    }
    return 0;
}

template <class Mix, std::size_t N>
constexpr double Mix::*FirstTwice(const std::array<FieldPattern<Mix>, N>& table) {
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (table[i].field == table[j].field) return table[i].field;
    return nullptr;
}
}  // namespace detail

// The pattern of a field; a field missing from the table is an error, never a default.
template <class Mix, std::size_t N>
constexpr std::string_view FindPattern(const std::array<FieldPattern<Mix>, N>& table,
                                       double Mix::*field) {
    for (const FieldPattern<Mix>& entry : table)
        if (entry.field == field) return entry.pattern;
    detail::NoPattern();
}

// True when every number of the record has one pattern in the table; else it does not compile.
template <const auto& Table>
consteval bool PatternsSound() {
    using Mix = typename std::remove_cvref_t<decltype(Table)>::value_type::Record;
    constexpr int unshown = detail::FirstUnshown(Table);
    if constexpr (unshown > 0) detail::FieldNeverShown<Mix, unshown>();
    constexpr auto twice = detail::FirstTwice(Table);
    if constexpr (twice != nullptr) detail::FieldListedTwice<twice>();
    return true;
}

}  // namespace calc
