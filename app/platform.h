// SPDX-License-Identifier: GPL-3.0-or-later
// What differs from one platform to another before the QApplication exists, each platform in a
// file of its own: platform.cpp for X11 and Wayland desktops, platform_windows.cpp for Windows.
#pragma once

#include <memory>

namespace app {

// False when there is no display at all: neither DISPLAY nor WAYLAND_DISPLAY, and no platform
// chosen by the user (QT_QPA_PLATFORM or "-platform", always respected). Otherwise sets
// QT_QPA_PLATFORM, unless the user did, to "xcb;wayland" (X11, else Wayland) or to "wayland",
// since Karvo places its own windows and a Wayland client cannot. Always true on Windows.
bool ChoosePlatform(bool platformOption);

// The font configuration, loaded while the QApplication connects to the display (fontconfig's;
// nothing on Windows, which gives Qt its fonts itself).
class FontsAhead {
  public:
    FontsAhead();
    ~FontsAhead();
    FontsAhead(const FontsAhead&) = delete;
    FontsAhead& operator=(const FontsAhead&) = delete;

    // Returns once the configuration is loaded; call it before the first window is built.
    void Wait();

  private:
    struct Loading;
    std::unique_ptr<Loading> loading_;
};

}  // namespace app
