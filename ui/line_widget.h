// SPDX-License-Identifier: GPL-3.0-or-later
// A horizontal or vertical rule between two points, like the frame lines of the calculators.
#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

class LineWidget : public QWidget {
    Q_OBJECT
  public:
    // Points in the parent's pixels; the widget covers them and the pen width.
    LineWidget(QPoint from, QPoint to, int penWidth, QWidget* parent);

    QColor lineColor() const { return colour_; }
    void setLineColor(const QColor& colour);
    int penWidth() const { return penWidth_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int penWidth_;
    QColor colour_;
};

}  // namespace ui
