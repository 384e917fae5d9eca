// SPDX-License-Identifier: GPL-3.0-or-later
// The four mortar dosage ranges of use, in the order of their option buttons.
#pragma once

#include <array>
#include <string_view>

namespace calc {

struct DosageRange {
    double lower;                  // kg/m3, included
    double upper;                  // kg/m3, included
    std::string_view caption;      // shown by the range label while selected
    std::string_view option;       // option button that selects it
    std::string_view description;  // label beside the option button
};

const std::array<DosageRange, 4>& DosageRanges();

}  // namespace calc
