// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets require of every shown text and the way they report a broken rule:
// a message, then abort, which libFuzzer records with the input that caused it.
#pragma once

#include <string_view>

namespace karvo_fuzz {

// The six format patterns of the program's results.
inline constexpr std::string_view kPatterns[] = {"######0.0",  "#######0.0", "#####0.0",
                                                 "######0.#0", "####0",      "##0"};

inline constexpr char kSeparators[] = {'.', ','};

// Aborts with the message when the rule does not hold.
void Require(bool holds, std::string_view rule, std::string_view detail = {});

// A number as the pattern shows it: an optional minus (never before zero), the integer digits
// without a useless leading zero, and when the pattern has places the separator followed by
// as many digits as the pattern shows.
bool IsShownNumber(std::string_view text, std::string_view pattern, char separator);

// Either the overflow text or a number as the pattern shows it.
void RequireShown(std::string_view text, std::string_view pattern, char separator);

}  // namespace karvo_fuzz
