// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a working time in minutes into whole hours and minutes.
#include "calc/working_time.h"

#include <cmath>

namespace calc {

namespace {

// 60 microseconds: far below a second, yet a thousand times the rounding error of the
// longest accepted job (about 4.3 million minutes).
constexpr double kWholeMinuteTolerance = 1e-6;

}  // namespace

WorkingTime SplitMinutes(double totalMinutes) {
    const double wholeMinutes = std::floor(totalMinutes + kWholeMinuteTolerance);
    const double minutes = std::fmod(wholeMinutes, 60.0);
    return {(wholeMinutes - minutes) / 60.0, minutes};
}

}  // namespace calc
