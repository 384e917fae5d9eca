// SPDX-License-Identifier: GPL-3.0-or-later
// Mortar window: the selected option gives the calc::DosageRange; "CALCULS" checks the inputs in
// order, gets the menu's checked prices, runs calc::CalculMortier and writes the boxes its table
// names.
#include "ui/form3.h"

#include <QRadioButton>

#include "ui/screens.h"

namespace ui {

// The names this window's code writes, each checked against its table as it compiles.
using form3::Control;

namespace {

QString CaptionOf(const calc::DosageRange& range) {
    return QString::fromUtf8(range.caption.data(), range.caption.size());
}

}  // namespace

Form3::Form3(PriceSource prices) : Calculator(Form3Screen(), std::move(prices)) {
    LblMauvaisDos2 = Find<QLabel>(this, Control<"LblMauvaisDos2">);
    LblPlageDosage = Find<QLabel>(this, Control<"LblPlageDosage">);
    Lab13 = Find<QLabel>(this, Control<"Lab13">);
    checks_ = InputChecks(
        {Find<QLineEdit>(this, Control<"TxtDosage2">), LblMauvaisDos2},
        {Find<QLineEdit>(this, Control<"TxtVolMortier">),
         Find<QLabel>(this, Control<"LblErrVolBet2">)},
        {Find<QLineEdit>(this, Control<"TxtContenance2">),
         Find<QLabel>(this, Control<"LblErrCont2">)},
        [this](bool accepted) { ShowRange(SelectedRange(), accepted ? kGreen : kRed); });
    OnClick(this, Control<"CmdCalcul2">, &Form3::CmdCalcul2_Click);
    OnClick(this, Control<"CmdEffacer2">, &Form3::CmdEffacer2_Click);
    OnClick(this, Control<"CmdRetour2">, &Form3::CmdRetour2_Click);
    OnClick(this, Control<"CmdAideInfoMortier">, &Form3::CmdAideInfoMortier_Click);
    OnClick(this, Control<"CmdImprimer2">, &Form3::CmdImprimer2_Click);
    for (std::size_t i = 0; i < calc::kDosageRanges.size(); ++i) {
        const calc::DosageRange& range = calc::kDosageRanges[i];
        auto* option = Find<QRadioButton>(this, form3::kRangeOptions[i]);
        // The option has no caption: a screen reader says the range it selects.
        option->setAccessibleName(CaptionOf(range));
        connect(option, &QRadioButton::toggled, this, [this, &range](bool checked) {
            if (checked) OptDose_Click(range);
        });
    }
}

const calc::DosageRange& Form3::SelectedRange() const {
    for (std::size_t i = 0; i < calc::kDosageRanges.size(); ++i)
        if (Find<QRadioButton>(this, form3::kRangeOptions[i])->isChecked())
            return calc::kDosageRanges[i];
    return calc::kDosageRanges.front();  // the option group always has one selected
}

void Form3::ShowRange(const calc::DosageRange& range, Rgb colour) {
    SetForeground(LblPlageDosage, colour);
    LblPlageDosage->setText(CaptionOf(range));
}

void Form3::CmdCalcul2_Click() {
    LblMauvaisDos2->hide();
    const Inputs in = checks_.Read();
    const calc::DosageRange& range = SelectedRange();
    const std::optional<calc::MaterialPrices> prices =
        PricesFor(checks_.Accept(calc::CheckMortier(in.dosage, in.volume, in.contenance, range)));
    if (!prices) {
        Refuse();
        return;
    }
    const auto mix = std::get<calc::MortarMix>(
        calc::CalculMortier(in.dosage, in.volume, in.contenance, range, *prices));
    WriteResults(this, Form3Screen(), mix);
    ShowRange(range, kGreen);
    SetResultAreaVisible(true);
    Lab13->setVisible(mix.AvecTransport);
}

void Form3::Refuse() {
    EmptyBoxes(this, Form3Screen(), EmptiedByRefusal);
    SetResultAreaVisible(false);
}

void Form3::OptDose_Click(const calc::DosageRange& range) {
    LblMauvaisDos2->hide();
    LblPlageDosage->show();
    ShowRange(range, kGreen);
    SetResultAreaVisible(false);
    EmptyInOrder(this, Form3Screen());
}

void Form3::CmdEffacer2_Click() {
    SetResultAreaVisible(false);
    EmptyInOrder(this, Form3Screen());
}

void Form3::CmdRetour2_Click() {
    emit MenuRequested();
}

void Form3::CmdAideInfoMortier_Click() {
    emit HelpRequested();
}

void Form3::CmdImprimer2_Click() {
    Print(false, false);
}

void Form3::OpenedFromMenu() {
    LblMauvaisDos2->hide();
    LblPlageDosage->show();
    // The caption names the selected range, which the window kept since its last visit.
    LblPlageDosage->setText(CaptionOf(SelectedRange()));
}

}  // namespace ui
