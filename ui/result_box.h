// SPDX-License-Identifier: GPL-3.0-or-later
// A text box that shows a result: whatever the text, all of it is seen, because the box's font
// shrinks just enough when the text is wider than the box at its own font, on the same baseline
// and with the same inner margins.
#pragma once

#include <QFont>
#include <QLineEdit>

namespace ui {

class ResultBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit ResultBox(QWidget* parent);

    // The font the box shows a text with when the text fits; the shown font may be smaller.
    void setDesignFont(const QFont& font);

  private:
    QRect contents() const;
    void FitFont();
    // The top text margin that puts a smaller font's baseline on the design font's.
    int Lowered(const QFont& fitted) const;

    QFont designFont_;
};

}  // namespace ui
