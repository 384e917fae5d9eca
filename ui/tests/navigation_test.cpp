// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, "INFOS", "RETOUR", the title bar's close, and the exit with its monogram, which
// ends the program and so runs in a child process.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "ui/form2.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

TEST_F(UiTest, StartUpShowsOnlyTheCentredMenu) {
    QWidget* menu = Window("Form2");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    ASSERT_NE(Window("Form1"), nullptr);
    ASSERT_NE(Window("Form3"), nullptr);
    EXPECT_FALSE(Window("Form1")->isVisible());
    EXPECT_FALSE(Window("Form3")->isVisible());
    for (const char* help : {"FormAideMenu", "FormAideBeton", "FormAideMortier"})
        EXPECT_EQ(Window(help), nullptr) << help;
    int shownWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) shownWindows += window->isVisible();
    EXPECT_EQ(shownWindows, 1);

    // Screen 1280 x 1024 px = 19200 x 15360 twips, menu 7800 x 7635 twips:
    // left (19200 - 7800) / 2 = 5700 = 380 px, top (15360 - 7635) / 2 = 3862.5 = 257.5 px.
    EXPECT_EQ(menu->frameGeometry().topLeft(), QPoint(380, 258));
    for (const char* name : {"LblErrCim", "LblErrSab", "LblErrGrav", "LblErrTrans", "LblLogo1",
                             "LblLogo2", "LblLogo3"})
        EXPECT_FALSE(Label("Form2", name)->isVisible()) << name;
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(Control("Form2", "Option1"))->isChecked());
    // The calculators are as created: their result areas are still there, only hidden.
    EXPECT_TRUE(Control("Form1", "TxtEauTot")->isVisibleTo(Window("Form1")));
}

// The mortar window is built once the menu is on screen; a click that comes sooner builds it.
TEST_F(UiTest, OkBeforeTheMortarWindowIsBuiltOpensIt) {
    Restart();
    ASSERT_EQ(Window("Form3"), nullptr);
    Click("Form2", "Option2");
    Click("Form2", "CmdOk");
    QWidget* mortar = Window("Form3");
    ASSERT_NE(mortar, nullptr);
    EXPECT_TRUE(mortar->isVisible());
    Settle();
    EXPECT_EQ(Window("Form3"), mortar);
    EXPECT_TRUE(mortar->isVisible());
    EXPECT_FALSE(Window("Form1")->isVisible());
}

TEST_F(UiTest, RetourKeepsTheMovedMenuAndTheCalculatorInputs) {
    Click("Form2", "CmdOk");
    ASSERT_TRUE(Window("Form1")->isVisible());
    Type("Form1", "TxtDosage", "350");
    Window("Form2")->move(10, 20);
    Label("Form2", "LblErrCim")->show();
    Click("Form1", "CmdRetour1");
    EXPECT_TRUE(Window("Form2")->isVisible());
    EXPECT_EQ(Window("Form2")->pos(), QPoint(10, 20));
    EXPECT_FALSE(Window("Form1")->isVisible());
    EXPECT_FALSE(Label("Form2", "LblErrCim")->isVisible());
    Click("Form2", "CmdOk");
    EXPECT_TRUE(Window("Form1")->isVisible());
    EXPECT_EQ(Box("Form1", "TxtDosage")->text(), "350");
}

TEST_F(UiTest, RetourFromMortarThenConcreteLeavesMortarHiddenWithItsInputs) {
    Click("Form2", "Option2");
    Click("Form2", "CmdOk");
    Type("Form3", "TxtVolMortier", "1000");
    Click("Form3", "CmdRetour2");
    Click("Form2", "Option1");
    Click("Form2", "CmdOk");
    EXPECT_TRUE(Window("Form1")->isVisible());
    EXPECT_FALSE(Window("Form3")->isVisible());
    EXPECT_EQ(Box("Form3", "TxtVolMortier")->text(), "1000");
}

TEST_F(UiTest, InfosTwiceLeavesOneHelpWindowWhereTheFirstPressPutIt) {
    Click("Form2", "CmdAideMenu");
    QWidget* help = Window("FormAideMenu");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QPoint placed = help->pos();
    const QPoint menuPlaced = Window("Form2")->pos();
    Click("Form2", "CmdAideMenu");
    EXPECT_EQ(Window("FormAideMenu"), help);
    EXPECT_EQ(help->pos(), placed);
    EXPECT_EQ(Window("Form2")->pos(), menuPlaced);
    int helps = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        helps += window->objectName() == "FormAideMenu";
    EXPECT_EQ(helps, 1);
}

struct HelpButton {
    const char* window;
    const char* infos;
    const char* help;
    const char* quit;
};

class HelpButtonTest : public UiTest, public ::testing::WithParamInterface<HelpButton> {
  protected:
    // The help window's anchor opened, then its "INFOS" pressed.
    static void OpenHelp(const HelpButton& button) {
        if (QLatin1String(button.window) != QLatin1String("Form2")) {
            Click("Form2",
                  QLatin1String(button.window) == QLatin1String("Form1") ? "Option1" : "Option2");
            Click("Form2", "CmdOk");
        }
        Click(button.window, button.infos);
    }
};

TEST_P(HelpButtonTest, InfosCreatesQuitDestroysAndTheNextInfosCreatesAgain) {
    const HelpButton& button = GetParam();
    OpenHelp(button);
    ASSERT_NE(Window(button.help), nullptr);
    EXPECT_TRUE(Window(button.help)->isVisible());
    EXPECT_TRUE(Window(button.window)->isVisible());  // the anchor stays displayed

    QPointer<QWidget> first = Window(button.help);
    Click(button.help, button.quit);
    EXPECT_EQ(Window(button.help), nullptr);
    Settle();
    EXPECT_TRUE(first.isNull());  // destroyed, not only hidden

    Click(button.window, button.infos);
    ASSERT_NE(Window(button.help), nullptr);
    EXPECT_TRUE(Window(button.help)->isVisible());
}

