// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete calculator window: three inputs, "CALCULS" with the menu's prices, the results
// written with their patterns, "X", and the information note about water.
#pragma once

#include "ui/calculator.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class Form1 : public Calculator {
    Q_OBJECT
  public:
    explicit Form1(PriceSource prices);

  private:
    void CmdCalcul_Click();
    void CmdEffacer_Click();
    void CmdInfo_Click();
    void CmdQuitterInfo_Click();
    void CmdRetour1_Click();
    void CmdAideBet_Click();
    void CmdImprimer_Click();

    // 1 while the information note is shown, 0 otherwise.
    int InfoNoteShown = 0;
    QLineEdit* TxtDosage = nullptr;
    QLineEdit* TxtVolume = nullptr;
    QLineEdit* TxtContenance = nullptr;
    QLabel* LblMauvaisDos = nullptr;
    QLabel* LblPlageDosage1 = nullptr;
    QLabel* LblInfo = nullptr;
    QLabel* Label29 = nullptr;
    QPushButton* CmdQuitterInfo = nullptr;
};

}  // namespace ui
