// SPDX-License-Identifier: GPL-3.0-or-later
// Reading numbers (Val, and ReadTyped for the boxes) and showing them with a pattern
// (FormatNumber). Every test of karvo_calc_tests runs under the French C locale, set here.
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "calc/number.h"
#include "calc/prices.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Set before any test runs, as the windows run the library: no number it reads or shows may
// change with the locale. scripts/install-deps.sh generates the locale; Windows names it French.
[[maybe_unused]] const char* const kLocale =
    std::setlocale(LC_ALL, "fr_FR.UTF-8") ? "fr_FR.UTF-8" : std::setlocale(LC_ALL, "French");

TEST(Val, ReadsTheLeadingNumber) {
    const std::pair<std::string_view, double> cases[] = {
        {"1 2 . 5", 12.5},          // blanks anywhere
        {"\t-\r\n3 e 1 0", -3e10},  // tabs, line ends, after the sign
        {"12abc", 12},              // the leading number only
        {"1.2.3", 1.2},             // one point
        {"+2", 2},
        {"+-2", 0},  // one sign
        {"1E+3", 1000},
        {"1e-330", 0},   // below the smallest double
        {"2e+", 2},      // no exponent digits, no exponent
        {"350,5", 350},  // a comma stops Val
        {"", 0},
        {"1e999", kInf},
        {"99999999999999999999", 1e20},  // more digits than a 64-bit integer holds
        {"1.8e308", kInf},               // just above the largest double
        {"1.7976931348623157e308", DBL_MAX},
        {"0.000123e310", 1.23e306},
        {"1e-999", 0},
        {"& h 1 f", 31},
        {"&H1G", 1},
        {"&o178", 15},
        {"&HFFFFFFFF", 4294967295.0},  // unsigned
        {"-&H10", 0},                  // no sign before &H
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(calc::Val(text), expected) << text;
    EXPECT_EQ(calc::Val("0." + std::string(100000, '3')), 1.0 / 3);
    EXPECT_EQ(calc::Val("1e" + std::string(100000, '9')), kInf);
}

// A box read as typed: a comma is the point; a price box refuses (NaN) a text that is neither
// blank nor begins with a number, and reads a number followed by words as the number; digits
// after a second point or comma make a number that every box refuses.
// clang-format off
TEST(ReadTyped, ReadsTheCommaAsThePointAndPricesAsNumbers) {
    const struct {
        std::string_view text;
        double typed, price;
    } cases[] = {
        {"7,25", 7.25, 7.25},     {"350,5", 350.5, 350.5}, {"1,5e2", 150, 150},     {"7 €", 7, 7},
        {"1 000", 1000, 1000},    {"1,5,", 1.5, 1.5},      {",5", 0.5, 0.5},        {"- 3 , 5", -3.5, -3.5},
        {"40 le m3", 40, 40},     {"&H10", 16, 16},        {"", 0, 0},              {" \t", 0, 0},
        {"1.000,50", kNaN, kNaN}, {"1,5,3", kNaN, kNaN},   {"1.5 .5", kNaN, kNaN},  {"1,5.e3", 1.5, 1.5},
        {"€7,25", 0, kNaN},       {"abc", 0, kNaN},        {".", 0, kNaN},          {"-", 0, kNaN},
        {"&H", 0, kNaN},          {"&Z1", 0, kNaN},        {"e5", 0, kNaN},
    };
    const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    for (const auto& c : cases) {
        EXPECT_PRED2(same, calc::ReadTyped(c.text), c.typed) << c.text;
        EXPECT_PRED2(same, calc::ReadPrice(c.text), c.price) << c.text;
    }
}
// clang-format on

// Under the comma; the worked examples of the mixes show both separators.
TEST(FormatNumber, ShowsWithThePattern) {
    const struct {
        double value;
        std::string_view pattern;
        std::string text;
    } cases[] = {
        {0.15, "0.0", "0,2"},  // half away from zero on the 15 digits, though the double is below
        {-2.675, "0.00", "-2,68"},
        {999.999, "######0.#0", "1000,00"},
        {72, "######0.#0", "72,00"},  // the optional place before a forced one shows
        {0.5, "##0", "1"},            // half at the last shown place goes up
        {0.005, "######0.#0", "0,01"},
        {0.05, "##0", "0"},  // a digit past the last place's does not count
        {1234567890123.44, "######0.#0", "1234567890123,44"},  // 15 significant digits
        {0.5, "#.0#", ",5"},  // "#" digits shown only when significant
        {-0.0, "######0.0", "0,0"},
        {-0.04, "######0.0", "0,0"},
        {123456789012.5, "######0.0", "123456789012,5"},
        {0.1 + 0.2, "0.0000000000000000", "0,3000000000000000"},
        {9.999999999999998, "0.00000000000000", "10,00000000000000"},  // rounds up to a new digit
        {1.123457000000005, "0.00000000000000", "1,12345700000001"},   // a tie blurred when scaled
        {5e-324, "######0.0", "0,0"},
        {1e300, "######0.0", "1" + std::string(300, '0') + ",0"},
        {-DBL_MAX, "######0.#0", "-179769313486232" + std::string(294, '0') + ",00"},
        {kInf, "######0.#0", "Dépassement"},
        {-kInf, "##0", "Dépassement"},
        {std::numeric_limits<double>::quiet_NaN(), "####0", "Dépassement"},
    };
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "not run under the French locale";
    for (const auto& c : cases)
        EXPECT_EQ(calc::FormatNumber(c.value, c.pattern, ','), c.text)
            << c.value << " " << c.pattern;
}

}  // namespace
