// SPDX-License-Identifier: GPL-3.0-or-later
// The widget tests' main (one QApplication for the whole run) and their shared fixture.
#include "ui/tests/fixture.h"

#include <QApplication>
#include <QTest>

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/look.h"
#include "ui/program.h"

namespace ui::test {
namespace {

std::unique_ptr<Program>& Current() {
    static std::unique_ptr<Program> program;
    return program;
}

}  // namespace

void UiTest::SetUp() {
    Restart();
    // Ready as a user finds it: the menu on screen and the mortar window built behind it.
    ASSERT_TRUE(QTest::qWaitFor([] { return Window("Form3") != nullptr; }))
        << "the mortar window was not built after the menu was shown";
    watchdog_.setInterval(100);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    watchdog_.start();
}

void UiTest::TearDown() {
    watchdog_.stop();
    Current().reset();
    Settle();
}

void UiTest::Restart() {
    Current().reset();
    Settle();
    Current() = std::make_unique<Program>();
    Current()->Start();
}

Program& TheProgram() {
    return *Current();
}

QWidget* UiTest::Window(const char* name) {
    return ProgramWindow(QLatin1String(name));
}

Form1* UiTest::Concrete() {
    return qobject_cast<Form1*>(Window("Form1"));
}

Form2* UiTest::Menu() {
    return qobject_cast<Form2*>(Window("Form2"));
}

QWidget* UiTest::Control(const char* window, const char* name) {
    QWidget* parent = Window(window);
    EXPECT_NE(parent, nullptr) << window << " is absent";
    return parent ? FindControl(parent, name) : nullptr;
}

QLineEdit* UiTest::Box(const char* window, const char* name) {
    return qobject_cast<QLineEdit*>(Control(window, name));
}

QLabel* UiTest::Label(const char* window, const char* name) {
    return qobject_cast<QLabel*>(Control(window, name));
}

void UiTest::Click(const char* window, const char* button) {
    auto* target = qobject_cast<QAbstractButton*>(Control(window, button));
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(Shown(target)) << window << "." << button << " is not shown";
    QTest::mouseClick(target, Qt::LeftButton);
}

void UiTest::Type(const char* window, const char* box, const QString& text) {
    QLineEdit* target = Box(window, box);
    ASSERT_NE(target, nullptr);
    target->setFocus();
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, text);
}

void UiTest::Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QWidget* ProgramWindow(const QString& name) {
    return Current() ? Current()->Window(name) : nullptr;
}

bool Shown(const QWidget* widget) {
    return widget && widget->isVisible();
}

}  // namespace ui::test

int main(int argc, char* argv[]) {
    // Test discovery runs without the tests' environment: headless there too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KARVO_SCREEN_CONFIG);
    QApplication app(argc, argv);
    ui::InitApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
