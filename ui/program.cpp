// SPDX-License-Identifier: GPL-3.0-or-later
// Program wires the windows' signals: the menu's choices open a calculator or its help, a
// calculator's "RETOUR" brings the menu back, "INFOS" opens the help of the window that asks,
// a calculator gets its prices from the menu, and the exit destroys every window in order.
#include "ui/program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/accessibility.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/help_window.h"
#include "ui/placement.h"

namespace ui {
namespace {

// Runs an action once a window has painted itself for the first time, and never if the window
// is destroyed before.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget* window, std::function<void()> action)
        : QObject(window), action_(std::move(action)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // Queued, so that the painted window reaches the screen first.
            QMetaObject::invokeMethod(watched, action_, Qt::QueuedConnection);
            deleteLater();
            watched->removeEventFilter(this);
        }
        return false;
    }

  private:
    std::function<void()> action_;
};

}  // namespace

void InitApplication() {
    InitApplicationLook();
    // The program speaks French: so do the file dialog and the text boxes' context menus.
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    InstallAccessibility();
}

Program::Program() = default;

Program::~Program() {
    DestroyWindows();
}

void Program::Start() {
    Make(WindowId::Form1);
    Form2* menu = qobject_cast<Form2*>(Make(WindowId::Form2));
    CentreOnScreen(menu, QGuiApplication::primaryScreen());
    menu->show();
    menu->HideStartLabels();
    Window(WindowId::Form1)->hide();
    new AfterFirstPaint(menu, [this] { Make(WindowId::Form3); });
}

QWidget* Program::Make(WindowId id) {
    QPointer<QWidget>& window = windows_[static_cast<int>(id)];
    if (!window) window = Create(id);
    return window;
}

// Each window with what it asks of the others; a help window beside the window it explains.
QWidget* Program::Create(WindowId id) {
    switch (id) {
        case WindowId::Form1:
            return Wire(new Form1(Prices()), WindowId::FormAideBeton);
        case WindowId::Form2:
            return Wire(new Form2);
        case WindowId::Form3:
            return Wire(new Form3(Prices()), WindowId::FormAideMortier);
        case WindowId::FormAideBeton:
            return MakeHelp(id, AideBetonScreen(), WindowId::Form1);
        case WindowId::FormAideMortier:
            return MakeHelp(id, AideMortierScreen(), WindowId::Form3);
        case WindowId::FormAideMenu:
            return MakeHelp(id, AideMenuScreen(), WindowId::Form2);
    }
    return nullptr;
}

// A calculator's "RETOUR" brings the menu back, its "INFOS" opens its own help beside it.
Calculator* Program::Wire(Calculator* calculator, WindowId help) {
    connect(calculator, &Calculator::MenuRequested, this,
            [this, calculator] { BackToMenu(calculator); });
    connect(calculator, &Calculator::HelpRequested, this, [this, help] { Show(help); });
    return calculator;
}

Form2* Program::Wire(Form2* menu) {
    connect(menu, &Form2::ConcreteChosen, this, [this] { Show(WindowId::Form1); });
    connect(menu, &Form2::MortarChosen, this, [this] { Show(WindowId::Form3); });
    connect(menu, &Form2::HelpRequested, this, [this] { Show(WindowId::FormAideMenu); });
    connect(menu, &Form2::PricesEdited, this, [this] {
        for (QWidget* window : windows_)
            if (auto* calculator = qobject_cast<Calculator*>(window))
                calculator->SetResultAreaVisible(false);
    });
    // Queued: the menu is not destroyed under the timer that ends its monogram.
    connect(menu, &Form2::ExitPlayed, this, &Program::End, Qt::QueuedConnection);
    return menu;
}

QWidget* Program::MakeHelp(WindowId help, const HelpScreen& screen, WindowId anchor) {
    auto* window = new HelpWindow(screen, Make(anchor));
    // Forgotten as it closes: "INFOS" pressed before it is gone makes a new one.
    connect(window, &HelpWindow::Closed, this,
            [this, help] { windows_[static_cast<int>(help)] = nullptr; });
    window->Form_Load();
    return window;
}

Form2* Program::Menu() const {
    return qobject_cast<Form2*>(Window(WindowId::Form2));
}

// The menu's checked prices, for a calculator's "CALCULS".
PriceSource Program::Prices() {
    return [this] { return Menu()->CheckedPrices(); };
}

void Program::Show(WindowId id) {
    QWidget* window = Make(id);
    if (auto* calculator = qobject_cast<Calculator*>(window))
        calculator->OpenFromMenu(Menu()->screen());
    else
        BringToFront(window);
}

void Program::BackToMenu(QWidget* calculator) {
    Show(WindowId::Form2);
    calculator->hide();
    Menu()->HideErrorLabels();
}

void Program::End() {
    DestroyWindows();
    QCoreApplication::exit(0);
}

QWidget* Program::Window(WindowId id) const {
    return windows_[static_cast<int>(id)];
}

QWidget* Program::Window(const QString& name) const {
    for (QWidget* window : windows_)
        if (window && window->objectName() == name) return window;
    return nullptr;
}

void Program::DestroyWindows() {
    for (QPointer<QWidget>& window : windows_) {
        delete window.data();  // an absent window is a null pointer, and deleting it is a no-op
        window = nullptr;
    }
}

}  // namespace ui
