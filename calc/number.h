// Reading a typed number and showing a number with a format pattern, independent of the
// C locale: typed numbers always use "." and shown numbers use the caller's separator.
#pragma once

#include <string>
#include <string_view>

namespace calc {

// Spaces, tabs and line feeds are ignored anywhere; the longest leading decimal number is
// read (sign, digits, one ".", exponent E/e), &H / &O read hexadecimal / octal whole
// numbers; anything else reads 0. A huge exponent gives infinity.
double Val(std::string_view text);

// Patterns like "######0.0", "######0.#0", "####0": "0" is a digit always shown, "#" a digit
// shown when significant, "." the decimal separator. No thousands separator. A value that is
// not finite shows as kOverflowText.
std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator);

inline constexpr std::string_view kOverflowText = "Dépassement";

}  // namespace calc
