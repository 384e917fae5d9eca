// SPDX-License-Identifier: GPL-3.0-or-later
// What the monkey expects of the two calculators, worked out from the texts of the boxes the
// way a user with a pocket calculator would: which inputs "CALCULS" accepts, and the result
// texts it should show for them.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "calc/ranges.h"
#include "ui/screen.h"

class QWidget;

namespace ui::test {

struct Calculator {
    const char* window;
    const char* calcButton;
    const char* transportLabel;  // shown with the results only when transport is paid
    std::array<const char*, 3> inputs;
    std::array<const char*, 3> errorLabels;
    const WindowDef& (*screen)();
};

extern const Calculator kConcrete;
extern const Calculator kMortar;

const calc::DosageRange& SelectedMortarRange();

// The texts "CALCULS" reads: the three inputs, the four prices and, for mortar, the range.
QStringList InputsOf(const Calculator& calculator);

// Whether "CALCULS" should accept the current inputs and prices.
bool Acceptable(const Calculator& calculator);

// Whether the transport price typed on the menu is not zero.
bool TransportPaid();

// One line per result box whose text differs from a calculation of the current inputs; a
// single line when the current inputs would be refused.
std::vector<std::string> StaleResults(const Calculator& calculator);

}  // namespace ui::test
