// SPDX-License-Identifier: GPL-3.0-or-later
// Exact decimal conversions: a fast path with exactly representable powers of ten, and
// std::to_chars / std::from_chars (locale independent) for everything else.
#include "calc/detail/decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>
#include <string>
#include <system_error>

namespace calc::detail {

namespace {

// Every power of ten up to 10^22 is exact in a double.
constexpr std::array<double, 23> kExactPowers = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};
constexpr std::int64_t kLargestExactPower = 22;
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;
constexpr std::uint64_t kTenToThe14 = 100'000'000'000'000;
constexpr std::uint64_t kTenToThe15 = 1'000'000'000'000'000;

// Beyond this decimal exponent every double is infinite or zero.
constexpr std::int64_t kExponentLimit = 400;

Decimal ExactDecimal15(double magnitude) {
    char buffer[32];
    const char* end =
        std::to_chars(buffer, std::end(buffer), magnitude, std::chars_format::scientific, 14).ptr;
    // buffer holds d.dddddddddddddde+XX
    Decimal decimal;
    for (const char* p = buffer; *p != 'e'; ++p) {
        if (*p != '.') decimal.significand = decimal.significand * 10 + (*p - '0');
    }
    const char* exponent = buffer + 17;
    if (*exponent == '+') ++exponent;
    int tenPower = 0;
    std::from_chars(exponent, end, tenPower);
    decimal.exponent = tenPower - 14;
    return decimal;
}

// Both operands exact, so the one rounding of the operation is the correct rounding.
double ExactPowerScale(std::uint64_t significand, std::int64_t exponent) {
    const auto value = static_cast<double>(significand);
    const auto power = static_cast<std::size_t>(exponent < 0 ? -exponent : exponent);
    return exponent < 0 ? value / kExactPowers[power] : value * kExactPowers[power];
}

bool FitsExactPowerScale(std::uint64_t significand, std::int64_t exponent) {
    return significand <= kLargestExactInteger && exponent >= -kLargestExactPower &&
           exponent <= kLargestExactPower;
}

}  // namespace

Decimal ToDecimal15(double magnitude) {
    if (magnitude == 0) return {};
    if (magnitude >= 1 && magnitude < 1e15) {
        std::int64_t tenPower = 0;
        while (tenPower < 14 && magnitude >= kExactPowers[tenPower + 1]) ++tenPower;
        const double scaled = magnitude * kExactPowers[14 - tenPower];
        const double whole = std::floor(scaled);
        const double fraction = scaled - whole;
        // scaled carries one rounding error; a fraction that close to a half needs exact digits.
        if (std::fabs(fraction - 0.5) > scaled * 0x1p-52) {
            auto significand = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
            if (significand == kTenToThe15) return {kTenToThe14, tenPower - 13};
            return {significand, tenPower - 14};
        }
    }
    return ExactDecimal15(magnitude);
}

double NearestDouble(std::string_view digits, std::int64_t exponent) {
    const std::int64_t magnitude = exponent + static_cast<std::int64_t>(digits.size());
    if (magnitude > kExponentLimit) return std::numeric_limits<double>::infinity();
    if (magnitude < -kExponentLimit) return 0;
    if (digits.size() <= 15) {
        std::uint64_t significand = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), significand);
        if (FitsExactPowerScale(significand, exponent)) {
            return ExactPowerScale(significand, exponent);
        }
    }
    std::string text(digits);
    char exponentText[24] = {'e'};
    char* exponentEnd = std::to_chars(exponentText + 1, std::end(exponentText), exponent).ptr;
    text.append(exponentText, exponentEnd);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0;
    }
    return value;
}

double NearestDouble(const Decimal& decimal) {
    if (decimal.significand == 0) return 0;
    if (FitsExactPowerScale(decimal.significand, decimal.exponent)) {
        return ExactPowerScale(decimal.significand, decimal.exponent);
    }
    char digits[24];
    const char* end = std::to_chars(digits, std::end(digits), decimal.significand).ptr;
    return NearestDouble(std::string_view(digits, static_cast<std::size_t>(end - digits)),
                         decimal.exponent);
}

}  // namespace calc::detail
