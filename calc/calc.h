// SPDX-License-Identifier: GPL-3.0-or-later
// Karvo's calculations, with no user interface: reading typed numbers, showing numbers
// with format patterns, the concrete mix, the mortar dosage ranges and the mortar mix.
// The windows read their input boxes with ReadTyped and their price boxes with ReadPrice, call
// CalculBeton / CalculMortier and write each field back with FormatNumber and its pattern.
#pragma once

#include "calc/concrete.h"
#include "calc/mortar.h"
#include "calc/number.h"
#include "calc/patterns.h"
#include "calc/prices.h"
#include "calc/ranges.h"
#include "calc/working_time.h"
