// SPDX-License-Identifier: GPL-3.0-or-later
// The six window tables.
#pragma once

#include <array>

#include "ui/screen.h"

namespace ui {

const WindowDef& Form1Screen();  // the concrete window
const WindowDef& Form2Screen();  // the menu
const WindowDef& Form3Screen();  // the mortar window
Names Form3RangeOptions();       // its options of the calc::kDosageRanges, in their order

// A help window's table and its two buttons.
struct HelpScreen {
    const WindowDef& window;
    const char* printButton;
    const char* quitButton;
};
const HelpScreen& AideMenuScreen();     // beside the menu
const HelpScreen& AideBetonScreen();    // beside the concrete window
const HelpScreen& AideMortierScreen();  // beside the mortar window

// All six, the menu first.
std::array<const WindowDef*, 6> AllScreens();

}  // namespace ui