TEST_P(HelpButtonTest, TitleBarCloseDoesWhatQuitDoes) {
    const HelpButton& button = GetParam();
    OpenHelp(button);
    QPointer<QWidget> help = Window(button.help);
    ASSERT_FALSE(help.isNull());
    help->close();
    EXPECT_EQ(Window(button.help), nullptr);
    Settle();
    EXPECT_TRUE(help.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, HelpButtonTest,
    ::testing::Values(HelpButton{"Form2", "CmdAideMenu", "FormAideMenu", "CmdQuitInfoMenu"},
                      HelpButton{"Form1", "CmdAideBet", "FormAideBeton", "CmdQuitAideBeton"},
                      HelpButton{"Form3", "CmdAideInfoMortier", "FormAideMortier",
                                 "CmdQuitInfoMortier"}),
    [](const auto& info) { return std::string(info.param.help); });

TEST_F(UiTest, HelpWindowStaysOpenWhenItsAnchorGoesBackToTheMenu) {
    Click("Form2", "CmdOk");
    Click("Form1", "CmdAideBet");
    Click("Form1", "CmdRetour1");
    ASSERT_NE(Window("FormAideBeton"), nullptr);
    EXPECT_TRUE(Window("FormAideBeton")->isVisible());
}

TEST_F(UiTest, TitleBarCloseOfACalculatorDoesWhatRetourDoes) {
    Click("Form2", "Option2");
    Click("Form2", "CmdOk");
    Type("Form3", "TxtDosage2", "325");
    Window("Form2")->move(30, 40);
    Label("Form2", "LblErrTrans")->show();
    Window("Form3")->close();
    EXPECT_FALSE(Window("Form3")->isVisible());
    ASSERT_NE(Window("Form3"), nullptr);  // hidden, not destroyed
    EXPECT_EQ(Box("Form3", "TxtDosage2")->text(), "325");
    EXPECT_TRUE(Window("Form2")->isVisible());
    EXPECT_EQ(Window("Form2")->pos(), QPoint(30, 40));
    EXPECT_FALSE(Label("Form2", "LblErrTrans")->isVisible());
}

// The exit's clock, moved on by each pause instead of waiting.
int exitClock = 0;

// Reports, on the error stream, each monogram letter as it appears and each window as it is
// destroyed, with the exit clock's time, so the parent process can read the order.
class ExitWitness : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            std::fprintf(stderr, "shown %s at %d\n", qPrintable(watched->objectName()), exitClock);
        return false;
    }
};

// Pauses that take no time but move the exit clock on, then let the event loop run.
void WatchExit(ExitWitness& witness) {
    Form2* menu = qobject_cast<Form2*>(ProgramWindow("Form2"));
    menu->setExitPause([](int milliseconds, std::function<void()> action) {
        exitClock += milliseconds;
        QTimer::singleShot(0, std::move(action));
    });
    for (const char* logo : {"LblLogo1", "LblLogo2", "LblLogo3"})
        FindControl(menu, logo)->installEventFilter(&witness);
    for (const char* name :
         {"Form1", "Form2", "Form3", "FormAideBeton", "FormAideMortier", "FormAideMenu"}) {
        QWidget* window = ProgramWindow(QLatin1String(name));
        if (!window) continue;
        QObject::connect(window, &QObject::destroyed,
                         [name] { std::fprintf(stderr, "destroyed %s at %d\n", name, exitClock); });
    }
}

using UiExitDeathTest = UiTest;

TEST_F(UiExitDeathTest, QuitterShowsTheLettersAtTheirMomentsThenDestroysEveryWindowAndEnds) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            Click("Form2", "CmdAideMenu");
            Click("Form2", "CmdOk");
            Click("Form1", "CmdAideBet");
            ExitWitness witness;
            WatchExit(witness);
            Click("Form2", "CmdQuitter");
            std::exit(QApplication::exec());
        },
        ::testing::ExitedWithCode(0),
        "shown LblLogo1 at 150\nshown LblLogo2 at 300\nshown LblLogo3 at 550\n"
        "destroyed Form1 at 1150\ndestroyed Form2 at 1150\ndestroyed Form3 at 1150\n"
        "destroyed FormAideBeton at 1150\ndestroyed FormAideMenu at 1150\n");
}

TEST_F(UiExitDeathTest, ASecondQuitterAndClosingTheMenuDuringTheMonogramChangeNothing) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            ExitWitness witness;
            WatchExit(witness);
            Click("Form2", "CmdQuitter");
            QTimer::singleShot(0, [] {
                Click("Form2", "CmdQuitter");
                Window("Form2")->close();
            });
            std::exit(QApplication::exec());
        },
        ::testing::ExitedWithCode(0),
        "shown LblLogo1 at 150\nshown LblLogo2 at 300\nshown LblLogo3 at 550\n"
        "destroyed Form1 at 1150\ndestroyed Form2 at 1150\ndestroyed Form3 at 1150\n");
}

TEST_F(UiExitDeathTest, ClosingTheMenuEndsTheProgramLikeQuitter) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            ExitWitness witness;
            WatchExit(witness);
            Window("Form2")->close();
            std::exit(QApplication::exec());
        },
        ::testing::ExitedWithCode(0),
        "shown LblLogo3 at 550\ndestroyed Form1 at 1150\ndestroyed Form2 at 1150\n"
        "destroyed Form3 at 1150\n");
}

}  // namespace
}  // namespace ui::test
