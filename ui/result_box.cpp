// SPDX-License-Identifier: GPL-3.0-or-later
// Fits the font to the text at every change of the text, from the design font downwards; a
// smaller font is drawn on the design font's baseline, lowered by a top text margin.
#include "ui/result_box.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace ui {
namespace {

// QLineEdit ends right-aligned text this many pixels before its contents' edge: its margin,
// the cursor and one more; a text is whole when it starts at least a pixel inside.
constexpr int kRightGap = 4;
constexpr double kStepPoints = 0.25;
constexpr double kSmallestPoints = 1;

// Where QLineEdit draws a centred line's baseline in a text rectangle of that top and height.
int Baseline(const QFont& font, int top, int height) {
    const QFontMetrics metrics(font);
    return top + (height - metrics.height() + 1) / 2 + metrics.ascent();
}

}  // namespace

ResultBox::ResultBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &ResultBox::FitFont);
}

void ResultBox::setDesignFont(const QFont& font) {
    designFont_ = font;
    FitFont();
}

QRect ResultBox::contents() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
}

void ResultBox::FitFont() {
    // Whole at the design font, the text keeps it; else it shrinks until it also keeps on its
    // left the gap it has on its right, and is drawn on the design font's baseline.
    const int width = contents().width();
    QFont fitted = designFont_;
    const auto fits = [&](int room) {
        return std::ceil(QFontMetricsF(fitted).horizontalAdvance(text())) <= room;
    };
    if (!fits(width - kRightGap - 1)) {
        while (!fits(width - 2 * kRightGap) && fitted.pointSizeF() - kStepPoints >= kSmallestPoints)
            fitted.setPointSizeF(fitted.pointSizeF() - kStepPoints);
    }
    setTextMargins(0, Lowered(fitted), 0, 0);
    if (fitted != font()) setFont(fitted);
}

int ResultBox::Lowered(const QFont& fitted) const {
    const QRect box = contents();
    const int baseline = Baseline(designFont_, box.top(), box.height());
    int lowered = 0;
    while (lowered < box.height() &&
           Baseline(fitted, box.top() + lowered, box.height() - lowered) < baseline)
        ++lowered;
    return lowered;
}

}  // namespace ui
