// SPDX-License-Identifier: GPL-3.0-or-later
// Menu window: the price boxes are the only store of the prices; calc::CheckPrices checks them
// at "OK" and, through CheckedPrices, at each calculation.
#include "ui/form2.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "ui/placement.h"
#include "ui/screens.h"

namespace ui {

// The names this window's code writes, each checked against its table as it compiles.
using form2::Control;

namespace {

// The exit's pauses before each monogram letter and before the end: 10 ms for each million
// of the counts that once paced them.
constexpr int kExitPausesMs[] = {150, 150, 250, 600};

}  // namespace

Form2::Form2() {
    BuildWindow(this, Form2Screen());
    for (std::size_t price = 0; price < priceBoxes_.size(); ++price) {
        priceBoxes_[price] = Find<QLineEdit>(this, form2::kPriceBoxes[price]);
        priceErrors_[price] = Find<QLabel>(this, form2::kPriceRefusals[price]);
    }
    letters_ = {Find<QLabel>(this, Control<"LblLogo1">), Find<QLabel>(this, Control<"LblLogo2">),
                Find<QLabel>(this, Control<"LblLogo3">)};
    Option1 = Find<QAbstractButton>(this, Control<"Option1">);

    OnClick(this, Control<"CmdOk">, &Form2::CmdOk_Click);
    OnClick(this, Control<"CmdEffacerP">, &Form2::CmdEffacerP_Click);
    OnClick(this, Control<"CmdAideMenu">, &Form2::CmdAideMenu_Click);
    OnClick(this, Control<"CmdQuitter">, &Form2::CmdQuitter_Click);
    for (QLineEdit* price : priceBoxes_)
        connect(price, &QLineEdit::textEdited, this, &Form2::PricesEdited);
    setExitPause(nullptr);
}

calc::MaterialPrices Form2::ReadPrices() const {
    const auto price = [this](calc::Price which) {
        return calc::ReadPrice(priceBoxes_[static_cast<int>(which)]->text().toStdString());
    };
    return {price(calc::Price::Ciment), price(calc::Price::Sable), price(calc::Price::Gravier),
            price(calc::Price::Transport)};
}

bool Form2::CheckPrices() {
    const std::optional<calc::Price> refused = calc::CheckPrices(ReadPrices());
    const int failing = refused ? static_cast<int>(*refused) : calc::kPriceCount;
    for (int i = 0; i < failing; ++i) priceErrors_[i]->hide();
    if (!refused) return true;
    priceErrors_[failing]->show();
    priceBoxes_[failing]->clear();
    return false;
}

std::optional<calc::MaterialPrices> Form2::CheckedPrices() {
    if (CheckPrices()) return ReadPrices();
    BringToFront(this);
    return std::nullopt;
}

void Form2::CmdOk_Click() {
    if (!CheckPrices()) return;
    setVisible(true);
    if (Option1->isChecked())
        emit ConcreteChosen();
    else
        emit MortarChosen();
}

void Form2::CmdEffacerP_Click() {
    for (QLineEdit* price : priceBoxes_) price->clear();
}

void Form2::CmdAideMenu_Click() {
    emit HelpRequested();
}

void Form2::HideStartLabels() {
    HideErrorLabels();
    for (QLabel* letter : letters_) letter->hide();
}

void Form2::HideErrorLabels() {
    SetGroupVisible(this, Form2Screen(), Alert, false);
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

void Form2::CmdQuitter_Click() {
    // A second "QUITTER", or closing the menu, while the monogram plays changes nothing.
    if (exiting_) return;
    exiting_ = true;
    for (QLabel* letter : letters_) SetBackground(letter, kBlack);
    for (QLabel* letter : letters_) SetForeground(letter, kWhite);
    ExitStep(0);
}

// After each pause but the last a letter shows, drawn at once; then the program may end.
void Form2::ExitStep(int step) {
    exitPause_(kExitPausesMs[step], [this, step] {
        if (step == std::ssize(kExitPausesMs) - 1) {
            emit ExitPlayed();
            return;
        }
        letters_[step]->show();
        letters_[step]->repaint();
        ExitStep(step + 1);
    });
}

void Form2::closeEvent(QCloseEvent* event) {
    // Closing the menu ends the program the way "QUITTER" does.
    event->ignore();
    CmdQuitter_Click();
}

}  // namespace ui
