// The widget tests' main (one QApplication for the whole run) and their shared fixture.
#include "ui/tests/fixture.h"

#include <QApplication>
#include <QTest>

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form_aide_beton.h"
#include "ui/form_aide_menu.h"
#include "ui/form_aide_mortier.h"
#include "ui/look.h"
#include "ui/program.h"

namespace ui::test {

void UiTest::SetUp() {
    StartProgram();
    // Ready as a user finds it: the menu on screen and the mortar window built behind it.
    for (int i = 0; i < 10 && !Windows().form3; ++i) QCoreApplication::processEvents();
    ASSERT_TRUE(QTest::qWaitFor([] { return !Windows().form3.isNull(); }))
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
    DestroyWindows();
    Settle();
}

QWidget* UiTest::Window(const char* name) {
    return ProgramWindow(QLatin1String(name));
}

QWidget* UiTest::Control(const char* window, const char* name) {
    QWidget* parent = Window(window);
    EXPECT_NE(parent, nullptr) << window << " is absent";
    QWidget* control = parent ? Child<QWidget>(parent, name) : nullptr;
    EXPECT_NE(control, nullptr) << window << "." << name << " not found";
    return control;
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
    const Forms& forms = Windows();
    QWidget* const all[] = {forms.form1,    forms.form2,     forms.form3,
                            forms.aideMenu, forms.aideBeton, forms.aideMortier};
    for (QWidget* window : all)
        if (window && window->objectName() == name) return window;
    return nullptr;
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
    ui::InitApplicationLook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
