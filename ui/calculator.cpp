// SPDX-License-Identifier: GPL-3.0-or-later
// A calculator's opening, closing and printing; the checks of the three inputs in order, and
// the lists of boxes read from the window tables.
#include "ui/calculator.h"

#include <QCloseEvent>
#include <QDate>
#include <array>
#include <utility>

#include "ui/numbers.h"
#include "ui/placement.h"
#include "ui/printing.h"

namespace ui {

InputChecks::InputChecks(Input dosage, Input volume, Input contenance,
                         std::function<void(bool accepted)> showRange)
    : dosage_(dosage), volume_(volume), contenance_(contenance), showRange_(std::move(showRange)) {}

Inputs InputChecks::Read() const {
    return {ReadNumber(dosage_.box), ReadNumber(volume_.box), ReadNumber(contenance_.box)};
}

bool InputChecks::Accept(std::optional<calc::InputError> error) const {
    const std::array<std::pair<calc::InputError, Input>, 3> inOrder{{
        {calc::InputError::ErrDosage, dosage_},
        {calc::InputError::ErrVolume, volume_},
        {calc::InputError::ErrContenance, contenance_},
    }};
    for (const auto& [refused, input] : inOrder) {
        const bool accepted = error != refused;
        if (refused == calc::InputError::ErrDosage) showRange_(accepted);
        if (!accepted) {
            input.refusal->show();
            input.box->clear();
            return false;
        }
        input.refusal->hide();
    }
    return true;
}

void HideResultsOnEdit(QWidget* window, const WindowDef& def, std::function<void()> hideResults) {
    // textEdited, unlike textChanged, comes only from the user: refusals and "X" do not count.
    for (const ControlDef* input : RowsWith(def, Input))
        QObject::connect(Find<QLineEdit>(window, input->name), &QLineEdit::textEdited, window,
                         hideResults);
}

void EmptyInOrder(QWidget* window, const WindowDef& def) {
    for (const char* name : def.clearOrder) {
        QWidget* control = FindControl(window, name);
        if (auto* box = qobject_cast<QLineEdit*>(control))
            box->clear();
        else
            control->hide();
    }
}

void EmptyBoxes(QWidget* window, const WindowDef& def, RowFlag flag) {
    for (const ControlDef* row : RowsWith(def, flag)) Find<QLineEdit>(window, row->name)->clear();
}

Calculator::Calculator(const WindowDef& def, PriceSource prices)
    : def_(def), prices_(std::move(prices)) {
    BuildWindow(this, def);
    // Results are never shown beside inputs that the user changed since they were computed.
    HideResultsOnEdit(this, def, [this] { SetResultAreaVisible(false); });
}

void Calculator::OpenFromMenu(QScreen* screen) {
    CentreOnScreen(this, screen);
    BringToFront(this);
    FocusFirstControl(this);
    OpenedFromMenu();
    SetResultAreaVisible(false);
}

void Calculator::SetResultAreaVisible(bool visible) {
    SetGroupVisible(this, def_, ResultArea, visible);
}

std::optional<calc::MaterialPrices> Calculator::PricesFor(bool inputsAccepted) {
    // Prices typed after the menu's "OK" go through the same checks before they are used.
    const std::optional<calc::MaterialPrices> prices = inputsAccepted ? prices_() : std::nullopt;
    if (prices) pricesUsed_ = *prices;
    return prices;
}

void Calculator::Print(bool withGravel, bool noteOpen) {
    PrintWindow(this, def_,
                {PricesFootnote(pricesUsed_, withGravel, QDate::currentDate()), noteOpen});
}

void Calculator::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit MenuRequested();
}

}  // namespace ui
