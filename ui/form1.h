// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete calculator window: three inputs, "CALCULS" with the menu's prices, the results
// written with their patterns, "X", and the information note about water. It says what the user
// asks of other windows (the menu, its help) and knows none of them.
#pragma once

#include <QWidget>

#include "ui/calculator.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScreen;

namespace ui {

class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(PriceSource prices);

    // Opened by the menu's "OK" on the menu's screen: centred, shown, results hidden.
    void OpenFromMenu(QScreen* screen);
    void SetResultAreaVisible(bool visible);

  signals:
    void MenuRequested();
    void HelpRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

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
    PriceSource prices_;
    QLineEdit* TxtDosage = nullptr;
    QLineEdit* TxtVolume = nullptr;
    QLineEdit* TxtContenance = nullptr;
    QLabel* LblMauvaisDos = nullptr;
    QLabel* LblPlageDosage1 = nullptr;
    QLabel* LblInfo = nullptr;
    QLabel* Label29 = nullptr;
    QPushButton* CmdQuitterInfo = nullptr;
    InputChecks checks_;
    calc::MaterialPrices pricesUsed_;  // by the results shown, for the printed page
};

}  // namespace ui
