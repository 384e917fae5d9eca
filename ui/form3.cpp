// Mortar window: the selected option gives the calc::DosageRange; "CALCULS" validates the
// inputs in order, then the menu's prices, runs calc::CalculMortier and writes the boxes.
#include "ui/form3.h"

#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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
    double calc::MortarMix::*field;
};

// Written in this order; the water total in kg is a copy of the text in litres.
constexpr ResultBox kBatchAndTotals[] = {
    {"TxtEau3", &calc::MortarMix::Eau},
    {"TxtCiment3", &calc::MortarMix::Ciment},
    {"TxtSable3", &calc::MortarMix::Sable},
    {"TxtMortier", &calc::MortarMix::Mortier},
    {"TxtPoidsCiment2", &calc::MortarMix::CimentTot},
    {"TxtPoidsSable2", &calc::MortarMix::SableTot},
    {"TxtVolCiment2", &calc::MortarMix::CimentTotL},
    {"TxtVolSable2", &calc::MortarMix::SableTotL},
    {"TxtEauTotL3", &calc::MortarMix::EauTotL},
};
constexpr ResultBox kCostsAndTime[] = {
    {"TxtPrixDetCim3", &calc::MortarMix::PrixDetCim},
    {"TxtPrixDetSab3", &calc::MortarMix::PrixDetSab},
    {"TxtPrixAchat3", &calc::MortarMix::PrixAchat},
    {"TxtTempsTh3", &calc::MortarMix::TempsTh},
    {"TxtTempsTm3", &calc::MortarMix::TempsTm},
};

// Emptied by a range choice and by "X".
constexpr const char* kClearedBoxes[] = {
    "TxtDosage2",     "TxtVolMortier", "TxtContenance2", "TxtPoidsCiment2",
    "TxtPoidsSable2", "TxtVolCiment2", "TxtVolSable2",
};
// Emptied by a refused input.
constexpr const char* kTotalBoxes[] = {"TxtPoidsCiment2", "TxtPoidsSable2", "TxtVolCiment2",
                                       "TxtVolSable2"};

void WriteBoxes(QWidget* window, std::span<const ResultBox> boxes, const calc::MortarMix& mix) {
    for (const ResultBox& result_box : boxes)
        Child<QLineEdit>(window, result_box.box)
            ->setText(ShowNumber(mix.*result_box.field, calc::Pattern(result_box.field)));
}

}  // namespace

Form3::Form3() {
    BuildWindow(this, Form3Screen());
    TxtDosage2 = Child<QLineEdit>(this, "TxtDosage2");
    TxtVolMortier = Child<QLineEdit>(this, "TxtVolMortier");
    TxtContenance2 = Child<QLineEdit>(this, "TxtContenance2");
    TxtEauTotL3 = Child<QLineEdit>(this, "TxtEauTotL3");
    TxtEauTot3 = Child<QLineEdit>(this, "TxtEauTot3");
    LblMauvaisDos2 = Child<QLabel>(this, "LblMauvaisDos2");
    LblPlageDosage = Child<QLabel>(this, "LblPlageDosage");
    LblErrVolBet2 = Child<QLabel>(this, "LblErrVolBet2");
    LblErrCont2 = Child<QLabel>(this, "LblErrCont2");
    Lab13 = Child<QLabel>(this, "Lab13");
    CmdCalcul2 = Child<QPushButton>(this, "CmdCalcul2");
    CmdEffacer2 = Child<QPushButton>(this, "CmdEffacer2");
    CmdRetour2 = Child<QPushButton>(this, "CmdRetour2");
    CmdAideInfoMortier = Child<QPushButton>(this, "CmdAideInfoMortier");
    CmdImprimer2 = Child<QPushButton>(this, "CmdImprimer2");

    connect(CmdCalcul2, &QPushButton::clicked, this, &Form3::CmdCalcul2_Click);
    connect(CmdEffacer2, &QPushButton::clicked, this, &Form3::CmdEffacer2_Click);
    connect(CmdRetour2, &QPushButton::clicked, this, &Form3::CmdRetour2_Click);
    connect(CmdAideInfoMortier, &QPushButton::clicked, this, &Form3::CmdAideInfoMortier_Click);
    connect(CmdImprimer2, &QPushButton::clicked, this, &Form3::CmdImprimer2_Click);
    // Results are never shown beside inputs that the user changed since they were computed.
    for (const char* input : Form3Screen().enterBoxes)
        connect(Child<QLineEdit>(this, input), &QLineEdit::textEdited, this,
                [this] { SetResultAreaVisible(false); });
    for (const calc::DosageRange& range : calc::DosageRanges()) {
        auto* option = Child<QRadioButton>(this, range.option.data());
        // The option has no caption: a screen reader says the range it selects.
        option->setAccessibleName(QString::fromUtf8(range.caption.data(), range.caption.size()));
        connect(option, &QRadioButton::toggled, this, [this, &range](bool checked) {
            if (checked) OptDose_Click(range);
        });
    }
}

