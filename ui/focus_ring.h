// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus, drawn by each window over everything else as a frame two bands wide
// around the focused control: the inner band black or white, whichever stands out more from the
// control, the outer band likewise from what lies around it; shown while the window is active.
#pragma once

#include <QWidget>

namespace ui {

class FocusRing : public QWidget {
    Q_OBJECT
  public:
    explicit FocusRing(QWidget* window);

    static constexpr int kBand = 2;  // pixels of each band at the window's design size
    void setBand(int pixels);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int band_ = kBand;
};

}  // namespace ui
