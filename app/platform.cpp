// SPDX-License-Identifier: GPL-3.0-or-later
// X11 and Wayland desktops: the platform is the user's choice, or one made from DISPLAY and
// WAYLAND_DISPLAY and written to QT_QPA_PLATFORM, which the QApplication reads afterwards; the
// fonts are fontconfig's, loaded on a second thread.
#include "app/platform.h"

#include <QByteArray>
#include <QtGlobal>

#include "ui/font_loader.h"

namespace app {

bool ChoosePlatform(bool platformOption) {
    if (platformOption || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    if (!x11 && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return false;
    // Without DISPLAY, trying X11 first would only print Qt's warnings before Wayland.
    qputenv("QT_QPA_PLATFORM", QByteArray(x11 ? "xcb;wayland" : "wayland"));
    return true;
}

struct FontsAhead::Loading {
    ui::FontConfigLoader loader;
};

FontsAhead::FontsAhead() : loading_(std::make_unique<Loading>()) {}
FontsAhead::~FontsAhead() = default;

void FontsAhead::Wait() {
    loading_->loader.Wait();
}

}  // namespace app
