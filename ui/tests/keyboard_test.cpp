// SPDX-License-Identifier: GPL-3.0-or-later
// Without a mouse, without sight: where the keyboard starts on each window, "Entrée" in a box and
// on a button, the focus framed visibly from the start.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

// clang-format off
// Each window opens on the first control of its focus order, and Tab then goes through the whole
// order (results, note and help open; one stop for a group of options, at the selected one).
TEST_F(UiTest, EachWindowOpensOnTheFirstControlOfItsFocusOrderAndTabFollowsIt) {
    const char* const opened[][4] = {  // a click, then the window it opens and its focused control
        {"", "", "Form2", "CmdOk"}, {"Form2", "CmdAideMenu", "FormAideMenu", "CmdQuitInfoMenu"}, {"Form2", "CmdOk", "Form1", "TxtDosage"},
        {"Form1", "CmdAideBet", "FormAideBeton", "CmdQuitAideBeton"}, {"Form2", "Option2", "Form2", "Option2"}, {"Form2", "CmdOk", "Form3", "TxtDosage2"}};
    for (const auto& [from, button, window, control] : opened) {
        if (*button) Click(from, button);
        Window(window)->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window(window)));
        EXPECT_EQ(QApplication::focusWidget(), Control(window, control)) << window;
    }
    Calculate("Form1", {"350", "1000", "150"});
    Calculate("Form3", {"325", "1000", "100"});
    Click("Form1", "CmdInfo");
    const char* const orders[][2] = {
        {"Form2", "CmdOk CmdQuitter Option2 TxtPrixCiment TxtPrixSable TxtPrixGravier TxtPrixTransport CmdEffacerP CmdAideMenu"},
        {"Form1", "TxtDosage TxtVolume TxtContenance CmdCalcul TxtEauTot TxtCimentTot TxtSableTot TxtGravierTot TxtEau TxtCiment TxtSable TxtGravier "
                  "CmdEffacer CmdRetour1 TxtBeton TxtTempsTh CmdInfo CmdQuitterInfo TxtTempsTm CmdImprimer TxtPrixAchat TxtEauTotL TxtCimentTotL "
                  "TxtSableTotL TxtGravierTotL TxtPrixDetCim TxtPrixDetSab TxtPrixDetGrav CmdAideBet"},
        {"Form3", "TxtDosage2 TxtVolMortier CmdRetour2 CmdEffacer2 CmdImprimer2 CmdCalcul2 TxtPoidsCiment2 TxtPoidsSable2 TxtVolCiment2 TxtVolSable2 "
                  "CmdAideInfoMortier OptDose1 TxtEauTotL3 TxtEauTot3 TxtPrixDetCim3 TxtPrixDetSab3 TxtPrixAchat3 TxtContenance2 TxtEau3 TxtCiment3 "
                  "TxtSable3 TxtMortier TxtTempsTh3 TxtTempsTm3"},
        {"FormAideMenu", "CmdQuitInfoMenu CmdImpAideMenu"}, {"FormAideBeton", "CmdQuitAideBeton CmdImpAideBeton"}};
    for (const auto& [window, order] : orders) {
        Window(window)->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window(window)));
        Control(window, QString(order).section(' ', 0, 0).toLatin1())->setFocus();
        QStringList seen;
        do seen << QApplication::focusWidget()->objectName(), QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        while (QApplication::focusWidget()->objectName() != seen.front() && seen.size() < 40);
        EXPECT_EQ(seen.join(' '), order) << window;
    }
}

