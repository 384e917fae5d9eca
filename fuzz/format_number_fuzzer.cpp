// SPDX-License-Identifier: GPL-3.0-or-later
// Val on any text: never a NaN, blanks ignored wherever they stand, a comma ends the number, a
// minus before a text that starts with a number negates it; ReadTyped reads a comma as a point,
// and is NaN exactly when the digits run on after a second point.
// Then FormatNumber with each of the program's patterns and both separators, on what Val reads
// and on the input's first 8 bytes as a double (NaN, infinities, subnormals, -0 included): the
// overflow text exactly when the value is not finite, else a number of the pattern's shape that
// reads back as the value rounded to its places.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "calc/number.h"
#include "checks.h"

namespace {

using karvo_fuzz::Require;

// The places each shows, written out rather than read as the program reads the patterns:
// "0.#0" shows both places.
constexpr std::pair<std::string_view, std::size_t> kPatterns[] = {
    {"######0.0", 1},  {"#######0.0", 1}, {"#####0.0", 1},
    {"######0.#0", 2}, {"####0", 0},      {"##0", 0},
};

void Check(double value) {
    for (const auto& [pattern, places] : kPatterns) {
        for (const char separator : {'.', ','}) {
            std::string text = calc::FormatNumber(value, pattern, separator);
            Require((text == calc::kOverflowText) != std::isfinite(value), "overflow text", text);
            if (!std::isfinite(value)) continue;
            // A minus or not, digits without a useless leading zero, the separator, the places.
            const std::size_t sign = text.starts_with('-');
            const std::size_t end =
                std::min(text.find_first_not_of("0123456789", sign), text.size());
            const std::string_view tail = std::string_view(text).substr(end);
            Require(end > sign && (text[sign] != '0' || end == sign + 1) &&
                        tail.size() == (places ? places + 1 : 0) &&
                        (!places || tail[0] == separator) &&
                        tail.find_first_not_of("0123456789", 1) == tail.npos,
                    "shown as the pattern shows a number", text);
            // In long double, so that the largest doubles shown rounded up still compare; this
            // program keeps the C locale, whose point strtold reads.
            std::replace(text.begin(), text.end(), ',', '.');
            const long double shown = std::strtold(text.c_str(), nullptr);
            Require(!(sign && shown == 0), "no minus before zero", text);
            // Half a unit of the last place, and the 15 significant digits it rounds from.
            const long double tolerance =
                0.5L / std::pow(10.0L, places) + std::fabs(value) * 1e-14L;
            Require(std::fabs(shown - value) <= tolerance, "reads back as the rounded value", text);
        }
    }
}

// The same number, zero signs included.
bool Same(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

// Without blanks and with points for commas: a sign, digits with one point, then a point and a
// digit ("1.000.50").
bool RunsOnAfterTwoPoints(std::string_view s) {
    constexpr std::string_view kDigits = "0123456789";
    const std::size_t start = s.starts_with('-') || s.starts_with('+');
    const std::size_t point = s.find_first_not_of(kDigits, start);
    if (point == s.npos || s[point] != '.') return false;
    const std::size_t end = std::min(s.find_first_not_of(kDigits, point + 1), s.size());
    return end > start + 1 && end + 1 < s.size() && s[end] == '.' &&
           kDigits.find(s[end + 1]) != kDigits.npos;
}

void CheckVal(std::string_view text, double value) {
    Require(!std::isnan(value), "Val never reads NaN", text);
    std::string squeezed, pointed, both;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!blank) squeezed.push_back(c);
        pointed.push_back(c == ',' ? '.' : c);
        if (!blank) both.push_back(pointed.back());
    }
    Require(Same(calc::Val(squeezed), value), "blanks are ignored", text);
    Require(Same(calc::Val(text.substr(0, text.find(','))), value), "a comma ends it", text);
    const double typed = calc::ReadTyped(text);
    Require(std::isnan(typed) == RunsOnAfterTwoPoints(both), "two points refused", text);
    Require(std::isnan(typed) || Same(typed, calc::Val(pointed)), "a typed comma is a point", text);
    const std::size_t digit = squeezed.find_first_of("0123456789");
    if (digit == 0 || (digit == 1 && squeezed[0] == '.'))
        Require(Same(calc::Val("-" + std::string(text)), -value), "a minus negates", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckVal(text, calc::Val(text));
    Check(calc::Val(text));
    double bits = 0;
    std::memcpy(&bits, data, std::min(size, sizeof bits));
    Check(bits);
    return 0;
}
