// SPDX-License-Identifier: GPL-3.0-or-later
// The menu window: the four prices with their checks, the choice between the concrete and the
// mortar calculator, "X" for the prices, "INFOS" and the exit with its monogram. It says what
// the user chose (a calculator, the help, the end) and knows no other window.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "calc/prices.h"

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace ui {

class Form2 : public QWidget {
    Q_OBJECT
  public:
    Form2();

    // The checks of "OK" for a calculator; a refused price brings the menu to the front.
    std::optional<calc::MaterialPrices> CheckedPrices();

    // Start-up: the error labels and the monogram letters disappear.
    void HideStartLabels();
    // Back from a calculator: the four price error labels disappear.
    void HideErrorLabels();

    // Runs the action once a pause of the exit is over; by default a timer, so that the
    // program waits without working and goes on drawing.
    using Pause = std::function<void(int milliseconds, std::function<void()> action)>;
    void setExitPause(Pause pause);

  signals:
    void ConcreteChosen();
    void MortarChosen();
    void HelpRequested();
    // The user changed a price: results computed with the old prices must not stay shown.
    void PricesEdited();
    // The monogram has played: every window may be destroyed and the program end.
    void ExitPlayed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CmdOk_Click();
    void CmdEffacerP_Click();
    void CmdAideMenu_Click();
    void CmdQuitter_Click();
    // The prices as the four boxes hold them now; an empty box reads 0, a text that is not a
    // number NaN, which the checks refuse.
    calc::MaterialPrices ReadPrices() const;
    // The checks of "OK", in order: the first price out of range shows its label and is
    // emptied; the labels of the prices accepted before it are hidden.
    bool CheckPrices();
    void ExitStep(int step);

    std::array<QLineEdit*, calc::kPriceCount> priceBoxes_{};  // in the order of calc::Price
    std::array<QLabel*, calc::kPriceCount> priceErrors_{};    // the label refusing each
    std::array<QLabel*, 3> letters_{};  // the monogram, in the order it appears
    QAbstractButton* Option1 = nullptr;
    bool exiting_ = false;
    Pause exitPause_;
};

}  // namespace ui