// "Entrée" (or the keypad's) in an input box presses its window's button, in a result box
// nothing; on a focused button it presses that button.
TEST_F(UiTest, EnterPressesTheWindowsButtonFromAnInputAndTheFocusedButton) {
    Open("Option1");
    Calculate("Form1", {"320", "1000", "150"});
    Open("Option2");
    const char* const keys[][4] = {  // the focused control, the button pressed, how many times
        {"Form2", "TxtPrixCiment", "CmdOk", "2"}, {"Form2", "TxtPrixTransport", "CmdOk", "2"}, {"Form1", "TxtDosage", "CmdCalcul", "2"},
        {"Form1", "TxtContenance", "CmdCalcul", "2"}, {"Form1", "TxtEauTot", "CmdCalcul", "0"}, {"Form3", "TxtVolMortier", "CmdCalcul2", "2"},
        {"Form1", "CmdInfo", "CmdInfo", "2"}, {"Form2", "CmdEffacerP", "CmdEffacerP", "2"}, {"Form3", "CmdRetour2", "CmdRetour2", "1"},
        {"Form2", "Option2", "Option2", "2"}};
    for (const auto& [window, focus, button, presses] : keys) {
        QSignalSpy pressed(qobject_cast<QAbstractButton*>(Control(window, button)), &QAbstractButton::clicked);
        QWidget* target = Control(window, focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        if (target->isVisible()) QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(pressed.count(), QByteArray(presses).toInt()) << focus;
    }
    EXPECT_FALSE(Window("Form3")->isVisible());  // "RETOUR" pressed from the keyboard
}

// Two presses within the double-click interval at a button's centre, each on the window under
// it at that moment: the first on the button, the second on the window its click brought there.
void DoubleClick(QWidget* button, QWidget* thenUnder) {
    const QPoint at = button->mapToGlobal(button->rect().center());
    int& time = QTest::lastMouseTimestamp;
    for (QWidget* window : {button->window(), thenUnder}) {
        const QPoint local = window->mapFromGlobal(at);
        qt_handleMouseEvent(window->windowHandle(), local, at, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {}, ++time);
        qt_handleMouseEvent(window->windowHandle(), local, at, {}, Qt::LeftButton, QEvent::MouseButtonRelease, {}, ++time);
    }
    time += QTest::mouseDoubleClickInterval;
}

// Each opening of a calculator from the menu starts on its dosage, whatever had the keyboard as
// it was hidden ("RETOUR" pressed, or a box left for the title bar's close); the inputs stay.
TEST_F(UiTest, EachOpeningOfACalculatorStartsOnItsDosage) {
    const char* const cases[][5] = {  // the menu's choice, "OK" pressed by, its window, its dosage, left by
        {"Option1", "click", "Form1", "TxtDosage", "CmdRetour1"}, {"Option1", "Entrée", "Form1", "TxtDosage", "TxtVolume"},
        {"Option1", "double-click", "Form1", "TxtDosage", "CmdRetour1"}, {"Option2", "click", "Form3", "TxtDosage2", "TxtContenance2"},
        {"Option2", "Entrée", "Form3", "TxtDosage2", "CmdRetour2"}, {"Option2", "double-click", "Form3", "TxtDosage2", "TxtVolMortier"}};
    for (const auto& [option, press, window, dosage, leftBy] : cases) {
        Click("Form2", option);
        auto* ok = qobject_cast<QAbstractButton*>(Control("Form2", "CmdOk"));
        for (const char* typed : {"3", "33", "333"}) {  // a first, second and third opening
            if (*press == 'c') QTest::mouseClick(ok, Qt::LeftButton);
            if (*press == 'E') ok->setFocus(), QTest::keyClick(ok, Qt::Key_Return);
            if (*press == 'd') DoubleClick(ok, Window(window));
            ASSERT_TRUE(QTest::qWaitForWindowActive(Window(window)));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
            EXPECT_EQ(Text(window, dosage), QString(typed)) << press << ", left by " << leftBy;
            if (QByteArray(leftBy).startsWith("Cmd")) Click(window, leftBy);
            else Type(window, leftBy, "10"), Window(window)->close();
            ASSERT_TRUE(QTest::qWaitForWindowActive(Window("Form2")));
        }
        Type(window, dosage, "");
    }
}

// Framed from the moment the window is active, before any Tab: two bands two pixels wide left
// of the control, the inner one 3:1 against the control, the outer one against what is around.
TEST_F(UiTest, TheFocusedControlIsFramedVisibly) {
    Play("Form2", {{"CmdAideMenu Option1 CmdOk", ""}});
    ASSERT_EQ(Window("Form1")->focusWidget(), Control("Form1", "TxtDosage"));
    // The first three as the windows open, with the focus their tables give them.
    for (const auto& [name, control] : {std::pair{"Form2", "CmdOk"}, {"Form1", "TxtDosage"}, {"FormAideMenu", "CmdQuitInfoMenu"}, {"Form2", "TxtPrixCiment"}, {"Form2", "Option1"}, {"Form1", "CmdCalcul"}}) {
        Window(name)->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window(name)));
        if (QApplication::focusWidget() != Control(name, control)) Control(name, control)->setFocus();
        const QImage image = Window(name)->grab().toImage();
        const QPoint left = Control(name, control)->mapTo(Window(name), QPoint(0, Control(name, control)->height() / 2));
        const auto at = [&](int dx) { return QColor(image.pixel(left.x() + dx, left.y())); };
        EXPECT_TRUE(at(-1) == at(-2) && at(-3) == at(-4)) << control;
        EXPECT_GE(Contrast(at(-1), at(6)), 3) << control << " against the control";
        EXPECT_GE(Contrast(at(-4), at(-6)), 3) << control << " against its surroundings";
    }
}

// clang-format on

}  // namespace
}  // namespace ui::test
