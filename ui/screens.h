// SPDX-License-Identifier: GPL-3.0-or-later
// The six window tables, each in a header of its own and checked as it compiles; the one list of
// the program's windows, which the program, its tools and its tests go through; and how the
// program asks for each table.
#pragma once

#include <array>

#include "ui/form1_screen.h"
#include "ui/form2_screen.h"
#include "ui/form3_screen.h"
#include "ui/help_screens.h"

namespace ui {

// The program's windows, one a line, in the order the exit destroys them. A window added here
// is named by the compiler wherever its own code must be chosen: every switch over WindowId
// lacking it fails to compile (-Werror=switch), Lookup below first.
enum class WindowId { Form1, Form2, Form3, FormAideBeton, FormAideMortier, FormAideMenu };

// The table of a window, and whether the list has that window: a flag, not a null test, since
// a sanitizer build does not take a table's address compared with null as a constant.
struct Listed {
    bool listed;
    const WindowDef* table;
};

constexpr Listed Lookup(WindowId id) {
    switch (id) {
        case WindowId::Form1:  // the concrete window
            return {true, &form1::kWindow};
        case WindowId::Form2:  // the menu
            return {true, &form2::kWindow};
        case WindowId::Form3:  // the mortar window
            return {true, &form3::kWindow};
        case WindowId::FormAideBeton:
            return {true, &help::kAideBeton};
        case WindowId::FormAideMortier:
            return {true, &help::kAideMortier};
        case WindowId::FormAideMenu:
            return {true, &help::kAideMenu};
    }
    return {false, nullptr};  // past the last window, which is how the list's length is known
}

constexpr const WindowDef* ScreenOf(WindowId id) {
    return Lookup(id).table;
}

inline constexpr int kWindowCount = [] {
    int count = 0;
    while (Lookup(WindowId(count)).listed) ++count;
    return count;
}();

// Every window of the list, in its order.
constexpr std::array<WindowId, kWindowCount> AllWindows() {
    std::array<WindowId, kWindowCount> all{};
    for (int i = 0; i < kWindowCount; ++i) all[i] = WindowId(i);
    return all;
}

inline const WindowDef& Form1Screen() {
    return form1::kWindow;
}
inline const WindowDef& Form2Screen() {
    return form2::kWindow;
}
inline const WindowDef& Form3Screen() {
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

}  // namespace ui
