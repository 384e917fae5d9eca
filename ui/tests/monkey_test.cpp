// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random user on whatever is shown: clicks, typed and pasted texts, key presses, window
// moves and closes, checking after each action what a user relies on. KARVO_MONKEY_SEED replays
// a run (every failure names its seed), KARVO_MONKEY_ACTIONS changes its length.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "ui/form1.h"
#include "ui/tests/fixture.h"
#include "ui/tests/monkey_model.h"
#include "ui/tests/monkey_texts.h"
#include "ui/window_printer.h"

namespace ui::test {
namespace {

constexpr quint64 kDefaultSeed = 2718281828;
constexpr quint64 kDefaultActions = 20000;

constexpr const char* kWindowNames[] = {"Form1",        "Form2",         "Form3",
                                        "FormAideMenu", "FormAideBeton", "FormAideMortier"};
const Calculator* const kCalculators[] = {&kConcrete, &kMortar};

struct Action {
    enum Kind { Click, Type, Paste, Key, Move, Close } kind = Click;
    QPointer<QWidget> window;
    QPointer<QWidget> target;  // the button or the box
    QString text;
    bool replace = false;
    QKeyCombination key;
    QPoint position;
};

std::string Describe(const Action& action) {
    static const char* const kinds[] = {"click", "type", "paste", "key", "move", "close"};
    std::string text = kinds[action.kind] + (" " + action.window->objectName().toStdString());
    if (action.target) text += "." + action.target->objectName().toStdString();
    if (action.kind == Action::Type || action.kind == Action::Paste)
        text += (action.replace ? " replacing with \"" : " adding \"") +
                action.text.left(40).toStdString() + "\" (" + std::to_string(action.text.size()) +
                " chars)";
    if (action.kind == Action::Key) text += " " + QKeySequence(action.key).toString().toStdString();
    return text;
}

// Keys a user presses in a box besides typing.
const QKeyCombination kEditKeys[] = {
    Qt::Key_Backspace,    Qt::Key_Delete,       Qt::Key_Home,
    Qt::Key_End,          Qt::Key_Left,         Qt::CTRL | Qt::Key_Z,
    Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_X,
};

// Types as a keyboard would: plain keys for ASCII, text-only key events for the rest.
void TypeText(QLineEdit* box, const QString& text) {
    for (const uint codePoint : text.toUcs4()) {
        const QString character = QStringView(QChar::fromUcs4(codePoint)).toString();
        if (codePoint >= 0x20 && codePoint < 0x7F)
            QTest::keyClicks(box, character);
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

// Checks each image as it arrives, while its window has its print look, and keeps nothing.
class CapturingPrinter : public WindowPrinter {
  public:
    explicit CapturingPrinter(std::function<void(const QImage&)> check)
        : check_(std::move(check)) {}
    bool printPage(const Page& page) override {
        check_(page.image);
        return true;
    }

  private:
    std::function<void(const QImage&)> check_;
};

quint64 EnvironmentNumber(const char* name, quint64 fallback) {
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

template <class T>
std::vector<T*> ShownChildren(const QWidget* window) {
    std::vector<T*> shown;
    for (T* child : window->findChildren<T*>())
        if (child->isVisible()) shown.push_back(child);
    return shown;
}

// How often a button is pressed against the others: "CALCULS" and "OK" often, as a user does, the
// buttons that empty or leave a window seldom enough for results to stay a while. Never the
// menu's "QUITTER", which ends the program.
int Presses(const QAbstractButton* button) {
    const QString name = button->objectName();
    if (name == "CmdQuitter") return 0;
    if (name.startsWith("CmdCalcul") || name == "CmdOk") return 8;
    if (name.startsWith("CmdEffacer") || name.startsWith("OptDose") || name.startsWith("CmdRetour"))
        return 1;
    return 2;
}

bool InArea(const Calculator& calculator, const QWidget* control) {
    for (const ControlDef* row : RowsWith(calculator.screen(), ResultArea))
        if (control->objectName() == QLatin1String(row->name)) return true;
    return false;
}

// What the monkey knows of a calculator's result area.
struct Knowledge {
    bool shown = false;       // after the previous action
    bool calculated = false;  // shown by "CALCULS" and not hidden since
    bool retyped = false;     // a result box was edited since
    bool transport = false;   // the transport price was not zero at that "CALCULS"
    QStringList inputs;       // the inputs, prices and range at that "CALCULS"
    int calculations = 0;     // presses of "CALCULS" that showed results
    int checks = 0;           // times the shown results were compared with a fresh calculation
};

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot raise a window, and says so at each of thousands of "INFOS".
void QuietAboutRaise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("does not support raise()")))
        previousHandler(type, context, message);
}

void Remember(const Calculator& calculator, Knowledge& knowledge) {
    knowledge.calculated = true;
    knowledge.retyped = false;
    knowledge.transport = TransportPaid();
    knowledge.inputs = InputsOf(calculator);
    ++knowledge.calculations;
}

class MonkeyTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        previousHandler = qInstallMessageHandler(QuietAboutRaise);
        setWindowPrinter(
            std::make_unique<CapturingPrinter>([this](const QImage& image) { CheckPrint(image); }));
        for (int i = 0; i < 2; ++i) knowledge_[i].shown = ShownCount(*kCalculators[i]) > 0;
    }
    void TearDown() override {
        setWindowPrinter(nullptr);
        qInstallMessageHandler(previousHandler);
        UiTest::TearDown();
    }

