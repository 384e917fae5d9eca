// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the system's font configuration on a second thread while the application connects to
// the display, instead of on the main thread when the first window lays out its text.
#pragma once

#include <thread>

namespace ui {

class FontConfigLoader {
  public:
    FontConfigLoader();
    ~FontConfigLoader();
    FontConfigLoader(const FontConfigLoader&) = delete;
    FontConfigLoader& operator=(const FontConfigLoader&) = delete;

    // Returns once the configuration is loaded; call it before the first window is built.
    void Wait();

  private:
    std::thread thread_;
};

}  // namespace ui
