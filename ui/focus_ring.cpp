// SPDX-License-Identifier: GPL-3.0-or-later
// Repainted at every change of the focus; paints nothing when the window has no focus.
#include "ui/focus_ring.h"

#include <QApplication>
#include <QPainter>
#include <QRegion>
#include <cmath>

#include "ui/look.h"

namespace ui {
namespace {

// Black or white, whichever has the larger contrast with the colour: at least 4.5:1 for any
// colour, since black and white meet at a relative luminance of about 0.18.
QColor StandOut(const QColor& beside) {
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(beside.redF()) + 0.7152 * linear(beside.greenF()) +
                             0.0722 * linear(beside.blueF());
    return (luminance + 0.05) / 0.05 >= 1.05 / (luminance + 0.05) ? QColor(Qt::black)
                                                                  : QColor(Qt::white);
}

}  // namespace

FocusRing::FocusRing(QWidget* window) : QWidget(window) {
    setGeometry(window->rect());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, [this] { update(); });
}

void FocusRing::setBand(int pixels) {
    band_ = pixels;
    update();
}

void FocusRing::paintEvent(QPaintEvent*) {
    const QWidget* focus = window()->isActiveWindow() ? window()->focusWidget() : nullptr;
    if (!focus || focus == this || !focus->isVisible()) return;
    const QRect control(focus->mapTo(window(), QPoint(0, 0)), focus->size());
    const QRect inner = control.adjusted(-band_, -band_, band_, band_);
    const QRect outer = inner.adjusted(-band_, -band_, band_, band_);
    // Only the two bands are painted: the control itself stays as it is.
    QPainter painter(this);
    painter.setClipRegion(QRegion(outer) - QRegion(inner));
    painter.fillRect(outer, StandOut(Background(focus->parentWidget())));
    painter.setClipRegion(QRegion(inner) - QRegion(control));
    painter.fillRect(inner, StandOut(Background(focus)));
}

}  // namespace ui
