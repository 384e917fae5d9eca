// SPDX-License-Identifier: GPL-3.0-or-later
// Colours, fonts and the twips-to-pixels conversion shared by every window: the screen
// tables give twips and #RRGGBB colours, and only this module turns them into Qt values.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <cstdint>

class QWidget;

namespace ui {

using Rgb = std::uint32_t;                   // 0xRRGGBB
inline constexpr Rgb kDefault = 0xFFFFFFFF;  // the platform's own colour

inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kGreen = 0x00FF00;
inline constexpr Rgb kPrintBackground = 0xE0E0E0;

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel; high-DPI scaling is left to Qt.
constexpr int Px(double twips) {
    const double pixels = twips / kTwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}
constexpr double Twips(int pixels) {
    return double(pixels) * kTwipsPerPixel;
}
QRect PxRect(double left, double top, double width, double height);

QColor ToColor(Rgb rgb);

// Arial with whole-pixel glyph advances, so long runs of spaces end lines as designed.
QFont ArialFont(double points, bool bold, bool italic);

// Colour roles chosen by the kind of widget: text boxes use Text/Base, push buttons
// ButtonText/Button, option buttons WindowText/Button, labels, frames and windows
// WindowText/Window.
void SetForeground(QWidget* widget, Rgb rgb);
void SetBackground(QWidget* widget, Rgb rgb);
QColor Foreground(const QWidget* widget);
QColor Background(const QWidget* widget);

// A palette that no desktop theme changes, for the windows whose colours are all fixed.
QPalette FixedPalette();

// Fusion style and full hinting on the application font, set once before any window.
void InitApplicationLook();

}  // namespace ui
