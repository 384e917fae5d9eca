// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random user on whatever is shown: clicks, typed and pasted texts, editing keys, window
// moves and closes; after each action, what a user relies on, read from the window tables: one
// instance of each window, the note and its button together, a result area shown whole or not at
// all, never beside a refusal nor beside inputs changed since "CALCULS"; "CALCULS" accepting just
// what the bounds a user reads accept, and showing the texts of a fresh calculation.
// KARVO_MONKEY_SEED replays a run, KARVO_MONKEY_ACTIONS changes its length.
#include <QApplication>
#include <QClipboard>
#include <QMap>
#include <QRandomGenerator>
#include <QTest>
#include <cstdio>
#include <optional>
#include <type_traits>

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
    for (const WindowId id : AllWindows())
        if (QWidget* window = ProgramWindow(ScreenOf(id)->name); window && window->isVisible()) windows << window;
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
    const char* transport;    // the label shown only when transport is paid
    QStringList typed;        // the inputs and the menu's prices before the action
    int range = 0;            // the selected mortar range before the action
    QStringList inputs;       // at the "CALCULS" that showed the results
    bool shown = false;
    int calculations = 0;     // results shown by "CALCULS"
};

QStringList Texts(const QWidget* window, const WindowDef& def, RowFlag flag) {
    QStringList texts;
    for (const ControlDef* row : RowsWith(def, flag))
        if (flag != ResultArea || !std::holds_alternative<std::monostate>(row->field)) texts << Find<QLineEdit>(window, row->name)->text();
    return texts;
}

// The inputs typed and the prices, then the selected range, as the user left them.
void Remember(Calculator& c) {
    c.typed = Texts(ProgramWindow(c.window), c.screen(), Input) + Texts(ProgramWindow("Form2"), Form2Screen(), Input);
    for (int i = 0; i < 4; ++i)
        if (Find<QAbstractButton>(ProgramWindow("Form3"), QStringLiteral("OptDose%1").arg(i + 1).toLatin1())->isChecked()) c.range = i;
}

// The results of a fresh calculation of what was typed, as the test writes them; none when the
// bounds a user reads in the windows refuse an input or a price.
template <class Mix>
std::optional<QStringList> Expected(const Calculator& c) {
    constexpr double kBounds[][2] = {{150, 400}, {0.1, 100000}, {0.1, 10000}, {0, 800000}, {0, 9000000}, {0, 9000000}, {0, 9000000}};
    constexpr double kRanges[][2] = {{300, 350}, {400, 450}, {550, 600}, {700, 900}};
    std::array<double, 7> v{};
    for (int i = 0; i < 7; ++i) {
        const std::string typed = c.typed[i].toStdString();
        v[i] = i < 3 || typed.find_first_not_of(" ") != typed.npos ? calc::TypedNumber(typed).value_or(i < 3 ? 0 : -1) : 0;
        const auto [lower, upper] = i == 0 && std::is_same_v<Mix, calc::MortarMix> ? kRanges[c.range] : kBounds[i];
        if (!(lower <= v[i] && v[i] <= upper)) return std::nullopt;
    }
    const calc::MaterialPrices prices{v[3], v[4], v[5], v[6]};
    Mix mix;
    if constexpr (std::is_same_v<Mix, calc::MortarMix>) mix = std::get<Mix>(calc::CalculMortier(v[0], v[1], v[2], calc::kDosageRanges[c.range], prices));
    else mix = std::get<Mix>(calc::CalculBeton(v[0], v[1], v[2], prices));
    QStringList texts;
    for (const ControlDef* row : RowsWith(c.screen(), ResultArea))
        if (const auto* field = std::get_if<double Mix::*>(&row->field))
            texts << QString::fromStdString(calc::FormatNumber(mix.**field, calc::Pattern(*field), qEnvironmentVariable("LANG").startsWith("fr") ? ',' : '.'));
    return texts;
}

template <class Mix>
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
    if (!calculated) return;
    const std::optional<QStringList> expected = Expected<Mix>(c);
    EXPECT_EQ(bool(shown), expected.has_value()) << c.window << " " << c.typed.join('|').toStdString();
    if (shown && expected) {
        EXPECT_EQ(Texts(window, c.screen(), ResultArea), *expected) << c.window << " " << c.typed.join('|').toStdString();
    }
    c.inputs = inputs;
    c.calculations += bool(shown);
}

TEST_F(UiTest, AMonkeyKeepsWhatTheUserReliesOn) {
    const quint64 seed = qEnvironmentVariable("KARVO_MONKEY_SEED", "2718281828").toULongLong();
    const int actions = qEnvironmentVariable("KARVO_MONKEY_ACTIONS", "10000").toInt();
    SCOPED_TRACE("replay with KARVO_MONKEY_SEED=" + std::to_string(seed));
    QRandomGenerator random(seed);
    Calculator concrete{"Form1", Form1Screen, "Label29", {}, 0, {}}, mortar{"Form3", Form3Screen, "Lab13", {}, 0, {}};
    int presses[2] = {0, 0};
    QObject::connect(Find<QAbstractButton>(Window("Form1"), "CmdCalcul"), &QAbstractButton::clicked, [&presses] { ++presses[0]; });
    QObject::connect(Find<QAbstractButton>(Window("Form3"), "CmdCalcul2"), &QAbstractButton::clicked, [&presses] { ++presses[1]; });
    for (int step = 1; step <= actions && !HasFailure(); ++step) {
        SCOPED_TRACE("after action " + std::to_string(step));
        presses[0] = presses[1] = 0;
        Remember(concrete), Remember(mortar);
        Act(random);
        Settle();
        QMap<QString, int> instances;  // of each window, hidden or not
        for (const QWidget* window : QApplication::topLevelWidgets()) instances[window->objectName()] += window->objectName().startsWith("Form");
        for (const WindowId id : AllWindows()) {  // a help window lives from its "INFOS" to its close, the others until the exit
            const char* name = ScreenOf(id)->name;
            ASSERT_EQ(instances[name], QByteArray(name).startsWith("FormAide") ? Window(name) != nullptr : 1) << name;
        }
        EXPECT_TRUE(Window("Form2")->isVisible());
        EXPECT_EQ(Shown("Form1", "LblInfo"), Shown("Form1", "CmdQuitterInfo"));
        Check<calc::ConcreteMix>(concrete, presses[0] > 0);
        Check<calc::MortarMix>(mortar, presses[1] > 0);
    }
    for (const Calculator& c : {concrete, mortar}) {
        std::printf("[ monkey   ] %s: %d calculations\n", c.window, c.calculations);
        EXPECT_GT(c.calculations, actions / 400) << c.window;  // the checks really ran
    }
}
// clang-format on

}  // namespace
}  // namespace ui::test
