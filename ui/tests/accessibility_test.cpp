// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard and screen readers: what a screen reader says for each text box and button,
// "Entrée" in an input or price box pressing its window's button, and where the keyboard
// starts on each window, through real key presses.
#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

QString SpokenName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

struct Spoken {
    const char* window;
    const char* control;
    const char* name;
};

// clang-format off
const Spoken kSpoken[] = {
    {"Form2", "TxtPrixCiment", "Prix du sac de ciment de 35 Kg"},
    {"Form2", "TxtPrixSable", "Prix du m3 de sable"},
    {"Form2", "TxtPrixGravier", "Prix du m3 de gravier"},
    {"Form2", "TxtPrixTransport", "Prix du transport"},
    {"Form2", "CmdOk", "OK"},
    {"Form2", "Option2", "Mortier"},
    {"Form1", "TxtDosage", "Dosage du béton"},
    {"Form1", "TxtVolume", "Volume de béton à mettre en place"},
    {"Form1", "TxtContenance", "Contenance de la bétonnière"},
    {"Form1", "TxtEauTotL", "Eau MINI, Litres"},
    {"Form1", "TxtEauTot", "Eau MINI, Kg"},
    {"Form1", "TxtCimentTotL", "Ciment, Litres"},
    {"Form1", "TxtCimentTot", "Ciment, Kg"},
    {"Form1", "TxtSableTotL", "Sable, Litres"},
    {"Form1", "TxtSableTot", "Sable, Kg"},
    {"Form1", "TxtGravierTotL", "Gravier, Litres"},
    {"Form1", "TxtGravierTot", "Gravier, Kg"},
    {"Form1", "TxtPrixDetCim", "Ciment, Prix"},
    {"Form1", "TxtPrixDetSab", "Sable, Prix"},
    {"Form1", "TxtPrixDetGrav", "Gravier, Prix"},
    {"Form1", "TxtPrixAchat", "Prix d'achat total"},
    {"Form1", "TxtEau", "Eau MINI, Litres, Qtés dans bétonnière"},
    {"Form1", "TxtCiment", "Ciment, Litres, Qtés dans bétonnière"},
    {"Form1", "TxtSable", "Sable, Litres, Qtés dans bétonnière"},
    {"Form1", "TxtGravier", "Gravier, Litres, Qtés dans bétonnière"},
    {"Form1", "TxtBeton", "Béton coffré, Litres, Qtés dans bétonnière"},
    {"Form1", "TxtTempsTh", "Temps total, h"},
    {"Form1", "TxtTempsTm", "Temps total, mn"},
    {"Form1", "CmdCalcul", "CALCULS"},
    {"Form1", "CmdEffacer", "Effacer les données"},
    {"Form3", "TxtDosage2", "Dosage du mortier"},
    {"Form3", "TxtVolMortier", "Volume du mortier à mettre en place"},
    {"Form3", "TxtContenance2", "Contenance de la bétonnière"},
    {"Form3", "TxtEauTotL3", "Eau MINI, Litres"},
    {"Form3", "TxtEauTot3", "Eau MINI, Kg"},
    {"Form3", "TxtVolCiment2", "Ciment, Litres"},
    {"Form3", "TxtPoidsCiment2", "Ciment, Kg"},
    {"Form3", "TxtVolSable2", "Sable, Litres"},
    {"Form3", "TxtPoidsSable2", "Sable, Kg"},
    {"Form3", "TxtPrixDetCim3", "Ciment, Prix"},
    {"Form3", "TxtPrixDetSab3", "Sable, Prix"},
    {"Form3", "TxtPrixAchat3", "Prix d'achat total"},
    {"Form3", "TxtEau3", "Eau MINI, Litres, Qtés dans bétonnière"},
    {"Form3", "TxtCiment3", "Ciment, Litres, Qtés dans bétonnière"},
    {"Form3", "TxtSable3", "Sable, Litres, Qtés dans bétonnière"},
    {"Form3", "TxtMortier", "Mortier en place, Litres, Qtés dans bétonnière"},
    {"Form3", "TxtTempsTh3", "Temps total, h"},
    {"Form3", "TxtTempsTm3", "Temps total, mn"},
    {"Form3", "OptDose1", "entre 300 et 350 Kg/m3"},
    {"Form3", "OptDose2", "entre 400 et 450 Kg/m3"},
    {"Form3", "OptDose3", "entre 550 et 600 Kg/m3"},
    {"Form3", "OptDose4", "entre 700 et 900 Kg/m3"},
    {"Form3", "CmdCalcul2", "CALCULS"},
    {"Form3", "CmdAideInfoMortier", "INFOS"},
};
// clang-format on

