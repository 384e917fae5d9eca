// SPDX-License-Identifier: GPL-3.0-or-later
// A horizontal or vertical rule between two points, like the frame lines of the calculators.
#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

class LineWidget : public QWidget {
    Q_OBJECT
  public:
    explicit LineWidget(QWidget* parent);

    // Points in the parent's pixels; the widget covers them and the pen width.
    void setEnds(QPoint from, QPoint to, int penWidth);
    QColor lineColor() const { return colour_; }
    void setLineColor(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_ = Qt::black;
};

}  // namespace ui
