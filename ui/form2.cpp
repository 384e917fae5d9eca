// Menu window: the price boxes are the only store of the prices; the calculators read them
// through ReadPrices and check them through CheckPrices at each calculation.
#include "ui/form2.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/numbers.h"
#include "ui/program.h"
#include "ui/screens.h"

namespace ui {
namespace {

struct PriceCheck {
    const char* box;
    const char* errorLabel;
    double upper;  // the lower bound is 0 for every price
};

constexpr PriceCheck kPriceChecks[] = {
    {"TxtPrixCiment", "LblErrCim", 800000},
    {"TxtPrixSable", "LblErrSab", 9000000},
    {"TxtPrixGravier", "LblErrGrav", 9000000},
    {"TxtPrixTransport", "LblErrTrans", 9000000},
};

// The exit's pauses before each monogram letter and before the end: 10 ms for each million
// of the counts that once paced them.
constexpr int kExitPausesMs[] = {150, 150, 250, 600};

}  // namespace

Form2::Form2() {
    BuildWindow(this, Form2Screen());
    TxtPrixCiment = Child<QLineEdit>(this, "TxtPrixCiment");
    TxtPrixSable = Child<QLineEdit>(this, "TxtPrixSable");
    TxtPrixGravier = Child<QLineEdit>(this, "TxtPrixGravier");
    TxtPrixTransport = Child<QLineEdit>(this, "TxtPrixTransport");
    LblErrCim = Child<QLabel>(this, "LblErrCim");
    LblErrSab = Child<QLabel>(this, "LblErrSab");
    LblErrGrav = Child<QLabel>(this, "LblErrGrav");
    LblErrTrans = Child<QLabel>(this, "LblErrTrans");
    LblLogo1 = Child<QLabel>(this, "LblLogo1");
    LblLogo2 = Child<QLabel>(this, "LblLogo2");
    LblLogo3 = Child<QLabel>(this, "LblLogo3");
    Option1 = Child<QAbstractButton>(this, "Option1");
    CmdOk = Child<QPushButton>(this, "CmdOk");
    CmdEffacerP = Child<QPushButton>(this, "CmdEffacerP");
    CmdAideMenu = Child<QPushButton>(this, "CmdAideMenu");
    CmdQuitter = Child<QPushButton>(this, "CmdQuitter");

    connect(CmdOk, &QPushButton::clicked, this, &Form2::CmdOk_Click);
    connect(CmdEffacerP, &QPushButton::clicked, this, &Form2::CmdEffacerP_Click);
    connect(CmdAideMenu, &QPushButton::clicked, this, &Form2::CmdAideMenu_Click);
    connect(CmdQuitter, &QPushButton::clicked, this, &Form2::CmdQuitter_Click);
    for (QLineEdit* price : {TxtPrixCiment, TxtPrixSable, TxtPrixGravier, TxtPrixTransport})
        connect(price, &QLineEdit::textEdited, this, &Form2::PricesEdited);
    setExitPause(nullptr);
}

void Form2::setExitPause(Pause pause) {
    if (pause) {
        exitPause_ = std::move(pause);
        return;
    }
    exitPause_ = [this](int milliseconds, std::function<void()> action) {
        QTimer::singleShot(milliseconds, this, std::move(action));
    };
}

calc::MaterialPrices Form2::ReadPrices() const {
    return {ReadNumber(TxtPrixCiment), ReadNumber(TxtPrixSable), ReadNumber(TxtPrixGravier),
            ReadNumber(TxtPrixTransport)};
}

bool Form2::CheckPrices() {
    for (const PriceCheck& check : kPriceChecks) {
        auto* box = Child<QLineEdit>(this, check.box);
        auto* label = Child<QLabel>(this, check.errorLabel);
        const double price = ReadNumber(box);
        // Written so that a price that is not a number (never produced by Val) is refused.
        if (!(price >= 0 && price <= check.upper)) {
            label->show();
            box->clear();
            return false;
        }
        label->hide();
    }
    return true;
}

bool Form2::CheckPricesForCalculator() {
    if (CheckPrices()) return true;
    BringToFront(this);
    return false;
}

void Form2::CmdOk_Click() {
    if (!CheckPrices()) return;
    setVisible(true);
    if (Option1->isChecked())
        Windows().form1->OpenFromMenu();
    else
        MortarWindow()->OpenFromMenu();
}

void Form2::CmdEffacerP_Click() {
    TxtPrixCiment->clear();
    TxtPrixSable->clear();
    TxtPrixGravier->clear();
    TxtPrixTransport->clear();
}

void Form2::CmdAideMenu_Click() {
    ShowAideMenu();
}

void Form2::HideStartLabels() {
    HideErrorLabels();
    LblLogo1->hide();
    LblLogo2->hide();
    LblLogo3->hide();
}

void Form2::HideErrorLabels() {
    LblErrCim->hide();
    LblErrSab->hide();
    LblErrGrav->hide();
    LblErrTrans->hide();
}

void Form2::ShowFromCalculator(QWidget* calculator) {
    BringToFront(this);
    calculator->hide();
    HideErrorLabels();
}

void Form2::CmdQuitter_Click() {
    // A second "QUITTER", or closing the menu, while the monogram plays changes nothing.
    if (exiting_) return;
    exiting_ = true;
    for (QLabel* logo : {LblLogo1, LblLogo2, LblLogo3}) SetBackground(logo, kBlack);
    for (QLabel* logo : {LblLogo1, LblLogo2, LblLogo3}) SetForeground(logo, kWhite);
    ExitStep(0);
}

// After each pause a letter shows, drawn at once; after the last pause the program ends.
void Form2::ExitStep(int step) {
    exitPause_(kExitPausesMs[step], [this, step] {
        QLabel* const letters[] = {LblLogo1, LblLogo2, LblLogo3};
        if (step < 3) {
            letters[step]->show();
            letters[step]->repaint();
            ExitStep(step + 1);
            return;
        }
        // Destroyed once this event has returned: the menu cannot be deleted in its own timer.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [] {
                DestroyWindows();
                QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
    });
}

void Form2::closeEvent(QCloseEvent* event) {
    // Closing the menu ends the program the way "QUITTER" does.
    event->ignore();
    CmdQuitter_Click();
}

}  // namespace ui
