// SPDX-License-Identifier: GPL-3.0-or-later
// The mortar calculator window: the four dosage ranges, three inputs, "CALCULS" with the menu's
// prices, the results written with their patterns, and "X". It says what the user asks of
// other windows (the menu, its help) and knows none of them.
#pragma once

#include <QWidget>

#include "ui/calculator.h"
#include "ui/look.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScreen;

namespace ui {

class Form3 : public QWidget {
    Q_OBJECT
  public:
    explicit Form3(PriceSource prices);

    // Opened by the menu's "OK" on the menu's screen: centred, shown, results hidden, the
    // selected range's caption.
    void OpenFromMenu(QScreen* screen);
    void SetResultAreaVisible(bool visible);

  signals:
    void MenuRequested();
    void HelpRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CmdCalcul2_Click();
    void CmdEffacer2_Click();
    void CmdRetour2_Click();
    void CmdAideInfoMortier_Click();
    void CmdImprimer2_Click();
    void OptDose_Click(const calc::DosageRange& range);
    const calc::DosageRange& SelectedRange() const;
    void ShowRange(const calc::DosageRange& range, Rgb colour);
    void Refuse();

    PriceSource prices_;
    QLabel* LblMauvaisDos2 = nullptr;
    QLabel* LblPlageDosage = nullptr;
    QLabel* Lab13 = nullptr;
    InputChecks checks_;
    calc::MaterialPrices pricesUsed_;  // by the results shown, for the printed page
};

}  // namespace ui
