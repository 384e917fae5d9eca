// Renders each window to PNG, offscreen: as created, and with every control shown.
// Usage: karvo_screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <memory>

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form_aide_beton.h"
#include "ui/form_aide_menu.h"
#include "ui/form_aide_mortier.h"
#include "ui/look.h"
#include "ui/program.h"

namespace {

void Save(QWidget* window, const QDir& dir, const QString& suffix) {
    const QString path = dir.filePath(window->objectName() + suffix + ".png");
    window->grab().save(path);
    qInfo("%s", qPrintable(path));
}

void SaveBothStates(QWidget* window, const QDir& dir) {
    window->show();
    Save(window, dir, "");
    for (QWidget* control : window->findChildren<QWidget*>()) control->setVisible(true);
    Save(window, dir, "-all");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::InitApplicationLook();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(dir.path());
    // The help windows place themselves beside their anchors, so the anchors exist first.
    ui::Forms& forms = ui::Windows();
    forms.form1 = new ui::Form1;
    forms.form2 = new ui::Form2;
    forms.form3 = new ui::Form3;
    const std::unique_ptr<QWidget> helps[] = {std::make_unique<ui::FormAideMenu>(),
                                              std::make_unique<ui::FormAideBeton>(),
                                              std::make_unique<ui::FormAideMortier>()};
    for (QWidget* window : {static_cast<QWidget*>(forms.form1), static_cast<QWidget*>(forms.form2),
                            static_cast<QWidget*>(forms.form3)})
        SaveBothStates(window, dir);
    for (const auto& help : helps) SaveBothStates(help.get(), dir);
    ui::DestroyWindows();
    return 0;
}
