// The mortar calculator window: the four dosage ranges, three inputs, "CALCULS" with the
// menu's prices, the results written with their patterns, and "X".
#pragma once

#include <QWidget>

#include "calc/prices.h"
#include "calc/ranges.h"
#include "ui/look.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class Form3 : public QWidget {
    Q_OBJECT
  public:
    Form3();

    void CmdCalcul2_Click();
    void CmdEffacer2_Click();
    void CmdRetour2_Click();
    void CmdAideInfoMortier_Click();
    void CmdImprimer2_Click();
    void OptDose_Click(const calc::DosageRange& range);

    // Opened by the menu's "OK": centred, shown, results hidden, the selected range's caption.
    void OpenFromMenu();
    void SetResultAreaVisible(bool visible);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    const calc::DosageRange& SelectedRange() const;
    void ShowRange(const calc::DosageRange& range, Rgb colour);
    bool InputsAccepted(double dosage, double volume, double contenance,
                        const calc::DosageRange& range);
    void Refuse();
    void ClearInputs();

    QLineEdit* TxtDosage2;
    QLineEdit* TxtVolMortier;
    QLineEdit* TxtContenance2;
    QLineEdit* TxtEauTotL3;
    QLineEdit* TxtEauTot3;
    QLabel* LblMauvaisDos2;
    QLabel* LblPlageDosage;
    QLabel* LblErrVolBet2;
    QLabel* LblErrCont2;
    QLabel* Lab13;
    QPushButton* CmdCalcul2;
    QPushButton* CmdEffacer2;
    QPushButton* CmdRetour2;
    QPushButton* CmdAideInfoMortier;
    QPushButton* CmdImprimer2;
    calc::MaterialPrices pricesUsed_;  // by the results shown, for the printed page
};

}  // namespace ui
