// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style: Fusion, with the indicator of an option button sized by the factor
// its window is laid out at, as the window's fonts are, so that a window laid out smaller shows
// whole option buttons.
#pragma once

#include <QProxyStyle>

namespace ui {

class ScaledStyle : public QProxyStyle {
    Q_OBJECT
  public:
    ScaledStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

}  // namespace ui
