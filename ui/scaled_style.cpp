// SPDX-License-Identifier: GPL-3.0-or-later
// Only the option buttons' indicator scales: every other size of a control comes from its row.
#include "ui/scaled_style.h"

#include <QStyleFactory>
#include <algorithm>

#include "ui/screen.h"

namespace ui {

ScaledStyle::ScaledStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int design = QProxyStyle::pixelMetric(metric, option, widget);
    if (!widget || (metric != PM_ExclusiveIndicatorWidth && metric != PM_ExclusiveIndicatorHeight))
        return design;
    return std::max(1, int(design * ScaleOfControl(widget) + 0.5));
}

}  // namespace ui
