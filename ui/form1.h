// The concrete calculator window: three inputs, "CALCULS" with the menu's prices, the
// results written with their patterns, "X", and the information note about water.
#pragma once

#include <QWidget>

#include "calc/prices.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class Form1 : public QWidget {
    Q_OBJECT
  public:
    Form1();

    void Form_Load();
    void CmdCalcul_Click();
    void CmdEffacer_Click();
    void CmdInfo_Click();
    void CmdQuitterInfo_Click();
    void CmdRetour1_Click();
    void CmdAideBet_Click();
    void CmdImprimer_Click();

    // Opened by the menu's "OK": centred, shown, results hidden.
    void OpenFromMenu();
    void SetResultAreaVisible(bool visible);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool InputsAccepted(double dosage, double volume, double contenance);

    QLineEdit* TxtDosage;
    QLineEdit* TxtVolume;
    QLineEdit* TxtContenance;
    QLabel* LblMauvaisDos;
    QLabel* LblPlageDosage1;
    QLabel* LblErrVolBet;
    QLabel* LblErrCont;
    QLabel* LblInfo;
    QLabel* Label29;
    QPushButton* CmdCalcul;
    QPushButton* CmdEffacer;
    QPushButton* CmdInfo;
    QPushButton* CmdQuitterInfo;
    QPushButton* CmdRetour1;
    QPushButton* CmdAideBet;
    QPushButton* CmdImprimer;
    calc::MaterialPrices pricesUsed_;  // by the results shown, for the printed page
};

}  // namespace ui
