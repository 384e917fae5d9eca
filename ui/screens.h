// The six window tables and the two result areas hidden and shown as one.
#pragma once

#include <span>

#include "ui/screen.h"

namespace ui {

const WindowDef& Form1Screen();
const WindowDef& Form2Screen();
const WindowDef& Form3Screen();
const WindowDef& AideMenuScreen();
const WindowDef& AideBetonScreen();
const WindowDef& AideMortierScreen();

std::span<const char* const> ConcreteResultArea();  // 45 controls of Form1
std::span<const char* const> MortarResultArea();    // 39 controls of Form3

}  // namespace ui
