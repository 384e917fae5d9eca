// Concrete window: reads its three boxes, validates them in order (dosage, volume,
// capacity) then the menu's prices, runs calc::CalculBeton and writes the 19 result boxes.
#include "ui/form1.h"

#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/calc.h"
#include "ui/form2.h"
#include "ui/numbers.h"
#include "ui/printing.h"
#include "ui/program.h"
#include "ui/screens.h"

namespace ui {
namespace {

struct ResultBox {
    const char* box;
    double calc::ConcreteMix::*field;
};

// In the order the boxes are written.
constexpr ResultBox kResultBoxes[] = {
    {"TxtEauTot", &calc::ConcreteMix::EauTot},
    {"TxtCimentTot", &calc::ConcreteMix::CimentTot},
    {"TxtSableTot", &calc::ConcreteMix::SableTot},
    {"TxtGravierTot", &calc::ConcreteMix::GravierTot},
    {"TxtPrixAchat", &calc::ConcreteMix::PrixAchat},
    {"TxtEauTotL", &calc::ConcreteMix::EauTotL},
    {"TxtCimentTotL", &calc::ConcreteMix::CimentTotL},
    {"TxtSableTotL", &calc::ConcreteMix::SableTotL},
    {"TxtGravierTotL", &calc::ConcreteMix::GravierTotL},
    {"TxtPrixDetCim", &calc::ConcreteMix::PrixDetCim},
    {"TxtPrixDetSab", &calc::ConcreteMix::PrixDetSab},
    {"TxtPrixDetGrav", &calc::ConcreteMix::PrixDetGrav},
    {"TxtEau", &calc::ConcreteMix::Eau},
    {"TxtCiment", &calc::ConcreteMix::Ciment},
    {"TxtSable", &calc::ConcreteMix::Sable},
    {"TxtGravier", &calc::ConcreteMix::Gravier},
    {"TxtBeton", &calc::ConcreteMix::Beton},
    {"TxtTempsTh", &calc::ConcreteMix::TempsTh},
    {"TxtTempsTm", &calc::ConcreteMix::TempsTm},
};

// Emptied by "X", in this order; the other result boxes follow the hiding of the labels.
constexpr const char* kClearedFirst[] = {
    "TxtDosage",   "TxtVolume",     "TxtContenance", "TxtEauTot",  "TxtCimentTot",
    "TxtSableTot", "TxtGravierTot", "TxtEau",        "TxtCiment",  "TxtSable",
    "TxtGravier",  "TxtBeton",      "TxtTempsTh",    "TxtTempsTm",
};
constexpr const char* kClearedLast[] = {
    "TxtEauTotL", "TxtCimentTotL", "TxtSableTotL", "TxtGravierTotL", "TxtPrixAchat",
};

}  // namespace

Form1::Form1() {
    BuildWindow(this, Form1Screen());
    TxtDosage = Child<QLineEdit>(this, "TxtDosage");
    TxtVolume = Child<QLineEdit>(this, "TxtVolume");
    TxtContenance = Child<QLineEdit>(this, "TxtContenance");
    LblMauvaisDos = Child<QLabel>(this, "LblMauvaisDos");
    LblPlageDosage1 = Child<QLabel>(this, "LblPlageDosage1");
    LblErrVolBet = Child<QLabel>(this, "LblErrVolBet");
    LblErrCont = Child<QLabel>(this, "LblErrCont");
    LblInfo = Child<QLabel>(this, "LblInfo");
    Label29 = Child<QLabel>(this, "Label29");
    CmdCalcul = Child<QPushButton>(this, "CmdCalcul");
    CmdEffacer = Child<QPushButton>(this, "CmdEffacer");
    CmdInfo = Child<QPushButton>(this, "CmdInfo");
    CmdQuitterInfo = Child<QPushButton>(this, "CmdQuitterInfo");
    CmdRetour1 = Child<QPushButton>(this, "CmdRetour1");
    CmdAideBet = Child<QPushButton>(this, "CmdAideBet");
    CmdImprimer = Child<QPushButton>(this, "CmdImprimer");

    connect(CmdCalcul, &QPushButton::clicked, this, &Form1::CmdCalcul_Click);
    connect(CmdEffacer, &QPushButton::clicked, this, &Form1::CmdEffacer_Click);
    connect(CmdInfo, &QPushButton::clicked, this, &Form1::CmdInfo_Click);
    connect(CmdQuitterInfo, &QPushButton::clicked, this, &Form1::CmdQuitterInfo_Click);
    connect(CmdRetour1, &QPushButton::clicked, this, &Form1::CmdRetour1_Click);
    connect(CmdAideBet, &QPushButton::clicked, this, &Form1::CmdAideBet_Click);
    connect(CmdImprimer, &QPushButton::clicked, this, &Form1::CmdImprimer_Click);
    // Results are never shown beside inputs that the user changed since they were computed.
    for (const char* input : Form1Screen().enterBoxes)
        connect(Child<QLineEdit>(this, input), &QLineEdit::textEdited, this,
                [this] { SetResultAreaVisible(false); });
}

void Form1::Form_Load() {
    Forms& forms = Windows();
    forms.form2 = new Form2;
    connect(forms.form2, &Form2::PricesEdited, this, [this] { SetResultAreaVisible(false); });
    CentreOnScreen(forms.form2);
    forms.form2->show();
    forms.form2->HideStartLabels();
    hide();
    CreateMortarWindowAfterFirstPaint(forms.form2);
}

void Form1::SetResultAreaVisible(bool visible) {
    SetGroupVisible(this, ConcreteResultArea(), visible);
}

bool Form1::InputsAccepted(double dosage, double volume, double contenance) {
    const auto error = calc::CheckBeton(dosage, volume, contenance);
    if (error == calc::InputError::ErrDosage) {
        LblMauvaisDos->show();
        TxtDosage->clear();
        SetForeground(LblPlageDosage1, kRed);
        return false;
    }
    SetForeground(LblPlageDosage1, kGreen);
    if (error == calc::InputError::ErrVolume) {
        LblErrVolBet->show();
        TxtVolume->clear();
        return false;
    }
    LblErrVolBet->hide();
    if (error == calc::InputError::ErrContenance) {
        LblErrCont->show();
        TxtContenance->clear();
        return false;
    }
    LblErrCont->hide();
    return true;
}

void Form1::CmdCalcul_Click() {
    LblMauvaisDos->hide();
    const double dosage = ReadNumber(TxtDosage);
    const double volume = ReadNumber(TxtVolume);
    const double contenance = ReadNumber(TxtContenance);
    // Prices typed after the menu's "OK" go through the same checks before they are used.
    if (!InputsAccepted(dosage, volume, contenance) ||
        !Windows().form2->CheckPricesForCalculator()) {
        SetResultAreaVisible(false);
        return;
    }
    pricesUsed_ = Windows().form2->ReadPrices();
    const auto result = calc::CalculBeton(dosage, volume, contenance, pricesUsed_);
    const auto& mix = std::get<calc::ConcreteMix>(result);
    SetResultAreaVisible(true);
    Label29->setVisible(mix.AvecTransport);
    for (const ResultBox& result_box : kResultBoxes)
        Child<QLineEdit>(this, result_box.box)
            ->setText(ShowNumber(mix.*result_box.field, calc::Pattern(result_box.field)));
}

void Form1::CmdEffacer_Click() {
    SetResultAreaVisible(false);
    for (const char* name : kClearedFirst) Child<QLineEdit>(this, name)->clear();
    LblMauvaisDos->hide();
    for (const char* name : kClearedLast) Child<QLineEdit>(this, name)->clear();
}

void Form1::CmdInfo_Click() {
    LblInfo->show();
    CmdQuitterInfo->show();
    Module1::InfoNoteShown = 1;
}

void Form1::CmdQuitterInfo_Click() {
    LblInfo->hide();
    Module1::InfoNoteShown = 0;
    CmdQuitterInfo->hide();
}

void Form1::CmdRetour1_Click() {
    Windows().form2->ShowFromCalculator(this);
}

void Form1::CmdAideBet_Click() {
    ShowAideBeton();
}

void Form1::CmdImprimer_Click() {
    PrintWindow(this, PricesFootnote(pricesUsed_, true, QDate::currentDate()));
}

void Form1::OpenFromMenu() {
    CentreOnScreen(this);
    BringToFront(this);
    SetResultAreaVisible(false);
}

void Form1::closeEvent(QCloseEvent* event) {
    // The title bar's close does what "RETOUR" does: the window lives until the exit.
    event->ignore();
    CmdRetour1_Click();
}

}  // namespace ui
