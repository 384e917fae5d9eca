// SPDX-License-Identifier: GPL-3.0-or-later
// Karvo: the command line, the application object, the program that owns the windows, and
// the event loop.
#include <QApplication>

#include "app/command_line.h"
#include "app/platform.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
    if (const auto exitCode = app::HandleCommandLine(argc, argv)) return *exitCode;
    app::FontsAhead fonts;
    QApplication app(argc, argv);
    fonts.Wait();
    ui::InitApplication();
    ui::Program program;
    program.Start();
    return QApplication::exec();
}
