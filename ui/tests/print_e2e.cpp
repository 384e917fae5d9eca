// SPDX-License-Identifier: GPL-3.0-or-later
// The end-to-end print: the program started as the user starts it, the concrete window given
// the worked example with its prices, then "IMPRIMER" with the program's own printer, the system's
// default. Exits 0 once the page went to the printer, 1 when the print failed.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/look.h"
#include "ui/printing.h"
#include "ui/program.h"
#include "ui/screen.h"

namespace {

void Click(QWidget* window, const char* button) {
    QTest::mouseClick(ui::Find<QAbstractButton>(window, button), Qt::LeftButton);
}

void Type(QWidget* window, const char* box, const char* text) {
    QLineEdit* target = ui::Find<QLineEdit>(window, box);
    target->setFocus();
    QTest::keyClicks(target, QString::fromLatin1(text));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::InitApplication();
    bool failed = false;
    // No message box to answer: the failure is the exit status.
    ui::setPrintFailureHandler([&failed](QWidget*, const ui::Page&) { failed = true; });
    ui::Program program;
    program.Start();
    QWidget* const menu = program.Window(QStringLiteral("Form2"));
    QWidget* const concrete = program.Window(QStringLiteral("Form1"));
    Type(menu, "TxtPrixCiment", "7,25");
    Type(menu, "TxtPrixSable", "40");
    Type(menu, "TxtPrixGravier", "35");
    Type(menu, "TxtPrixTransport", "60");
    Click(menu, "CmdOk");
    Type(concrete, "TxtDosage", "350");
    Type(concrete, "TxtVolume", "1000");
    Type(concrete, "TxtContenance", "150");
    Click(concrete, "CmdCalcul");
    Click(concrete, "CmdImprimer");
    return failed ? 1 : 0;
}
