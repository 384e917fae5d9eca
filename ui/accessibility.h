// SPDX-License-Identifier: GPL-3.0-or-later
// What Karvo gives screen readers beyond Qt's own: a label that refuses an input is an alert,
// so that showing it is announced. Installed once the application object exists, because only
// then is this factory asked before Qt's own.
#pragma once

namespace ui {

void InstallAccessibility();

}  // namespace ui
