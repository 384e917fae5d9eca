// SPDX-License-Identifier: GPL-3.0-or-later
// What the concrete and mortar calculations share: the input checks in their fixed order,
// the batch size and the working time.
#pragma once

#include <optional>

#include "calc/prices.h"
#include "calc/working_time.h"

namespace calc::detail {

// Written so that a NaN is refused too.
constexpr bool InRange(double value, double lower, double upper) {
    return lower <= value && value <= upper;
}

// The first faulty input among dosage, volume and capacity; the later ones are not examined.
constexpr std::optional<InputError> CheckInputs(double dosage, double lowerDosage,
                                                double upperDosage, double volume,
                                                double contenance) {
    if (!InRange(dosage, lowerDosage, upperDosage)) return InputError::ErrDosage;
    if (!InRange(volume, 0.1, 100000)) return InputError::ErrVolume;
    if (!InRange(contenance, 0.1, 10000)) return InputError::ErrContenance;
    return std::nullopt;
}

// Litres placed per batch and litres of dry materials loaded per batch.
struct Batch {
    double size;
    double load;
};

// A full mixer, unless the whole job is smaller: then one smaller batch.
constexpr Batch BatchFor(double volume, double contenance, double dryLitresPerCubicMetre) {
    const double fullBatch = (1000 * contenance) / dryLitresPerCubicMetre;
    if (volume < fullBatch) return {volume, (volume * dryLitresPerCubicMetre) / 1000};
    return {fullBatch, contenance};
}

// One batch every three minutes; a partial last batch counts for its fraction.
inline WorkingTime JobTime(double volume, const Batch& batch) {
    return SplitMinutes((volume / batch.size) * 3);
}

}  // namespace calc::detail
