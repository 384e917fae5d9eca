// SPDX-License-Identifier: GPL-3.0-or-later
// Paints a line of a given colour and width inside its own small rectangle.
#include "ui/line_widget.h"

#include <QPainter>

namespace ui {

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setEnds(QPoint from, QPoint to, int penWidth) {
    // A wider pen thickens the rule across its direction only.
    QRect box = QRect(from, to).normalized();
    if (box.height() == 1)
        box.setHeight(penWidth);
    else
        box.setWidth(penWidth);
    setGeometry(box);
}

void LineWidget::setLineColor(const QColor& colour) {
    colour_ = colour;
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    // Every rule is horizontal or vertical: the widget is the line itself.
    QPainter(this).fillRect(rect(), colour_);
}

}  // namespace ui
