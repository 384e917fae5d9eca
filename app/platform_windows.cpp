// SPDX-License-Identifier: GPL-3.0-or-later
// The platform choice on Windows: there is always a desktop, and Qt's windows platform, its
// default, is the one it offers; "-platform" and QT_QPA_PLATFORM are read by Qt itself.
#include "app/platform.h"

namespace app {

bool ChoosePlatform(bool /*platformOption*/) {
    return true;
}

}  // namespace app
