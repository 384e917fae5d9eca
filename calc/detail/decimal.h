// SPDX-License-Identifier: GPL-3.0-or-later
// Exact conversions between doubles and decimals, shared by the number rules and the mortar
// round trips; fast for the everyday sizes, exact for all.
#pragma once

#include <cstdint>
#include <string_view>

namespace calc::detail {

// significand * 10^exponent, never negative.
struct Decimal {
    std::uint64_t significand = 0;
    std::int64_t exponent = 0;
};

// A finite magnitude correctly rounded to 15 significant digits (significand below 10^15).
Decimal ToDecimal15(double magnitude);

// The double nearest to digits * 10^exponent (decimal digits without leading zeros);
// infinity when too large for a double, zero when too small.
double NearestDouble(std::string_view digits, std::int64_t exponent);
double NearestDouble(const Decimal& decimal);

}  // namespace calc::detail
