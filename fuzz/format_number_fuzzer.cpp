// SPDX-License-Identifier: GPL-3.0-or-later
// FormatNumber with each of the program's patterns and both separators, on any double (NaN,
// infinities, subnormals, -0 included) and on what Val reads from the input: the text is the
// overflow text exactly when the value is not finite, otherwise a well-formed number that
// reads back as the value rounded to the pattern's places.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number.h"
#include "checks.h"

namespace {

std::size_t Places(const std::string& text, char separator) {
    const std::size_t point = text.find(separator);
    return point == std::string::npos ? 0 : text.size() - point - 1;
}

void CheckValue(double value) {
    using karvo_fuzz::Require;
    for (const std::string_view pattern : karvo_fuzz::kPatterns) {
        for (const char separator : karvo_fuzz::kSeparators) {
            const std::string text = calc::FormatNumber(value, pattern, separator);
            const bool overflow = text == calc::kOverflowText;
            Require(overflow == !std::isfinite(value), "the overflow text for non-finite values",
                    text);
            if (overflow) continue;
            karvo_fuzz::RequireShown(text, pattern, separator);
            std::string withPoint = text;
            if (separator == ',') std::replace(withPoint.begin(), withPoint.end(), ',', '.');
            // Read back in long double, so that the largest doubles, shown rounded up, still
            // compare; this program keeps the C locale, whose point strtold reads.
            const long double shown = std::strtold(withPoint.c_str(), nullptr);
            // Half a unit of the last place, and the 15 significant digits it rounds from.
            const long double tolerance =
                0.5L * std::pow(10.0L, -(long double)Places(text, separator)) +
                std::fabs((long double)value) * 1e-14L;
            Require(std::fabs(shown - value) <= tolerance, "reads back as the rounded value", text);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<double> values{
        calc::Val(std::string_view(reinterpret_cast<const char*>(data), size))};
    if (size >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        values.push_back(bits);
    }
    for (const double value : values) CheckValue(value);
    return 0;
}
