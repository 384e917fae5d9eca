// SPDX-License-Identifier: GPL-3.0-or-later
// Prints where each control of each window lies, in pixels inside its window's client area, as
// the window tables give it: "Window Control left top width height", one control a line. The
// end-to-end test reads it to know where to click.
#include <cstdio>

#include "ui/screens.h"

int main() {
    for (const ui::WindowDef* window : ui::AllScreens()) {
        int frameLeft = 0, frameTop = 0;
        for (const ui::ControlDef& row : window->controls) {
            if (row.kind == ui::Kind::Line) continue;
            if (row.kind == ui::Kind::Frame) frameLeft = row.left, frameTop = row.top;
            const int left = row.left + ((row.flags & ui::InFrame) ? frameLeft : 0);
            const int top = row.top + ((row.flags & ui::InFrame) ? frameTop : 0);
            const QRect rect = ui::PxRect(left, top, row.width, row.height);
            std::printf("%s %s %d %d %d %d\n", window->name, row.name, rect.x(), rect.y(),
                        rect.width(), rect.height());
        }
    }
    return 0;
}
