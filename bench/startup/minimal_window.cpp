// SPDX-License-Identifier: GPL-3.0-or-later
// The reference for Karvo's start-up: a bare Qt Widgets program that shows one empty window
// of the menu's size and ends once it is first painted.
#include <QApplication>
#include <QWidget>

#include "bench/startup/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(520, 509);
    window.show();
    startup::ExitAfterFirstPaint(&window);
    return QApplication::exec();
}