    void Run(quint64 seed, quint64 actions);

  private:
    std::string Where() const { return "after action " + std::to_string(step_) + ", " + last_; }
    Action Plan();
    void PlanEdit(Action& action);
    void Perform(const Action& action);
    static int ShownCount(const Calculator& calculator);
    void CheckPrint(const QImage& image);
    void CheckWindows();
    void CheckNote();
    bool CheckArea(const Calculator& calculator, Knowledge& knowledge,
                   std::optional<bool> acceptable);
    void CheckCalculator(const Calculator& calculator, Knowledge& knowledge, const Action& action,
                         std::optional<bool> acceptable);

    Random random_;
    quint64 step_ = 0;
    std::string last_ = "start-up";
    QPointer<QWidget> printing_;
    int prints_ = 0;
    Knowledge knowledge_[2];
};

Action MonkeyTest::Plan() {
    std::vector<QWidget*> windows;
    for (const char* name : kWindowNames)
        if (QWidget* window = ProgramWindow(name); window && window->isVisible())
            windows.push_back(window);
    Action action;
    action.window = windows[size_t(Pick(random_, int(windows.size())))];
    const int roll = Pick(random_, 100);
    const bool menu = action.window->objectName() == "Form2";
    if (roll < 2) {
        action.kind = Action::Move;
        action.position = {Pick(random_, 1500) - 200, Pick(random_, 1200) - 200};
    } else if (roll < 4 && !menu) {
        action.kind = Action::Close;
    } else if (roll >= 50 && !ShownChildren<QLineEdit>(action.window).empty()) {
        PlanEdit(action);
    } else {
        std::vector<QAbstractButton*> buttons;
        for (QAbstractButton* button : ShownChildren<QAbstractButton>(action.window))
            buttons.insert(buttons.end(), size_t(Presses(button)), button);
        action.target = buttons[size_t(Pick(random_, int(buttons.size())))];
    }
    return action;
}

