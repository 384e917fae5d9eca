// SPDX-License-Identifier: GPL-3.0-or-later
// Working time at one batch every three minutes, shared by both calculations.
#pragma once

namespace calc {

struct WorkingTime {
    double hours = 0;    // whole hours
    double minutes = 0;  // whole minutes beyond the hours
};

// Truncates to whole minutes without losing a minute to rounding error at an exact
// whole minute (61 minutes gives 1 h 1 mn).
WorkingTime SplitMinutes(double totalMinutes);

}  // namespace calc
