// The menu window: the four prices with their checks, the choice between the concrete and
// the mortar calculator, "X" for the prices, "INFOS" and the exit with its monogram.
#pragma once

#include <QWidget>
#include <functional>

#include "calc/prices.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class Form2 : public QWidget {
    Q_OBJECT
  public:
    Form2();

    void CmdOk_Click();
    void CmdEffacerP_Click();
    void CmdAideMenu_Click();
    void CmdQuitter_Click();

    // The prices as the four boxes hold them now; an empty box reads 0.
    calc::MaterialPrices ReadPrices() const;
    // The checks of "OK", in order, stopping at the first price out of range.
    bool CheckPrices();
    // The same checks for a calculator: a refused price brings the menu to the front.
    bool CheckPricesForCalculator();

    // Start-up: the error labels and the monogram letters disappear.
    void HideStartLabels();
    // "RETOUR" from a calculator: the menu in front where it stands, the calculator hidden.
    void ShowFromCalculator(QWidget* calculator);

    // Runs the action once a pause of the exit is over; by default a timer, so that the
    // program waits without working and goes on drawing.
    using Pause = std::function<void(int milliseconds, std::function<void()> action)>;
    void setExitPause(Pause pause);

  signals:
    // The user changed a price: results computed with the old prices must not stay shown.
    void PricesEdited();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void HideErrorLabels();
    void ExitStep(int step);

    QLineEdit* TxtPrixCiment;
    QLineEdit* TxtPrixSable;
    QLineEdit* TxtPrixGravier;
    QLineEdit* TxtPrixTransport;
    QLabel* LblErrCim;
    QLabel* LblErrSab;
    QLabel* LblErrGrav;
    QLabel* LblErrTrans;
    QLabel* LblLogo1;
    QLabel* LblLogo2;
    QLabel* LblLogo3;
    QAbstractButton* Option1;
    QPushButton* CmdOk;
    QPushButton* CmdEffacerP;
    QPushButton* CmdAideMenu;
    QPushButton* CmdQuitter;
    bool exiting_ = false;
    Pause exitPause_;
};

}  // namespace ui
