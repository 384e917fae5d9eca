// SPDX-License-Identifier: GPL-3.0-or-later
// Which Qt platform Karvo's windows open on, chosen from the environment before the
// QApplication exists: X11 first, through XWayland on a Wayland desktop, since Karvo places its
// own windows and a Wayland client cannot. On Windows, the desktop and the fonts come with the
// system (platform_windows.cpp).
#pragma once

#ifndef _WIN32
#include "ui/font_loader.h"
#endif

namespace app {

// False when there is no display at all: neither DISPLAY nor WAYLAND_DISPLAY, and no platform
// chosen by the user (QT_QPA_PLATFORM or "-platform", always respected). Otherwise sets
// QT_QPA_PLATFORM, unless the user did, to "xcb;wayland" (X11, else Wayland) or to "wayland".
// Always true on Windows.
bool ChoosePlatform(bool platformOption);

#ifdef _WIN32
// Windows gives Qt its fonts (Arial among them) with no configuration to load ahead.
struct FontsAhead {
    void Wait() const {}
};
#else
// fontconfig's configuration, loaded while the QApplication connects to the display.
using FontsAhead = ui::FontConfigLoader;
#endif

}  // namespace app
