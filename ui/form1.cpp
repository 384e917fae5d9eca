// SPDX-License-Identifier: GPL-3.0-or-later
// Concrete window: reads its three boxes, checks them in order (dosage, volume, capacity), then
// gets the menu's checked prices, runs calc::CalculBeton and writes the boxes its table names.
#include "ui/form1.h"

#include <QPushButton>

#include "ui/screens.h"

namespace ui {

// The names this window's code writes, each checked against its table as it compiles.
using form1::Control;

Form1::Form1(PriceSource prices) : Calculator(Form1Screen(), std::move(prices)) {
    TxtDosage = Find<QLineEdit>(this, Control<"TxtDosage">);
    TxtVolume = Find<QLineEdit>(this, Control<"TxtVolume">);
    TxtContenance = Find<QLineEdit>(this, Control<"TxtContenance">);
    LblMauvaisDos = Find<QLabel>(this, Control<"LblMauvaisDos">);
    LblPlageDosage1 = Find<QLabel>(this, Control<"LblPlageDosage1">);
    LblInfo = Find<QLabel>(this, Control<"LblInfo">);
    Label29 = Find<QLabel>(this, Control<"Label29">);
    CmdQuitterInfo = Find<QPushButton>(this, Control<"CmdQuitterInfo">);
    checks_ = InputChecks(
        {TxtDosage, LblMauvaisDos}, {TxtVolume, Find<QLabel>(this, Control<"LblErrVolBet">)},
        {TxtContenance, Find<QLabel>(this, Control<"LblErrCont">)},
        [this](bool accepted) { SetForeground(LblPlageDosage1, accepted ? kGreen : kRed); });
    OnClick(this, Control<"CmdCalcul">, &Form1::CmdCalcul_Click);
    OnClick(this, Control<"CmdEffacer">, &Form1::CmdEffacer_Click);
    OnClick(this, Control<"CmdInfo">, &Form1::CmdInfo_Click);
    OnClick(this, Control<"CmdQuitterInfo">, &Form1::CmdQuitterInfo_Click);
    OnClick(this, Control<"CmdRetour1">, &Form1::CmdRetour1_Click);
    OnClick(this, Control<"CmdAideBet">, &Form1::CmdAideBet_Click);
    OnClick(this, Control<"CmdImprimer">, &Form1::CmdImprimer_Click);
}

void Form1::CmdCalcul_Click() {
    LblMauvaisDos->hide();
    const Inputs in = checks_.Read();
    const std::optional<calc::MaterialPrices> prices =
        PricesFor(checks_.Accept(calc::CheckBeton(in.dosage, in.volume, in.contenance)));
    if (!prices) {
        SetResultAreaVisible(false);
        return;
    }
    const auto mix = std::get<calc::ConcreteMix>(
        calc::CalculBeton(in.dosage, in.volume, in.contenance, *prices));
    SetResultAreaVisible(true);
    Label29->setVisible(mix.AvecTransport);
    WriteResults(this, Form1Screen(), mix);
}

void Form1::CmdEffacer_Click() {
    SetResultAreaVisible(false);
    EmptyInOrder(this, Form1Screen());
}

void Form1::CmdInfo_Click() {
    LblInfo->show();
    CmdQuitterInfo->show();
    InfoNoteShown = 1;
}

void Form1::CmdQuitterInfo_Click() {
    LblInfo->hide();
    InfoNoteShown = 0;
    CmdQuitterInfo->hide();
}

void Form1::CmdRetour1_Click() {
    emit MenuRequested();
}

void Form1::CmdAideBet_Click() {
    emit HelpRequested();
}

void Form1::CmdImprimer_Click() {
    Print(true, InfoNoteShown == 1);
}

}  // namespace ui
