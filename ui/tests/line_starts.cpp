// Starts the program, opens every window and prints what the high-DPI test compares between
// screens: the device pixel ratio, each window's size (logical, and in device pixels as
// rendered) and where each line of every label starts.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "ui/caption_label.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form_aide_beton.h"
#include "ui/form_aide_menu.h"
#include "ui/form_aide_mortier.h"
#include "ui/look.h"
#include "ui/program.h"

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
    ui::InitApplicationLook();
    // QString::number: printf would write the decimal comma of a French C locale.
    std::printf("dpr %s\n", qPrintable(QString::number(app.devicePixelRatio())));
    ui::StartProgram();
    ui::ShowAideMenu();
    ui::ShowAideBeton();
    ui::ShowAideMortier();
    const ui::Forms& forms = ui::Windows();
    for (QWidget* window :
         std::initializer_list<QWidget*>{forms.form1, forms.form2, forms.form3, forms.aideMenu,
                                         forms.aideBeton, forms.aideMortier})
        Report(window);
    ui::DestroyWindows();
    return 0;
}
