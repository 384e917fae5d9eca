// SPDX-License-Identifier: GPL-3.0-or-later
// An option button drawn as a push button: raised while not selected, pressed in (sunken, its
// caption moved down and right) while selected, so that the choice shows at a glance.
#pragma once

#include <QPushButton>

namespace ui {

class GraphicalOption : public QPushButton {
    Q_OBJECT
  public:
    explicit GraphicalOption(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