void MonkeyTest::PlanEdit(Action& action) {
    std::vector<QLineEdit*> boxes = ShownChildren<QLineEdit>(action.window);
    // Mostly the inputs, which are far fewer than the result boxes.
    if (Pick(random_, 10) < 7)
        std::erase_if(boxes, [](const QLineEdit* box) {
            return InArea(kConcrete, box) || InArea(kMortar, box);
        });
    if (boxes.empty()) boxes = ShownChildren<QLineEdit>(action.window);
    action.target = boxes[size_t(Pick(random_, int(boxes.size())))];
    action.replace = Pick(random_, 4) > 0;
    const int roll = Pick(random_, 100);
    if (roll < 15) {
        action.kind = Action::Key;
        action.key = kEditKeys[Pick(random_, int(std::size(kEditKeys)))];
    } else if (roll < 20) {
        action.kind = Action::Paste;
        action.text = Pick(random_, 2) ? HugeText(random_) : Junk(random_);
    } else {
        action.kind = Action::Type;
        action.text = TextFor(random_, action.target->objectName(), SelectedMortarRange());
    }
}

void MonkeyTest::Perform(const Action& action) {
    auto* box = qobject_cast<QLineEdit*>(action.target);
    if (box) {
        box->setFocus();
        if (action.replace && action.kind != Action::Key) box->selectAll();
    }
    switch (action.kind) {
        case Action::Click:
            printing_ = action.window;
            QTest::mouseClick(qobject_cast<QAbstractButton*>(action.target), Qt::LeftButton);
            printing_ = nullptr;
            break;
        case Action::Type:
            if (action.replace) QTest::keyClick(box, Qt::Key_Delete);
            TypeText(box, action.text);
            break;
        case Action::Paste:
            QGuiApplication::clipboard()->setText(action.text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        case Action::Key:
            QTest::keyClick(box, action.key.key(), action.key.keyboardModifiers());
            break;
        case Action::Move:
            action.window->move(action.position);
            break;
        case Action::Close:
            action.window->close();
            break;
    }
}

int MonkeyTest::ShownCount(const Calculator& calculator) {
    const QWidget* window = ProgramWindow(calculator.window);
    int shown = 0;
    for (const ControlDef* row : RowsWith(calculator.screen(), ResultArea))
        if (row->name != std::string_view(calculator.transportLabel))
            shown += window->findChild<QWidget*>(row->name)->isVisibleTo(window);
    return shown;
}

void MonkeyTest::CheckPrint(const QImage& image) {
    ++prints_;
    ASSERT_TRUE(printing_) << Where() << ": printed without a print button pressed";
    EXPECT_EQ(image.size(), printing_->size()) << Where();
    if (printing_->objectName() == "Form1") {
        EXPECT_TRUE(printing_->findChild<QWidget*>("CmdQuitterInfo")->isHidden())
            << Where() << ": the note's QUITTER is printed";
    }
}

void MonkeyTest::CheckWindows() {
    for (const char* name : kWindowNames) {
        int instances = 0;
        for (const QWidget* window : QApplication::topLevelWidgets())
            instances += window->objectName() == QLatin1String(name);
        const QWidget* window = ProgramWindow(name);
        const bool help = std::string_view(name).starts_with("FormAide");
        EXPECT_EQ(instances, help ? int(window != nullptr) : 1) << Where() << ": " << name;
        if (help && window) {
            EXPECT_TRUE(window->isVisible()) << Where() << ": hidden " << name;
        }
    }
    EXPECT_TRUE(ProgramWindow("Form2")->isVisible()) << Where() << ": the menu is hidden";
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !ProgramWindow(window->objectName()))
            ADD_FAILURE() << Where() << ": unexpected window "
                          << window->windowTitle().toStdString();
}

void MonkeyTest::CheckNote() {
    const QWidget* form1 = ProgramWindow("Form1");
    const bool shown = form1->findChild<QWidget*>("CmdQuitterInfo")->isVisibleTo(form1);
    EXPECT_EQ(qobject_cast<const Form1*>(form1)->InfoNoteShown, shown ? 1 : 0) << Where();
    EXPECT_EQ(form1->findChild<QWidget*>("LblInfo")->isVisibleTo(form1), shown) << Where();
}