void PrintTo(const Spoken& spoken, std::ostream* out) {
    *out << spoken.window << "." << spoken.control;
}

class SpokenNameTest : public UiTest, public ::testing::WithParamInterface<Spoken> {};

TEST_P(SpokenNameTest, IsTheCaptionOfItsLabelsOrItsOwn) {
    const Spoken& spoken = GetParam();
    EXPECT_EQ(SpokenName(Control(spoken.window, spoken.control)), QString::fromUtf8(spoken.name));
}

INSTANTIATE_TEST_SUITE_P(Controls, SpokenNameTest, ::testing::ValuesIn(kSpoken),
                         [](const auto& info) {
                             return std::string(info.param.window) + "_" + info.param.control;
                         });

class TextBoxNamesTest : public UiTest, public ::testing::WithParamInterface<const char*> {};

// A screen reader tells every box of a window apart: none is nameless, no two share a name.
TEST_P(TextBoxNamesTest, EveryBoxHasANameOfItsOwn) {
    std::set<QString> names;
    const auto boxes = Window(GetParam())->findChildren<QLineEdit*>();
    for (QLineEdit* box : boxes) {
        const QString name = SpokenName(box);
        EXPECT_FALSE(name.isEmpty()) << box->objectName().toStdString();
        EXPECT_TRUE(names.insert(name).second) << name.toStdString();
    }
    EXPECT_GE(boxes.size(), 4);
}

INSTANTIATE_TEST_SUITE_P(Windows, TextBoxNamesTest, ::testing::Values("Form1", "Form2", "Form3"),
                         [](const auto& info) { return std::string(info.param); });

struct EnterKey {
    const char* window;
    const char* box;
    const char* button;
    bool presses;  // false: "Entrée" in that box presses nothing
};

const EnterKey kEnterKeys[] = {
    {"Form2", "TxtPrixCiment", "CmdOk", true},
    {"Form2", "TxtPrixSable", "CmdOk", true},
    {"Form2", "TxtPrixGravier", "CmdOk", true},
    {"Form2", "TxtPrixTransport", "CmdOk", true},
    {"Form1", "TxtDosage", "CmdCalcul", true},
    {"Form1", "TxtVolume", "CmdCalcul", true},
    {"Form1", "TxtContenance", "CmdCalcul", true},
    {"Form1", "TxtEauTot", "CmdCalcul", false},
    {"Form1", "TxtTempsTm", "CmdCalcul", false},
    {"Form3", "TxtDosage2", "CmdCalcul2", true},
    {"Form3", "TxtVolMortier", "CmdCalcul2", true},
    {"Form3", "TxtContenance2", "CmdCalcul2", true},
    {"Form3", "TxtMortier", "CmdCalcul2", false},
    {"Form3", "TxtPoidsCiment2", "CmdCalcul2", false},
};

void PrintTo(const EnterKey& key, std::ostream* out) {
    *out << key.window << "." << key.box;
}

class EnterKeyTest : public UiTest, public ::testing::WithParamInterface<EnterKey> {
  protected:
    // The calculator is opened from the menu and computes once, so its results are shown.
    static void OpenWithResults(const char* window) {
        const bool concrete = QLatin1String(window) == "Form1";
        Click("Form2", concrete ? "Option1" : "Option2");
        Click("Form2", "CmdOk");
        Type(window, concrete ? "TxtDosage" : "TxtDosage2", "320");
        Type(window, concrete ? "TxtVolume" : "TxtVolMortier", "1000");
        Type(window, concrete ? "TxtContenance" : "TxtContenance2", "150");
        Click(window, concrete ? "CmdCalcul" : "CmdCalcul2");
    }
};

