// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random user on whatever is shown: clicks, typed and pasted texts, editing keys, window
// moves and closes; after each action, what a user relies on, read from the window tables: one
// instance of each window, the note and its flag together, a result area shown whole or not at
// all, never beside a refusal nor beside inputs changed since "CALCULS", and the same texts for
// the same inputs. KARVO_MONKEY_SEED replays a run, KARVO_MONKEY_ACTIONS changes its length.
#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>
#include <cstdio>
#include <map>

#include "ui/form1.h"
#include "ui/screens.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

// clang-format off
// What a user types: mostly plausible numbers for the box, bounds, a little of everything else.
QString TextFor(QRandomGenerator& random, const QString& box) {
    static const std::pair<const char*, QStringList> texts[] = {
        {"TxtDosage2", {"325", "300", "350", "425", "575", "800", "900", "375", "1"}},
        {"TxtDosage", {"350", "200", "150", "400", "120", "401", "350,5"}},
        {"TxtVol", {"1000", "100", "0,1", "100000", "100001", "50", "2400", "0"}},
        {"TxtContenance", {"150", "100", "0,1", "10000", "10000,1", "120"}},
        {"TxtPrix", {"7,25", "40", "", "0", "60", "-1", "9000000", "800000,5", "12 EUR"}},
        {"", {"abc", "", " 3 5 0 ", "1e999", "&H1F", "1e3", "-0", "42"}}};
    // Often a dosage within the range that the mortar window's caption names, as users do.
    const QStringList range = Find<QLabel>(ProgramWindow("Form3"), "LblPlageDosage")->text().split(' ');
    if (box == "TxtDosage2" && range.size() > 3 && random.bounded(2)) return range[1 + 2 * random.bounded(2)];
    for (const auto& [prefix, choices] : texts)
        if (box.startsWith(QLatin1String(prefix))) return choices[random.bounded(int(choices.size()))];
    return {};
}

// How often a user presses a button: "CALCULS" and "OK" often, what empties the inputs seldom,
// never the menu's "QUITTER", which would end the program.
int Weight(const QString& name) {
    if (name == "CmdQuitter") return 0;
    if (name.startsWith("CmdCalcul") || name == "CmdOk") return 8;
    return name.contains("Effacer") || name.startsWith("OptDose") || name.startsWith("CmdRetour") ? 1 : 2;
}

void Act(QRandomGenerator& random) {
    QList<QWidget*> windows, targets;
    for (const char* name : {"Form1", "Form2", "Form3", "FormAideMenu", "FormAideBeton", "FormAideMortier"})
        if (QWidget* window = ProgramWindow(name); window && window->isVisible()) windows << window;
    QWidget* window = windows[random.bounded(int(windows.size()))];
    const bool edit = random.bounded(2);
    const int roll = random.bounded(100);
    for (QWidget* control : window->findChildren<QWidget*>())
        for (int i = control->isVisible() ? (edit ? qobject_cast<QLineEdit*>(control) != nullptr : qobject_cast<QAbstractButton*>(control) ? Weight(control->objectName()) : 0) : 0; i > 0; --i)
            targets << control;
    if (roll < 2) return window->move(random.bounded(1400) - 200, random.bounded(1100) - 200);
    if (roll < 4 && window->objectName() != "Form2") return void(window->close());
    if (targets.isEmpty()) return;
    QWidget* target = targets[random.bounded(int(targets.size()))];
    auto* box = qobject_cast<QLineEdit*>(target);
    if (!box) return QTest::mouseClick(qobject_cast<QAbstractButton*>(target), Qt::LeftButton);
    box->setFocus();
    const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Z, Qt::Key_X, Qt::Key_V};
    if (roll < 20) return QTest::keyClick(box, keys[random.bounded(8)], roll < 10 ? Qt::ControlModifier : Qt::NoModifier);
    if (random.bounded(10)) box->selectAll();
    if (roll >= 25) return QTest::keyClicks(box, TextFor(random, box->objectName()));
    QGuiApplication::clipboard()->setText(QString(random.bounded(3000), '9'));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// What the monkey remembers of a calculator between actions.
struct Calculator {
    const char* window;
    const WindowDef& (*screen)();
    const char* transport, *range;  // the label shown only when transport is paid, the range caption
    std::map<QStringList, QStringList> seen;  // inputs, prices and range -> result texts
    QStringList inputs;                       // at the "CALCULS" that showed the results
    bool shown = false;
    int calculations = 0, repeats = 0;  // results shown by "CALCULS", of inputs seen before
};

