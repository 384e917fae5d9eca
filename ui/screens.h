// SPDX-License-Identifier: GPL-3.0-or-later
// The six window tables, each in a header of its own and checked as it compiles, and how the
// program asks for them.
#pragma once

#include <array>

#include "ui/form1_screen.h"
#include "ui/form2_screen.h"
#include "ui/form3_screen.h"
#include "ui/help_screens.h"

namespace ui {

inline const WindowDef& Form1Screen() {  // the concrete window
    return form1::kWindow;
}
inline const WindowDef& Form2Screen() {  // the menu
    return form2::kWindow;
}
inline const WindowDef& Form3Screen() {  // the mortar window
    return form3::kWindow;
}
inline const HelpScreen& AideMenuScreen() {  // beside the menu
    return help::kHelps[0];
}
inline const HelpScreen& AideBetonScreen() {  // beside the concrete window
    return help::kHelps[1];
}
inline const HelpScreen& AideMortierScreen() {  // beside the mortar window
    return help::kHelps[2];
}

// All six, the menu first.
inline std::array<const WindowDef*, 6> AllScreens() {
    return {&form2::kWindow,  &form1::kWindow,   &form3::kWindow,
            &help::kAideMenu, &help::kAideBeton, &help::kAideMortier};
}

}  // namespace ui