TEST_P(EnterKeyTest, ReturnAndKeypadEnterPressTheButton) {
    const EnterKey& key = GetParam();
    if (QLatin1String(key.window) != "Form2") OpenWithResults(key.window);
    QLineEdit* box = Box(key.window, key.box);
    ASSERT_TRUE(Shown(box));
    QSignalSpy pressed(qobject_cast<QAbstractButton*>(Control(key.window, key.button)),
                       &QAbstractButton::clicked);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed.count(), key.presses ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(Boxes, EnterKeyTest, ::testing::ValuesIn(kEnterKeys),
                         [](const auto& info) { return std::string(info.param.box); });

struct FirstFocus {
    const char* window;
    std::vector<std::pair<const char*, const char*>> clicks;  // window, button: how it opens
    const char* control;
};

const FirstFocus kFirstFocus[] = {
    {"Form2", {}, "CmdOk"},
    {"Form1", {{"Form2", "CmdOk"}}, "TxtDosage"},
    {"Form3", {{"Form2", "Option2"}, {"Form2", "CmdOk"}}, "TxtDosage2"},
    {"FormAideMenu", {{"Form2", "CmdAideMenu"}}, "CmdQuitInfoMenu"},
    {"FormAideBeton", {{"Form2", "CmdOk"}, {"Form1", "CmdAideBet"}}, "CmdQuitAideBeton"},
    {"FormAideMortier",
     {{"Form2", "Option2"}, {"Form2", "CmdOk"}, {"Form3", "CmdAideInfoMortier"}},
     "CmdQuitInfoMortier"},
};

void PrintTo(const FirstFocus& focus, std::ostream* out) {
    *out << focus.window;
}

class FirstFocusTest : public UiTest, public ::testing::WithParamInterface<FirstFocus> {};

// A window opens with the keyboard on the first control of its focus order.
TEST_P(FirstFocusTest, IsTheFirstControlOfTheFocusOrder) {
    const FirstFocus& focus = GetParam();
    for (const auto& [window, button] : focus.clicks) Click(window, button);
    QWidget* window = Window(focus.window);
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(QApplication::focusWidget(), Control(focus.window, focus.control));
}

INSTANTIATE_TEST_SUITE_P(Windows, FirstFocusTest, ::testing::ValuesIn(kFirstFocus),
                         [](const auto& info) { return std::string(info.param.window); });

TEST_F(UiTest, EnterOnABadDosageRefusesItAndKeepsTheCursorThere) {
    Click("Form2", "Option2");
    Click("Form2", "CmdOk");
    Type("Form3", "TxtDosage2", "100");
    QTest::keyClick(Box("Form3", "TxtDosage2"), Qt::Key_Return);
    EXPECT_TRUE(Shown(Label("Form3", "LblMauvaisDos2")));
    EXPECT_EQ(Box("Form3", "TxtDosage2")->text(), "");
    EXPECT_EQ(Window("Form3")->focusWidget(), Box("Form3", "TxtDosage2"));
}

// "Entrée", or the keypad's, on a focused button presses it, on every window.
TEST_F(UiTest, EnterPressesTheFocusedButton) {
    const std::pair<const char*, const char*> buttons[] = {
        {"Form2", "CmdEffacerP"}, {"Form2", "Option2"},
        {"Form2", "CmdOk"},       {"Form3", "CmdCalcul2"},
        {"Form3", "CmdRetour2"},  {"Form2", "Option1"},
        {"Form2", "CmdOk"},       {"Form1", "CmdInfo"},
        {"Form1", "CmdAideBet"},  {"FormAideBeton", "CmdQuitAideBeton"},
    };
    for (const auto& [window, name] : buttons) {
        auto* button = qobject_cast<QAbstractButton*>(Control(window, name));
        ASSERT_TRUE(Shown(button)) << window << "." << name;
        QSignalSpy pressed(button, &QAbstractButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        if (Shown(button)) QTest::keyClick(button, Qt::Key_Return);
        EXPECT_GE(pressed.count(), 1) << window << "." << name;
        Settle();
    }
    EXPECT_TRUE(Shown(Window("FormAideBeton")) == false);
    EXPECT_TRUE(Shown(Label("Form1", "LblInfo")));
}

// WCAG's contrast ratio of two colours.
double Contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) {
            const double x = v / 255.0;
            return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The focus shows from the moment the window is active, before any Tab: a frame two bands of
// two pixels wide on the left of the control, each 3:1 against what it touches.
TEST_F(UiTest, TheFocusedControlIsFramedVisibly) {
    const std::pair<const char*, const char*> focused[] = {{"Form2", "CmdOk"},
                                                           {"Form2", "TxtPrixCiment"},
                                                           {"Form1", "TxtDosage"},
                                                           {"Form1", "CmdCalcul"},
                                                           {"Form2", "Option1"}};
    Click("Form2", "CmdOk");
    for (const auto& [name, control] : focused) {
        SCOPED_TRACE(control);
        QWidget* window = Window(name);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        if (QLatin1String(control) != "CmdOk") Control(name, control)->setFocus();
        const QImage image = window->grab().toImage();
        const QWidget* target = Control(name, control);
        const QPoint left = target->mapTo(window, QPoint(0, target->height() / 2));
        const auto at = [&](int dx) { return image.pixel(left.x() + dx, left.y()) & 0xFFFFFF; };
        EXPECT_EQ(at(-1), at(-2)) << "inner band";
        EXPECT_EQ(at(-3), at(-4)) << "outer band";
        EXPECT_GE(Contrast(at(-1), at(6)), 3) << "against the control";
        EXPECT_GE(Contrast(at(-4), at(-6)), 3) << "against its surroundings";
    }
}

}  // namespace
}  // namespace ui::test
