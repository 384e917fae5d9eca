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

template <class Window>
void Destroy(QPointer<Window>& window) {
    delete window.data();  // an absent window is a null pointer, and deleting it is a no-op
    window = nullptr;
}

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

// The menu's checked prices, for a calculator's "CALCULS".
PriceSource Program::Prices() {
    return [this] { return form2_->CheckedPrices(); };
}

// A calculator's "RETOUR" brings the menu back, its "INFOS" opens its own help beside it.
template <class Calculator>
void Program::Wire(Calculator* calculator, QPointer<HelpWindow>& help, const HelpScreen& screen) {
    connect(calculator, &Calculator::MenuRequested, this,
            [this, calculator] { BackToMenu(calculator); });
    connect(calculator, &Calculator::HelpRequested, this,
            [this, calculator, &help, &screen] { ShowHelp(help, screen, calculator); });
}

void Program::Start() {
    form1_ = new Form1(Prices());
    Wire(form1_.data(), aideBeton_, AideBetonScreen());
    form2_ = new Form2;
    connect(form2_, &Form2::ConcreteChosen, this,
            [this] { form1_->OpenFromMenu(form2_->screen()); });
    connect(form2_, &Form2::MortarChosen, this,
            [this] { MortarWindow()->OpenFromMenu(form2_->screen()); });
    connect(form2_, &Form2::HelpRequested, this,
            [this] { ShowHelp(aideMenu_, AideMenuScreen(), form2_); });
    connect(form2_, &Form2::PricesEdited, this, [this] {
        form1_->SetResultAreaVisible(false);
        if (form3_) form3_->SetResultAreaVisible(false);
    });
    // Queued: the menu is not destroyed under the timer that ends its monogram.
    connect(form2_, &Form2::ExitPlayed, this, &Program::End, Qt::QueuedConnection);
    CentreOnScreen(form2_, QGuiApplication::primaryScreen());
    form2_->show();
    form2_->HideStartLabels();
    form1_->hide();
    new AfterFirstPaint(form2_, [this] { MortarWindow(); });
}

Form3* Program::MortarWindow() {
    if (!form3_) {
        form3_ = new Form3(Prices());  // a new window is hidden
        Wire(form3_.data(), aideMortier_, AideMortierScreen());
    }
    return form3_;
}

void Program::BackToMenu(QWidget* calculator) {
    BringToFront(form2_);
    calculator->hide();
    form2_->HideErrorLabels();
}

void Program::ShowHelp(QPointer<HelpWindow>& help, const HelpScreen& screen, QWidget* anchor) {
    if (!help) {
        help = new HelpWindow(screen, anchor);
        // Forgotten as it closes: "INFOS" pressed before it is gone makes a new one.
        connect(help, &HelpWindow::Closed, this, [&help] { help = nullptr; });
        help->Form_Load();
    }
    BringToFront(help);
}

void Program::End() {
    DestroyWindows();
    QCoreApplication::exit(0);
}

QWidget* Program::Window(const QString& name) const {
    QWidget* const all[] = {form1_, form2_, form3_, aideMenu_, aideBeton_, aideMortier_};
    for (QWidget* window : all)
        if (window && window->objectName() == name) return window;
    return nullptr;
}

void Program::DestroyWindows() {
    Destroy(form1_);
    Destroy(form2_);
    Destroy(form3_);
    Destroy(aideBeton_);
    Destroy(aideMortier_);
    Destroy(aideMenu_);
}

}  // namespace ui
