// Renders each window to PNG, offscreen: as created, and with every control shown; then the
// menu and the concrete window of the worked example, typed and clicked as a user does.
// Usage: karvo_screenshots OUTPUT_DIR
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
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

void Type(QWidget* window, const char* box, const char* text) {
    auto* target = window->findChild<QLineEdit*>(QLatin1String(box));
    if (!target) qFatal("no box %s", box);
    target->setFocus();
    QTest::keyClicks(target, QLatin1String(text));
}

void Click(QWidget* window, const char* button) {
    auto* target = window->findChild<QAbstractButton*>(QLatin1String(button));
    if (!target) qFatal("no button %s", button);
    QTest::mouseClick(target, Qt::LeftButton);
}

// The worked example from a fresh start: the menu with its prices, then the concrete results.
void SaveWorkedExample(const QDir& dir) {
    ui::StartProgram();
    QWidget* menu = ui::Windows().form2;
    const char* const prices[][2] = {{"TxtPrixCiment", "7,25"},
                                     {"TxtPrixSable", "40"},
                                     {"TxtPrixGravier", "35"},
                                     {"TxtPrixTransport", "60"}};
    for (const auto& [box, text] : prices) Type(menu, box, text);
    Save(menu, dir, "-example");
    Click(menu, "CmdOk");
    QWidget* concrete = ui::Windows().form1;
    Type(concrete, "TxtDosage", "350");
    Type(concrete, "TxtVolume", "1000");
    Type(concrete, "TxtContenance", "150");
    Click(concrete, "CmdCalcul");
    Save(concrete, dir, "-example");
    ui::DestroyWindows();
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
    SaveWorkedExample(dir);
    return 0;
}
