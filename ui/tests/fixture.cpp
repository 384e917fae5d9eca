// SPDX-License-Identifier: GPL-3.0-or-later
// The widget tests' main (one QApplication for the whole run) and their shared fixture.
#include "ui/tests/fixture.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <memory>

#include "ui/look.h"
#include "ui/screens.h"

namespace ui::test {
namespace {

std::unique_ptr<Program> current;

class KeepingPrinter : public WindowPrinter {
    bool printPage(const Page& page) override {
        QStringList selected;
        for (const QWidget* window : QApplication::topLevelWidgets())
            for (const QLineEdit* box : window->findChildren<QLineEdit*>())
                if (box->hasSelectedText()) selected << box->objectName();
        const QWidget* focus = QApplication::focusWidget();
        UiTest::Prints().push_back({page, focus ? focus->objectName() : QString(), selected});
        return true;
    }
};

// "Form2.Name" or "Name" of the step's window: the window and the control's name.
std::pair<QByteArray, QByteArray> Named(const char* window, const QString& name) {
    return {(name.contains('.') ? name.section('.', 0, 0) : window).toLatin1(),
            name.section('.', -1).toLatin1()};
}

}  // namespace

void UiTest::SetUp() {
    Prints().clear();
    Warnings().clear();
    setWindowPrinter(std::make_unique<KeepingPrinter>());
    Restart();
    // Ready as a user finds it: the menu on screen and the mortar window built behind it.
    ASSERT_TRUE(QTest::qWaitFor([] { return Window("Form3") != nullptr; }));
    answer_ = nullptr;
    watchdog_.callOnTimeout([this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && answer_) return answer_(modal);
        if (modal)
            ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
        if (modal) modal->close();
    });
    watchdog_.start(50);
}

void UiTest::TearDown() {
    watchdog_.stop();
    current.reset();
    setWindowPrinter(nullptr);
    Settle();
    EXPECT_EQ(Warnings().join('\n').toStdString(), "");
}

void UiTest::Restart() {
    current.reset();
    Settle();
    current = std::make_unique<Program>();
    current->Start();
}

QWidget* UiTest::Control(const char* window, const char* name) {
    EXPECT_NE(Window(window), nullptr) << window << " is absent";
    return Window(window) ? FindControl(Window(window), name) : nullptr;
}

void UiTest::Click(const char* window, const char* button) {
    auto* target = qobject_cast<QAbstractButton*>(Control(window, button));
    ASSERT_TRUE(target && target->isVisible()) << window << "." << button << " is not shown";
    QTest::mouseClick(target, Qt::LeftButton);
}

void UiTest::Type(const char* window, const char* box, const QString& text) {
    auto* target = qobject_cast<QLineEdit*>(Control(window, box));
    target->setFocus();
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, text);
}

void UiTest::Prices(const std::array<const char*, 4>& prices) {
    const char* const boxes[] = {"TxtPrixCiment", "TxtPrixSable", "TxtPrixGravier",
                                 "TxtPrixTransport"};
    for (int i = 0; i < 4; ++i) Type("Form2", boxes[i], QString::fromUtf8(prices[i]));
}

void UiTest::Calculate(const char* window, const std::array<const char*, 3>& inputs) {
    const bool mortar = QLatin1String(window) == "Form3";
    const char* const concrete[] = {"TxtDosage", "TxtVolume", "TxtContenance"};
    const char* const boxes[] = {"TxtDosage2", "TxtVolMortier", "TxtContenance2"};
    for (int i = 0; i < 3; ++i)
        Type(window, (mortar ? boxes : concrete)[i], QString::fromUtf8(inputs[i]));
    Click(window, mortar ? "CmdCalcul2" : "CmdCalcul");
}

void UiTest::Play(const char* window, std::initializer_list<Step> steps) {
    for (const Step& step : steps) {
        SCOPED_TRACE(step.first);
        for (const QString& word : QString::fromUtf8(step.first).split(' ', Qt::SkipEmptyParts)) {
            if (word.startsWith('*')) {  // the user brings a window to the front
                Window(word.mid(1).toLatin1())->activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(Window(word.mid(1).toLatin1())));
                continue;
            }
            const auto [win, control] = Named(window, word.section('=', 0, 0));
            if (word.contains('='))
                Type(win, control, word.section('=', 1).replace('_', ' '));
            else
                Click(win, control);
        }
        for (const QString& word : QString::fromUtf8(step.second).split(' ', Qt::SkipEmptyParts)) {
            const bool sign = word.startsWith('+') || word.startsWith('-');
            const QString value = word.section(QRegularExpression("[=#]"), 1).replace('_', ' ');
            const QString named = word.mid(sign).section(QRegularExpression("[=#]"), 0, 0);
            if (word.startsWith('*')) {  // the window in front, which has the keyboard
                EXPECT_TRUE(QTest::qWaitForWindowActive(Window(word.mid(1).toLatin1()), 200))
                    << qPrintable(word);
                continue;
            }
            if (sign && named.startsWith("Form") && !named.contains('.')) {  // a window
                const QWidget* shown = Window(named.toLatin1());
                EXPECT_EQ(shown && shown->isVisible(), word[0] == '+') << qPrintable(word);
                continue;
            }
            const auto [win, name] = Named(window, named);
            QWidget* control = Control(win, name);
            const auto* box = qobject_cast<QLineEdit*>(control);
            if (sign)
                EXPECT_EQ(control->isVisibleTo(Window(win)), word[0] == '+') << qPrintable(word);
            else if (word.contains('#'))
                EXPECT_EQ(Foreground(control), QColor('#' + value)) << qPrintable(word);
            else
                EXPECT_EQ(box ? box->text() : qobject_cast<QLabel*>(control)->text(),
                          box ? Local(value) : value)
                    << qPrintable(word);
        }
    }
}

void UiTest::Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QString UiTest::Local(const QString& frenchText) {
    // From the locale the test runs under, not from the program: a French user reads a comma.
    const bool french = qEnvironmentVariable("LANG").startsWith("fr");
    return french ? frenchText : QString(frenchText).replace(',', '.');
}

QWidget* ProgramWindow(const QString& name) {
    return current ? current->Window(name) : nullptr;
}

double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace ui::test

int main(int argc, char* argv[]) {
    // Test discovery runs without the tests' environment: headless there too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KARVO_SCREEN_CONFIG);
    QApplication app(argc, argv);
    ui::InitApplication();
    // The offscreen platform cannot raise a window nor pass on a dialog's size hints, and says
    // so: nothing the program does.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg &&
            !message.startsWith("This plugin does not support"))
            ui::test::UiTest::Warnings() << message;
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
