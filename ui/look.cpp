// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of the tables' twips and colours into Qt geometry, fonts and palettes.
#include "ui/look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

#include "ui/scaled_style.h"

namespace ui {
namespace {

struct Roles {
    QPalette::ColorRole fore;
    QPalette::ColorRole back;
    bool fill;  // the widget paints its rectangle only when asked to
};

Roles RolesOf(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget)) return {QPalette::Text, QPalette::Base, false};
    if (qobject_cast<const QPushButton*>(widget))
        return {QPalette::ButtonText, QPalette::Button, false};
    // Option buttons draw their caption with WindowText but fill their rectangle with Button.
    if (qobject_cast<const QAbstractButton*>(widget))
        return {QPalette::WindowText, QPalette::Button, true};
    return {QPalette::WindowText, QPalette::Window, true};
}

void SetRole(QWidget* widget, QPalette::ColorRole role, Rgb rgb) {
    QPalette palette = widget->palette();
    const QColor colour = rgb == kDefault ? QApplication::palette().color(role) : ToColor(rgb);
    palette.setColor(QPalette::All, role, colour);
    widget->setPalette(palette);
}

}  // namespace

QRect PxRect(double left, double top, double width, double height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

QColor ToColor(Rgb rgb) {
    return QColor::fromRgb(rgb & 0xFFFFFF);
}

QFont ArialFont(double points, bool bold, bool italic) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void SetForeground(QWidget* widget, Rgb rgb) {
    SetRole(widget, RolesOf(widget).fore, rgb);
}

void SetBackground(QWidget* widget, Rgb rgb) {
    const Roles roles = RolesOf(widget);
    SetRole(widget, roles.back, rgb);
    if (roles.fill) widget->setAutoFillBackground(true);
}

QColor Foreground(const QWidget* widget) {
    return widget->palette().color(RolesOf(widget).fore);
}

QColor Background(const QWidget* widget) {
    return widget->palette().color(RolesOf(widget).back);
}

QPalette FixedPalette() {
    // Fusion's own palette: light, whatever the desktop's colour scheme.
    return QApplication::style()->standardPalette();
}

void InitApplicationLook() {
    QApplication::setStyle(new ScaledStyle);
    QFont font = QApplication::font();
    font.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(font);
}

}  // namespace ui