void Form3::SetResultAreaVisible(bool visible) {
    SetGroupVisible(this, MortarResultArea(), visible);
}

const calc::DosageRange& Form3::SelectedRange() const {
    for (const calc::DosageRange& range : calc::DosageRanges())
        if (Child<QRadioButton>(this, range.option.data())->isChecked()) return range;
    return calc::DosageRanges().front();  // the option group always has one selected
}

void Form3::ShowRange(const calc::DosageRange& range, Rgb colour) {
    SetForeground(LblPlageDosage, colour);
    LblPlageDosage->setText(QString::fromUtf8(range.caption.data(), range.caption.size()));
}

bool Form3::InputsAccepted(double dosage, double volume, double contenance,
                           const calc::DosageRange& range) {
    const auto error = calc::CheckMortier(dosage, volume, contenance, range);
    if (error == calc::InputError::ErrDosage) {
        LblMauvaisDos2->show();
        TxtDosage2->clear();
        ShowRange(range, kRed);
        return false;
    }
    ShowRange(range, kGreen);
    LblMauvaisDos2->hide();
    if (error == calc::InputError::ErrVolume) {
        LblErrVolBet2->show();
        TxtVolMortier->clear();
        return false;
    }
    LblErrVolBet2->hide();
    if (error == calc::InputError::ErrContenance) {
        LblErrCont2->show();
        TxtContenance2->clear();
        return false;
    }
    LblErrCont2->hide();
    return true;
}

void Form3::CmdCalcul2_Click() {
    LblMauvaisDos2->hide();
    const double dosage = ReadNumber(TxtDosage2);
    const double volume = ReadNumber(TxtVolMortier);
    const double contenance = ReadNumber(TxtContenance2);
    const calc::DosageRange& range = SelectedRange();
    // Prices typed after the menu's "OK" go through the same checks before they are used.
    if (!InputsAccepted(dosage, volume, contenance, range) ||
        !Windows().form2->CheckPricesForCalculator()) {
        Refuse();
        return;
    }
    pricesUsed_ = Windows().form2->ReadPrices();
    const auto result = calc::CalculMortier(dosage, volume, contenance, range, pricesUsed_);
    const auto& mix = std::get<calc::MortarMix>(result);
    WriteBoxes(this, kBatchAndTotals, mix);
    TxtEauTot3->setText(TxtEauTotL3->text());
    ShowRange(range, kGreen);
    WriteBoxes(this, kCostsAndTime, mix);
    Lab13->setVisible(mix.AvecTransport);
    for (const char* name : MortarResultArea())
        if (QWidget* control = Child<QWidget>(this, name);
            control != Lab13 && control != CmdImprimer2)
            control->show();
    CmdImprimer2->show();
}

void Form3::Refuse() {
    for (const char* name : kTotalBoxes) Child<QLineEdit>(this, name)->clear();
    SetResultAreaVisible(false);
}

void Form3::ClearInputs() {
    for (const char* name : kClearedBoxes) Child<QLineEdit>(this, name)->clear();
}

void Form3::OptDose_Click(const calc::DosageRange& range) {
    LblMauvaisDos2->hide();
    LblPlageDosage->show();
    ShowRange(range, kGreen);
    SetResultAreaVisible(false);
    ClearInputs();
}

void Form3::CmdEffacer2_Click() {
    SetResultAreaVisible(false);
    ClearInputs();
}

void Form3::CmdRetour2_Click() {
    Windows().form2->ShowFromCalculator(this);
}

void Form3::CmdAideInfoMortier_Click() {
    ShowAideMortier();
}

void Form3::CmdImprimer2_Click() {
    PrintWindow(this, PricesFootnote(pricesUsed_, false, QDate::currentDate()));
}

void Form3::OpenFromMenu() {
    CentreOnScreen(this);
    BringToFront(this);
    LblMauvaisDos2->hide();
    LblPlageDosage->show();
    // The caption names the selected range, which the window kept since its last visit.
    const std::string_view caption = SelectedRange().caption;
    LblPlageDosage->setText(QString::fromUtf8(caption.data(), caption.size()));
    SetResultAreaVisible(false);
}

void Form3::closeEvent(QCloseEvent* event) {
    // The title bar's close does what "RETOUR" does: the window lives until the exit.
    event->ignore();
    CmdRetour2_Click();
}

}  // namespace ui
