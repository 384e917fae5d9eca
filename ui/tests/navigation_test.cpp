// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, "RETOUR", the help windows, the title bar's close, and the exit with its monogram.
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <algorithm>

#include "ui/form2.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

// clang-format off
// The look of a menu choice: -1 pressed in (its top left edge darker than its bottom right), 1 raised.
int Bevel(const char* option) {
    const QImage image = FindControl(ProgramWindow("Form2"), option)->grab().toImage();
    return std::clamp(qGray(image.pixel(1, 1)) - qGray(image.pixel(image.width() - 2, image.height() - 2)), -1, 1);
}

// The chosen calculator looks pressed in, the other raised; Qt's own words are French whatever
// the system's language.
TEST_F(UiTest, StartUpShowsOnlyTheCentredMenuAndBuildsTheMortarWindowAtTheFirstNeed) {
    Play("Form2", {{"", "+Form2 -Form1 -Form3 -FormAideMenu -FormAideBeton -FormAideMortier -LblLogo1 -LblLogo2 -LblLogo3 -LblErrCim "
                        "-LblErrTrans +Form1.TxtEauTot"}});
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(Control("Form2", "Option1"))->isChecked());
    EXPECT_EQ(std::pair(Bevel("Option1"), Bevel("Option2")), std::pair(-1, 1));
    EXPECT_EQ(Window("Form2")->geometry(), QRect(380, 258, 520, 509));  // on the primary screen, of two
    const QMenu* menu = Find<QLineEdit>(Window("Form2"), "TxtPrixCiment")->createStandardContextMenu();  // the box's child
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text().remove('&').section('\t', 0, 0);
    EXPECT_TRUE(texts.contains("Copier") && texts.contains("Coller")) << texts.join(", ").toStdString();
    Restart();  // "OK" before the mortar window is built builds it, once
    ASSERT_EQ(Window("Form3"), nullptr);
    Open("Option2");
    QPointer<QWidget> mortar = Window("Form3");
    Settle();
    EXPECT_TRUE(mortar && mortar == Window("Form3") && mortar->isVisible() && !Window("Form1")->isVisible());
    EXPECT_EQ(std::pair(Bevel("Option1"), Bevel("Option2")), std::pair(1, -1));
}

TEST_F(UiTest, RetourAndTheTitleBarsCloseKeepTheMovedMenuAndTheInputs) {
    Open("Option1");
    Window("Form2")->move(10, 20);
    Control("Form2", "LblErrCim")->show();
    Play("Form1", {{"TxtDosage=350", ""}});
    Window("Form1")->close();  // as "RETOUR"
    Play("Form1", {{"", "-Form2.LblErrCim -Form1 +Form2"}, {"Form2.Option2 Form2.CmdOk Form3.TxtVolMortier=1000", "+Form3"}});
    Window("Form3")->close();
    Play("Form1", {{"Form2.Option1 Form2.CmdOk", "-Form3 +Form1 TxtDosage=350 Form3.TxtVolMortier=1000"}});
    EXPECT_EQ(Window("Form2")->pos(), QPoint(10, 20));
}

TEST_F(UiTest, InfosOpensOneHelpWindowThatItsQuitOrTitleBarDestroys) {
    const char* const helps[][4] = {{"Form2", "CmdAideMenu", "FormAideMenu", "CmdQuitInfoMenu"},
                                    {"Form1", "CmdAideBet", "FormAideBeton", "CmdQuitAideBeton"},
                                    {"Form3", "CmdAideInfoMortier", "FormAideMortier", "CmdQuitInfoMortier"}};
    Open("Option1");
    Open("Option2");
    for (const auto& [window, infos, help, quit] : helps) {
        Click(window, infos);
        QPointer<QWidget> first = Window(help);
        const QPoint placed = first->pos();
        Click(window, infos);
        EXPECT_TRUE(Window(help) == first && first->pos() == placed && first->isVisible()) << help;
        Click(help, quit);
        EXPECT_EQ(Window(help), nullptr) << help;
        Click(window, infos);
        Window(help)->close();
        Click(window, infos);
        QTest::keyClick(Window(help)->focusWidget(), Qt::Key_Escape);  // on its focused button
        Settle();
        EXPECT_TRUE(first.isNull() && Window(help) == nullptr) << help;
    }
    for (const char* window : {"Form1", "Form2", "Form3"}) QTest::keyClick(Window(window)->focusWidget(), Qt::Key_Escape);
    Play("Form1", {{"", "+Form1 +Form2 +Form3"}});  // Escape leaves the other windows alone
    Play("Form1", {{"CmdAideBet CmdRetour1", "+FormAideBeton -Form1"}});  // it outlives its anchor's visit
}

// The exit, played with pauses that take no time but move a clock on: each monogram letter shows
// at its moment, then every window is destroyed in order and the event loop ends with 0.
// Closing the menu does what "QUITTER" does; "QUITTER" or a close during the monogram, nothing.
TEST_F(UiTest, TheExitShowsTheMonogramThenDestroysEveryWindowInOrder) {
    Play("Form2", {{"CmdAideMenu Option1 CmdOk Form1.CmdAideBet Option2 CmdOk Form3.CmdAideInfoMortier", "+FormAideBeton +FormAideMortier"}});
    int clock = 0;
    QStringList seen;
    qobject_cast<Form2*>(Window("Form2"))->setExitPause([&clock](int milliseconds, std::function<void()> action) {
        QTimer::singleShot(0, [&clock, milliseconds, action] { clock += milliseconds, action(); });
    });
    for (const char* name : {"Form1", "Form2", "Form3", "FormAideBeton", "FormAideMortier", "FormAideMenu"})
        QObject::connect(Window(name), &QObject::destroyed, [&, name] { seen << QStringLiteral("%1 %2").arg(name).arg(clock); });
    QTimer letters;  // what the monogram shows, each time the event loop turns
    letters.callOnTimeout([&] {
        for (const char* letter : {"LblLogo1", "LblLogo2", "LblLogo3"})
            if (Window("Form2") && Shown("Form2", letter) && !seen.contains(letter)) seen << letter << QString::number(clock);
    });
    letters.start(0);
    Window("Form2")->close();
    QTimer::singleShot(0, [] { Click("Form2", "CmdQuitter"), Window("Form2")->close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);  // as the last window went: for no other test
    EXPECT_EQ(seen.join(' '), "LblLogo1 150 LblLogo2 300 LblLogo3 550 Form1 1150 Form2 1150 Form3 1150 FormAideBeton 1150 FormAideMortier 1150 FormAideMenu 1150");
}
// clang-format on

}  // namespace
}  // namespace ui::test
