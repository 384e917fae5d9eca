// SPDX-License-Identifier: GPL-3.0-or-later
// Where things are, for the tests that drive or compare the real program from outside.
//   karvo_layout             each window ("Form1 Form1 0 0 612 575") then each of its controls,
//                            in pixels inside its client area, as the tables give them at their
//                            design size: "Window Control left top width height"
//   karvo_layout --rendered  the program started with every window open: "dpr 2", then
//                            "window Form1 612x575 1224x1150" (logical, then device pixels) and
//                            "label Form1.Label1 0 71 ..." (where each line of a label starts)
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstring>

#include "ui/caption_label.h"
#include "ui/program.h"
#include "ui/screens.h"

namespace {

void PrintTables() {
    for (const ui::WindowId id : ui::AllWindows()) {
        const ui::WindowDef* window = ui::ScreenOf(id);
        std::printf("%s %s 0 0 %d %d\n", window->name, window->name, ui::Px(window->width),
                    ui::Px(window->height));
        int frameLeft = 0, frameTop = 0;
        for (const ui::ControlDef& row : window->controls) {
            if (row.kind == ui::Kind::Line) continue;
            if (row.kind == ui::Kind::Frame) frameLeft = row.at.left, frameTop = row.at.top;
            const bool inFrame = row.flags.has(ui::InFrame);
            const QRect rect =
                ui::PxRect(row.at.left + (inFrame ? frameLeft : 0),
                           row.at.top + (inFrame ? frameTop : 0), row.at.width, row.at.height);
            std::printf("%s %s %d %d %d %d\n", window->name, row.name, rect.x(), rect.y(),
                        rect.width(), rect.height());
        }
    }
}

void PrintRendered(const ui::Program& program) {
    for (const ui::WindowId id : ui::AllWindows()) {
        const char* name = ui::ScreenOf(id)->name;
        QWidget* window = program.Window(id);
        const QPixmap image = window->grab();
        std::printf("window %s %dx%d %dx%d\n", name, window->width(), window->height(),
                    image.width(), image.height());
        for (const ui::CaptionLabel* label : window->findChildren<ui::CaptionLabel*>()) {
            std::printf("label %s.%s", name, qPrintable(label->objectName()));
            for (int start : label->lineStarts()) std::printf(" %d", start);
            std::printf("\n");
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || std::strcmp(argv[1], "--rendered") != 0) {
        PrintTables();
        return 0;
    }
    QApplication app(argc, argv);
    ui::InitApplication();
    // QString::number: printf would write the decimal comma of a French C locale.
    std::printf("dpr %s\n", qPrintable(QString::number(app.devicePixelRatio())));
    ui::Program program;
    program.Start();
    for (const ui::WindowId id : ui::AllWindows()) program.Show(id);
    PrintRendered(program);
    return 0;
}
