// SPDX-License-Identifier: GPL-3.0-or-later
// The four mortar dosage ranges of use.
#include "calc/ranges.h"

namespace calc {

const std::array<DosageRange, 4>& DosageRanges() {
    static constexpr std::array<DosageRange, 4> kRanges{{
        {300, 350, "entre 300 et 350 Kg/m3", "OptDose1", "Label1"},
        {400, 450, "entre 400 et 450 Kg/m3", "OptDose2", "Label2"},
        {550, 600, "entre 550 et 600 Kg/m3", "OptDose3", "Label3"},
        {700, 900, "entre 700 et 900 Kg/m3", "OptDose4", "Label4"},
    }};
    return kRanges;
}

}  // namespace calc
