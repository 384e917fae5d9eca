// SPDX-License-Identifier: GPL-3.0-or-later
// The platform choice: the user's, or one made from DISPLAY and WAYLAND_DISPLAY and written to
// QT_QPA_PLATFORM, which the QApplication reads afterwards.
#include "app/platform.h"

#include <QByteArray>
#include <QtGlobal>

namespace app {

bool ChoosePlatform(bool platformOption) {
    if (platformOption || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    if (!x11 && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return false;
    // Without DISPLAY, trying X11 first would only print Qt's warnings before Wayland.
    qputenv("QT_QPA_PLATFORM", QByteArray(x11 ? "xcb;wayland" : "wayland"));
    return true;
}

}  // namespace app