bool MonkeyTest::CheckArea(const Calculator& calculator, Knowledge& knowledge,
                           std::optional<bool> acceptable) {
    const int count = ShownCount(calculator);
    const int all = int(RowsWith(calculator.screen(), ResultArea).size()) - 1;
    const bool shown = count == all;
    EXPECT_TRUE(count == 0 || shown) << Where() << ": " << calculator.window << " shows " << count
                                     << " of its " << all << " result controls";
    if (acceptable)
        EXPECT_EQ(shown, *acceptable) << Where() << ": results shown after CALCULS";
    else
        EXPECT_FALSE(shown && !knowledge.shown) << Where() << ": results shown without CALCULS";
    knowledge.shown = shown;
    return shown;
}

void MonkeyTest::CheckCalculator(const Calculator& calculator, Knowledge& knowledge,
                                 const Action& action, std::optional<bool> acceptable) {
    const bool shown = CheckArea(calculator, knowledge, acceptable);
    const QWidget* window = ProgramWindow(calculator.window);
    const bool transport =
        window->findChild<QWidget*>(calculator.transportLabel)->isVisibleTo(window);
    if (!shown) {
        EXPECT_FALSE(transport) << Where() << ": " << calculator.transportLabel
                                << " without results";
        knowledge.calculated = false;
        return;
    }
    for (const char* label : calculator.errorLabels)
        EXPECT_FALSE(window->findChild<QWidget*>(label)->isVisibleTo(window))
            << Where() << ": " << label << " shown beside the results";
    if (acceptable)
        Remember(calculator, knowledge);
    else if (action.kind != Action::Click && action.target && InArea(calculator, action.target))
        knowledge.retyped = true;
    if (!knowledge.calculated) return;
    EXPECT_EQ(transport, knowledge.transport) << Where() << ": " << calculator.transportLabel;
    if (knowledge.retyped || InputsOf(calculator) != knowledge.inputs) return;
    ++knowledge.checks;
    for (const std::string& stale : StaleResults(calculator))
        ADD_FAILURE() << Where() << ": " << stale;
}

void MonkeyTest::Run(quint64 seed, quint64 actions) {
    random_.seed(seed);
    for (step_ = 1; step_ <= actions && !HasFailure(); ++step_) {
        const Action action = Plan();
        last_ = Describe(action);
        std::optional<bool> acceptable[2];
        for (int i = 0; i < 2; ++i)
            if (action.kind == Action::Click &&
                action.target->objectName() == kCalculators[i]->calcButton)
                acceptable[i] = Acceptable(*kCalculators[i]);
        Perform(action);
        Settle();
        CheckWindows();
        CheckNote();
        for (int i = 0; i < 2; ++i)
            CheckCalculator(*kCalculators[i], knowledge_[i], action, acceptable[i]);
    }
    for (int i = 0; i < 2; ++i)
        std::cout << "[ monkey   ] " << kCalculators[i]->window << ": "
                  << knowledge_[i].calculations << " calculations, results checked "
                  << knowledge_[i].checks << " times\n";
    std::cout << "[ monkey   ] " << step_ - 1 << " actions, " << prints_ << " prints\n";
    if (HasFailure()) return;
    // The checks of fresh results and of printing really ran.
    EXPECT_GT(knowledge_[0].checks, int(actions / 500));
    EXPECT_GT(knowledge_[1].checks, int(actions / 500));
    EXPECT_GT(prints_, int(actions / 1000));
}

TEST_F(MonkeyTest, EveryActionKeepsWhatTheUserReliesOn) {
    const quint64 seed = EnvironmentNumber("KARVO_MONKEY_SEED", kDefaultSeed);
    SCOPED_TRACE("replay with KARVO_MONKEY_SEED=" + std::to_string(seed));
    Run(seed, EnvironmentNumber("KARVO_MONKEY_ACTIONS", kDefaultActions));
}

}  // namespace
}  // namespace ui::test
