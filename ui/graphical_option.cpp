// SPDX-License-Identifier: GPL-3.0-or-later
// The bevel's light and dark edges are shades of the button's own colour, never the theme's.
#include "ui/graphical_option.h"

#include <qdrawutil.h>
#include <QPainter>

namespace ui {

GraphicalOption::GraphicalOption(QWidget* parent) : QPushButton(parent) {
    setCheckable(true);
    setAutoExclusive(true);
    setAutoDefault(true);  // "Entrée" selects the option that has the focus
}

void GraphicalOption::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette shades(palette().color(QPalette::Button));
    const QBrush face = shades.button();
    qDrawWinButton(&painter, rect(), shades, isChecked(), &face);
    const int pressedShift = isChecked() ? 1 : 0;
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect().translated(pressedShift, pressedShift), Qt::AlignCenter, text());
}

}  // namespace ui
