// The single instance of each window, the start-up through Form1's Form_Load, the mortar
// window built once the menu is on screen, the help windows created on demand, and the
// destruction of every window at the exit.
#include "ui/program.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form_aide_beton.h"
#include "ui/form_aide_menu.h"
#include "ui/form_aide_mortier.h"
#include "ui/look.h"

namespace ui {
namespace {

template <class Help>
void ShowHelp(QPointer<Help>& help) {
    if (!help) {
        help = new Help;
        help->Form_Load();
    }
    help->show();
    help->raise();
}

// Runs an action once a window has painted itself for the first time, and never if the window
// is destroyed before.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget* window, void (*action)()) : QObject(window), action_(action) {
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
    void (*action_)();
};

template <class Window>
void Destroy(QPointer<Window>& window) {
    delete window.data();  // an absent window is a null pointer, and deleting it is a no-op
    window = nullptr;
}

}  // namespace

Forms& Windows() {
    static Forms forms;
    return forms;
}

void StartProgram() {
    Module1::InfoNoteShown = 0;
    Windows().form1 = new Form1;
    Windows().form1->Form_Load();
}

Form3* MortarWindow() {
    QPointer<Form3>& form3 = Windows().form3;
    if (!form3) {
        form3 = new Form3;  // a new window is hidden
        QObject::connect(Windows().form2, &Form2::PricesEdited, form3,
                         [form3 = form3.data()] { form3->SetResultAreaVisible(false); });
    }
    return form3;
}

void CreateMortarWindowAfterFirstPaint(QWidget* menu) {
    new AfterFirstPaint(menu, [] { MortarWindow(); });
}

void DestroyWindows() {
    Forms& forms = Windows();
    Destroy(forms.form1);
    Destroy(forms.form2);
    Destroy(forms.form3);
    Destroy(forms.aideBeton);
    Destroy(forms.aideMortier);
    Destroy(forms.aideMenu);
}

void CentreOnScreen(QWidget* window) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = window->frameGeometry();
    const float top = (float(Twips(screen.height())) - float(Twips(outer.height()))) / 2;
    const float left = (float(Twips(screen.width())) - float(Twips(outer.width()))) / 2;
    window->move(Px(left), Px(top));
}

void BringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void ShowAideMenu() {
    ShowHelp(Windows().aideMenu);
}
void ShowAideBeton() {
    ShowHelp(Windows().aideBeton);
}
void ShowAideMortier() {
    ShowHelp(Windows().aideMortier);
}

}  // namespace ui
