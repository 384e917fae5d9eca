// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: there is always a desktop, and Qt's windows platform, its default, is the one it
// offers ("-platform" and QT_QPA_PLATFORM are read by Qt itself); the system gives Qt its fonts
// (Arial among them) with no configuration to load ahead.
#include "app/platform.h"

namespace app {

bool ChoosePlatform(bool /*platformOption*/) {
    return true;
}

struct FontsAhead::Loading {};

FontsAhead::FontsAhead() = default;
FontsAhead::~FontsAhead() = default;

void FontsAhead::Wait() {}

}  // namespace app
