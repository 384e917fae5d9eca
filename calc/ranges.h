// SPDX-License-Identifier: GPL-3.0-or-later
// The four mortar dosage ranges of use, in the order the mortar window offers them.
#pragma once

#include <array>
#include <string_view>

namespace calc {

struct DosageRange {
    double lower;              // kg/m3, included
    double upper;              // kg/m3, included
    std::string_view caption;  // shown by the range label while selected
};

inline constexpr std::array<DosageRange, 4> kDosageRanges{{
    {300, 350, "entre 300 et 350 Kg/m3"},
    {400, 450, "entre 400 et 450 Kg/m3"},
    {550, 600, "entre 550 et 600 Kg/m3"},
    {700, 900, "entre 700 et 900 Kg/m3"},
}};

}  // namespace calc
