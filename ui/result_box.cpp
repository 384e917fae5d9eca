// SPDX-License-Identifier: GPL-3.0-or-later
// Fits the font to the text at every change of the text, from the design font downwards.
#include "ui/result_box.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace ui {
namespace {

// QLineEdit keeps this many pixels free on each side of the text, and one for the cursor.
constexpr int kHorizontalMargin = 2;
constexpr int kCursorWidth = 1;
constexpr double kStepPoints = 0.25;
constexpr double kSmallestPoints = 1;

}  // namespace

ResultBox::ResultBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &ResultBox::FitFont);
}

void ResultBox::setDesignFont(const QFont& font) {
    designFont_ = font;
    FitFont();
}

int ResultBox::textRoom() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    const QMargins margins = textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kHorizontalMargin -
           kCursorWidth;
}

void ResultBox::FitFont() {
    QFont fitted = designFont_;
    const int room = textRoom();
    const auto fits = [&] {
        return std::ceil(QFontMetricsF(fitted).horizontalAdvance(text())) <= room;
    };
    while (!fits() && fitted.pointSizeF() - kStepPoints >= kSmallestPoints)
        fitted.setPointSizeF(fitted.pointSizeF() - kStepPoints);
    if (fitted != font()) setFont(fitted);
}

}  // namespace ui
