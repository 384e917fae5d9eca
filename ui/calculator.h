// SPDX-License-Identifier: GPL-3.0-or-later
// What the concrete and mortar windows share: opened by the menu and back to it, "INFOS", the
// menu's prices for "CALCULS" and on the printed page; around "CALCULS", the three inputs read
// as the user typed them, their refusals shown in the fixed order (dosage, volume, capacity),
// the results written into the boxes whose rows name a field, and what "X" empties, in order.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <optional>
#include <variant>

#include "calc/calc.h"
#include "ui/numbers.h"
#include "ui/screen.h"

class QScreen;

namespace ui {

// The menu's prices as a calculator gets them: checked, or nothing when one is refused (the
// menu then shows which).
using PriceSource = std::function<std::optional<calc::MaterialPrices>()>;

struct Inputs {
    double dosage, volume, contenance;
};

class InputChecks {
  public:
    // A box and the label that refuses it.
    struct Input {
        QLineEdit* box = nullptr;
        QLabel* refusal = nullptr;
    };

    InputChecks() = default;
    // showRange gets whether the dosage was accepted, to colour the window's range caption.
    InputChecks(Input dosage, Input volume, Input contenance,
                std::function<void(bool accepted)> showRange);

    Inputs Read() const;

    // Shows the refusal of the first faulty input and empties its box; hides the refusals of
    // the inputs accepted before it and leaves the later ones as they are. True when all three
    // are accepted.
    bool Accept(std::optional<calc::InputError> error) const;

  private:
    Input dosage_, volume_, contenance_;
    std::function<void(bool)> showRange_;
};

// Runs hideResults whenever the user changes the text of an input box of the window.
void HideResultsOnEdit(QWidget* window, const WindowDef& def, std::function<void()> hideResults);

// Writes each field of the mix into the box whose row names it, with the field's pattern.
template <class Mix>
void WriteResults(QWidget* window, const WindowDef& def, const Mix& mix) {
    for (const ControlDef& row : def.controls)
        if (const auto* field = std::get_if<double Mix::*>(&row.field))
            Find<QLineEdit>(window, row.name)
                ->setText(ShowNumber(mix.**field, calc::Pattern(*field)));
}

// Empties the boxes and hides the labels that "X" empties, in the window's order.
void EmptyInOrder(QWidget* window, const WindowDef& def);

// Empties the text boxes whose rows have the flag.
void EmptyBoxes(QWidget* window, const WindowDef& def, RowFlag flag);

// A calculator window (Form1 or Form3): it says what the user asks of other windows (the menu,
// its help) and knows none of them.
class Calculator : public QWidget {
    Q_OBJECT
  public:
    // Opened by the menu's "OK" on the menu's screen: centred, in front, the keyboard on its
    // first input whatever had it when the window was hidden, results hidden.
    void OpenFromMenu(QScreen* screen);
    void SetResultAreaVisible(bool visible);

  signals:
    void MenuRequested();
    void HelpRequested();

  protected:
    // Built from its table; a change to an input hides the results computed before it.
    Calculator(const WindowDef& def, PriceSource prices);

    // What the window does besides as the menu opens it, before its results are hidden.
    virtual void OpenedFromMenu() {}
    // The menu's checked prices once the inputs are accepted, kept for the printed page; none
    // when an input or a price is refused.
    std::optional<calc::MaterialPrices> PricesFor(bool inputsAccepted);
    // The window printed with the prices of the results it shows under it.
    void Print(bool withGravel, bool noteOpen);
    // The title bar's close does what "RETOUR" does: the window lives until the exit.
    void closeEvent(QCloseEvent* event) override;

    InputChecks checks_;

  private:
    const WindowDef& def_;
    PriceSource prices_;
    calc::MaterialPrices pricesUsed_;  // by the results shown
};

}  // namespace ui
