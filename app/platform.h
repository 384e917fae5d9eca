// SPDX-License-Identifier: GPL-3.0-or-later
// Which Qt platform Karvo's windows open on, chosen from the environment before the
// QApplication exists: X11 first, through XWayland on a Wayland desktop, since Karvo places its
// own windows and a Wayland client cannot.
#pragma once

namespace app {

// False when there is no display at all: neither DISPLAY nor WAYLAND_DISPLAY, and no platform
// chosen by the user (QT_QPA_PLATFORM or "-platform", always respected). Otherwise sets
// QT_QPA_PLATFORM, unless the user did, to "xcb;wayland" (X11, else Wayland) or to "wayland".
bool ChoosePlatform(bool platformOption);

}  // namespace app
