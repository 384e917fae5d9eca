// SPDX-License-Identifier: GPL-3.0-or-later
// Karvo's start-up as app/main.cpp does it, ending once the menu is first painted.
#include <QApplication>

#include "bench/startup/first_paint.h"
#include "ui/font_loader.h"
#include "ui/look.h"
#include "ui/program.h"
#include "ui/screens.h"

int main(int argc, char* argv[]) {
    ui::FontConfigLoader fonts;
    QApplication app(argc, argv);
    fonts.Wait();
    ui::InitApplication();
    ui::Program program;
    program.Start();
    startup::ExitAfterFirstPaint(program.Window(QLatin1String(ui::form2::kWindow.name)));
    return QApplication::exec();
}
