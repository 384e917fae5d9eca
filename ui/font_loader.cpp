// SPDX-License-Identifier: GPL-3.0-or-later
// Fontconfig keeps one process-wide configuration and is thread-safe: the configuration
// loaded here is the one Qt's font database finds already initialised.
#include "ui/font_loader.h"

#include <fontconfig/fontconfig.h>

namespace ui {

FontConfigLoader::FontConfigLoader() : thread_([] { FcInit(); }) {}

FontConfigLoader::~FontConfigLoader() {
    Wait();
}

void FontConfigLoader::Wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace ui
