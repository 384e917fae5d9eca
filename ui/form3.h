// SPDX-License-Identifier: GPL-3.0-or-later
// The mortar calculator window: the four dosage ranges, three inputs, "CALCULS" with the menu's
// prices, the results written with their patterns, and "X".
#pragma once

#include "ui/calculator.h"
#include "ui/look.h"

class QLabel;

namespace ui {

class Form3 : public Calculator {
    Q_OBJECT
  public:
    explicit Form3(PriceSource prices);

  protected:
    // "Mauvais dosage" hidden, the selected range's caption shown.
    void OpenedFromMenu() override;

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

    QLabel* LblMauvaisDos2 = nullptr;
    QLabel* LblPlageDosage = nullptr;
    QLabel* Lab13 = nullptr;
};

}  // namespace ui