QStringList Texts(const QWidget* window, const WindowDef& def, unsigned flag) {
    QStringList texts;
    for (const ControlDef* row : RowsWith(def, flag))
        if (flag != ResultArea || !std::holds_alternative<std::monostate>(row->field)) texts << Find<QLineEdit>(window, row->name)->text();
    return texts;
}

void Check(Calculator& c, bool calculated) {
    const QWidget* window = ProgramWindow(c.window);
    int shown = 0, all = 0;
    for (const ControlDef* row : RowsWith(c.screen(), ResultArea))
        if (row->name != std::string_view(c.transport)) ++all, shown += FindControl(window, row->name)->isVisibleTo(window);
    ASSERT_TRUE(shown == 0 || shown == all) << c.window << " shows " << shown << " of its " << all << " results";
    EXPECT_TRUE(shown || !FindControl(window, c.transport)->isVisibleTo(window)) << c.transport;
    const QStringList inputs = Texts(window, c.screen(), Input);
    ASSERT_TRUE(!shown || c.shown || calculated) << c.window << " shows results without CALCULS";
    EXPECT_TRUE(!shown || calculated || inputs == c.inputs) << c.window << " shows results beside changed inputs";
    for (const ControlDef* refusal : RowsWith(c.screen(), Alert))
        EXPECT_FALSE(shown && FindControl(window, refusal->name)->isVisibleTo(window)) << refusal->name;
    c.shown = shown;
    if (!shown || !calculated) return;
    const QStringList key = inputs + Texts(ProgramWindow("Form2"), Form2Screen(), Input) << Find<QLabel>(window, c.range)->text();
    const auto [known, fresh] = c.seen.emplace(key, Texts(window, c.screen(), ResultArea));
    EXPECT_EQ(known->second, Texts(window, c.screen(), ResultArea)) << c.window << ": other texts for the same inputs";
    c.inputs = inputs;
    ++c.calculations;
    c.repeats += !fresh;
}

TEST_F(UiTest, AMonkeyKeepsWhatTheUserReliesOn) {
    const quint64 seed = qEnvironmentVariable("KARVO_MONKEY_SEED", "2718281828").toULongLong();
    const int actions = qEnvironmentVariable("KARVO_MONKEY_ACTIONS", "10000").toInt();
    SCOPED_TRACE("replay with KARVO_MONKEY_SEED=" + std::to_string(seed));
    QRandomGenerator random(seed);
    Calculator calculators[] = {{"Form1", Form1Screen, "Label29", "LblPlageDosage1", {}, {}}, {"Form3", Form3Screen, "Lab13", "LblPlageDosage", {}, {}}};
    int presses[2] = {0, 0};
    QObject::connect(Find<QAbstractButton>(Window("Form1"), "CmdCalcul"), &QAbstractButton::clicked, [&presses] { ++presses[0]; });
    QObject::connect(Find<QAbstractButton>(Window("Form3"), "CmdCalcul2"), &QAbstractButton::clicked, [&presses] { ++presses[1]; });
    for (int step = 1; step <= actions && !HasFailure(); ++step) {
        SCOPED_TRACE("after action " + std::to_string(step));
        presses[0] = presses[1] = 0;
        Act(random);
        Settle();
        for (const char* name : {"Form1", "Form2", "Form3"}) ASSERT_NE(Window(name), nullptr);
        EXPECT_TRUE(Window("Form2")->isVisible());
        EXPECT_EQ(qobject_cast<Form1*>(Window("Form1"))->InfoNoteShown == 1, Shown("Form1", "CmdQuitterInfo"));
        EXPECT_EQ(Shown("Form1", "LblInfo"), Shown("Form1", "CmdQuitterInfo"));
        for (int i = 0; i < 2; ++i) Check(calculators[i], presses[i] > 0);
    }
    for (const Calculator& c : calculators) {
        std::printf("[ monkey   ] %s: %d calculations, %d of inputs seen before\n", c.window, c.calculations, c.repeats);
        EXPECT_GT(c.calculations, actions / 400) << c.window;  // the checks really ran
        EXPECT_GT(c.repeats, 0) << c.window;
    }
}
// clang-format on

}  // namespace
}  // namespace ui::test
