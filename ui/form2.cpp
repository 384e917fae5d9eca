// Menu window: the price boxes are the only store of the prices; the calculators read them
// through ReadPrices and check them through CheckPrices at each calculation.
#include "ui/form2.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

// Counting pauses of the exit; volatile keeps the compiler from removing them.
void Pause(long steps) {
    volatile long counter = 1;
    while (counter <= steps) counter = counter + 1;
}

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
    // A click handled during the pauses may press "QUITTER" again: the exit runs once.
    if (exiting_) return;
    exiting_ = true;
    for (QLabel* logo : {LblLogo1, LblLogo2, LblLogo3}) SetBackground(logo, kBlack);
    for (QLabel* logo : {LblLogo1, LblLogo2, LblLogo3}) SetForeground(logo, kWhite);
    Pause(15000000);
    LblLogo1->show();
    QCoreApplication::processEvents();
    Pause(15000000);
    LblLogo2->show();
    QCoreApplication::processEvents();
    Pause(25000000);
    LblLogo3->show();
    QCoreApplication::processEvents();
    Pause(60000000);
    QCoreApplication::processEvents();
    // Destroyed once this click has returned: the menu cannot be deleted under its own button.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            DestroyWindows();
            QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
}

void Form2::closeEvent(QCloseEvent* event) {
    // Closing the menu ends the program the way "QUITTER" does.
    event->ignore();
    CmdQuitter_Click();
}

}  // namespace ui
