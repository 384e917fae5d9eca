// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program, opens every window and prints what the high-DPI test compares between
// screens: the device pixel ratio, each window's size (logical, and in device pixels as
// rendered) and where each line of every label starts.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include <QAbstractButton>
#include <QTest>

#include "ui/caption_label.h"
#include "ui/look.h"
#include "ui/program.h"
#include "ui/screen.h"

namespace {

void Report(QWidget* window) {
    window->show();
    const QPixmap image = window->grab();
    std::printf("window %s %dx%d %dx%d\n", qPrintable(window->objectName()), window->width(),
                window->height(), image.width(), image.height());
    for (const ui::CaptionLabel* label : window->findChildren<ui::CaptionLabel*>()) {
        std::printf("label %s.%s", qPrintable(window->objectName()),
                    qPrintable(label->objectName()));
        for (int start : label->lineStarts()) std::printf(" %d", start);
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::InitApplication();
    // QString::number: printf would write the decimal comma of a French C locale.
    std::printf("dpr %s\n", qPrintable(QString::number(app.devicePixelRatio())));
    ui::Program program;
    program.Start();
    const auto click = [&program](const char* window, const char* button) {
        QTest::mouseClick(ui::Find<QAbstractButton>(program.Window(window), button),
                          Qt::LeftButton);
    };
    click("Form2", "CmdAideMenu");
    click("Form2", "CmdOk");
    click("Form1", "CmdAideBet");
    click("Form2", "Option2");
    click("Form2", "CmdOk");
    click("Form3", "CmdAideInfoMortier");
    for (const char* name :
         {"Form1", "Form2", "Form3", "FormAideMenu", "FormAideBeton", "FormAideMortier"})
        Report(program.Window(name));
    return 0;
}
