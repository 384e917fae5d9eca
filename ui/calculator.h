// SPDX-License-Identifier: GPL-3.0-or-later
// What the concrete and mortar windows share around "CALCULS": the three inputs read as the
// user typed them, their refusals shown in the fixed order (dosage, volume, capacity), the
// results written into the boxes whose rows name a field, and what "X" empties, in order.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <optional>
#include <variant>

#include "calc/calc.h"
#include "ui/numbers.h"
#include "ui/screen.h"

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

}  // namespace ui
