// SPDX-License-Identifier: GPL-3.0-or-later
// Texts a careless or curious user types into a box: numbers within and just outside the box's
// range, and junk (empty, huge, unicode, overflowing exponents, &H and &O, signs, spaces, commas).
#pragma once

#include <QString>
#include <random>

#include "calc/ranges.h"

namespace ui::test {

using Random = std::mt19937_64;

// A whole number in [0, count).
int Pick(Random& random, int count);

// A text for the named box: often a number for its range, otherwise junk. The mortar dosage
// box gets numbers for the dosage range selected on its window.
QString TextFor(Random& random, const QString& box, const calc::DosageRange& mortarRange);

// Anything at all, up to a whole clipboard far longer than a box holds.
QString Junk(Random& random);
QString HugeText(Random& random);

}  // namespace ui::test
