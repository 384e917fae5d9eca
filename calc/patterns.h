// SPDX-License-Identifier: GPL-3.0-or-later
// The format pattern of each field of a result record, a table per record, looked up by the
// field; known at compile time, so that a window showing a field without a pattern does not build.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace calc {

template <class Mix>
struct FieldPattern {
    double Mix::*field;
    std::string_view pattern;
};

namespace detail {
// Not constant: a lookup that reaches it does not compile where it is evaluated at compile time.
[[noreturn]] void NoPattern();
}  // namespace detail

// The pattern of a field; a field missing from the table is an error, never a default.
template <class Mix, std::size_t N>
constexpr std::string_view FindPattern(const std::array<FieldPattern<Mix>, N>& table,
                                       double Mix::*field) {
    for (const FieldPattern<Mix>& entry : table)
        if (entry.field == field) return entry.pattern;
    detail::NoPattern();
}

}  // namespace calc
