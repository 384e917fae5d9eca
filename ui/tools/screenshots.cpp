// SPDX-License-Identifier: GPL-3.0-or-later
// Renders each window to PNG, offscreen: as created, and with every control shown when some are
// hidden at first; then the menu and the concrete window of the worked example, typed and
// clicked as a user does.
// Usage: karvo_screenshots OUTPUT_DIR
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include "ui/program.h"

namespace {

void Save(QWidget* window, const QDir& dir, const QString& suffix) {
    const QString path = dir.filePath(window->objectName() + suffix + ".png");
    window->grab().save(path);
    qInfo("%s", qPrintable(path));
}

// The second picture only for a window that hides some control at first: else it is the same.
void SaveBothStates(QWidget* window, const QDir& dir) {
    window->show();
    Save(window, dir, "");
    bool hidden = false;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        hidden = hidden || control->isHidden();
        control->setVisible(true);
    }
    if (hidden) Save(window, dir, "-all");
}

void Type(QWidget* window, const char* box, const char* text) {
    QLineEdit* target = ui::Find<QLineEdit>(window, box);
    target->setFocus();
    QTest::keyClicks(target, QLatin1String(text));
}

void Click(QWidget* window, const char* button) {
    QTest::mouseClick(ui::Find<QAbstractButton>(window, button), Qt::LeftButton);
}

// Every window as its table builds it, before the program shows it.
void SaveEachWindow(const QDir& dir) {
    ui::Program program;
    for (const ui::WindowId id : ui::AllWindows()) SaveBothStates(program.Make(id), dir);
}

// The worked example from a fresh start: the menu with its prices, then the concrete results.
void SaveWorkedExample(const QDir& dir) {
    ui::Program program;
    program.Start();
    QWidget* menu = program.Window(ui::WindowId::Form2);
    const char* const prices[calc::kPriceCount] = {"7,25", "40", "35", "60"};
    for (int i = 0; i < calc::kPriceCount; ++i) Type(menu, ui::form2::kPriceBoxes[i], prices[i]);
    Save(menu, dir, "-example");
    Click(menu, ui::form2::Control<"CmdOk">);
    QWidget* concrete = program.Window(ui::WindowId::Form1);
    Type(concrete, ui::form1::Control<"TxtDosage">, "350");
    Type(concrete, ui::form1::Control<"TxtVolume">, "1000");
    Type(concrete, ui::form1::Control<"TxtContenance">, "150");
    Click(concrete, ui::form1::Control<"CmdCalcul">);
    Save(concrete, dir, "-example");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::InitApplication();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(dir.path());
    SaveEachWindow(dir);
    SaveWorkedExample(dir);
    return 0;
}
