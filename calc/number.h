// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a typed number and showing a number with a format pattern, independent of the
// C locale: Val reads "." only, a number typed in a box may use "." or ",", and shown numbers
// use the caller's separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// Spaces, tabs and line feeds are ignored anywhere; the longest leading decimal number is
// read (sign, digits, one ".", exponent E/e), &H / &O read hexadecimal / octal whole
// numbers; anything else reads 0. A huge exponent gives infinity.
double Val(std::string_view text);

// The number a typed text begins with, read as Val reads it but with a comma read as the
// decimal point too, so that "7,25" is 7.25 whatever the regional settings; nothing when the
// text does not begin with a number; NaN, which every range refuses, when its digits run on
// after a second point or comma ("1.000,50", "1,5,3").
std::optional<double> TypedNumber(std::string_view text);

// A number the user typed into an input box: TypedNumber, or 0 when there is none.
double ReadTyped(std::string_view text);

// Patterns like "######0.0", "######0.#0", "####0": "0" is a digit always shown, "#" a digit
// shown when significant, "." the decimal separator. No thousands separator. A value that is
// not finite shows as kOverflowText.
std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator);

inline constexpr std::string_view kOverflowText = "Dépassement";

}  // namespace calc
