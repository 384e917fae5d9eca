// SPDX-License-Identifier: GPL-3.0-or-later
// Centred vertically on the anchor, moved up where its bottom would leave the screen; on its
// left when the anchor's centre is in the right half of the screen (or exactly at its middle),
// on its right otherwise.
#include "ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/look.h"

namespace ui {

namespace {

TwipsRect OuterTwips(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    return {float(Twips(outer.left())), float(Twips(outer.top())), float(Twips(outer.width())),
            float(Twips(outer.height()))};
}

// Up until the bottom is on the screen, but never above its top, and never down.
float KeepBottomOnScreen(float top, float height, float screenHeight) {
    if (top + height <= screenHeight) return top;
    return std::min(top, std::max(screenHeight - height, 0.0f));
}

}  // namespace

HelpPlacement PlaceHelp(const TwipsRect& anchor, const TwipsRect& help, float screenWidth,
                        float screenHeight) {
    HelpPlacement placement{0, 0, anchor.left};
    placement.helpTop = KeepBottomOnScreen((anchor.height - help.height) / 2 + anchor.top,
                                           help.height, screenHeight);
    const float anchorCentre = anchor.left + anchor.width / 2;
    const float screenMiddle = screenWidth / 2;
    if (screenMiddle <= anchorCentre) {
        if (anchor.left < help.width) {
            placement.anchorLeft = help.width + 10;
            placement.helpLeft = 10;
        } else {
            placement.helpLeft = anchor.left - help.width;
        }
        return placement;
    }
    const float rightEdge = anchor.width + anchor.left + help.width;
    if (rightEdge >= screenWidth)
        placement.anchorLeft = screenWidth - help.width - anchor.width - 10;
    placement.helpLeft = anchor.width + placement.anchorLeft;
    return placement;
}

void PlaceBesideAnchor(QWidget* help, QWidget* anchor) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const TwipsRect anchorRect = OuterTwips(anchor);
    const HelpPlacement placement = PlaceHelp(
        anchorRect, OuterTwips(help), float(Twips(screen.width())), float(Twips(screen.height())));
    // The top first, then the anchor when it moves, then the help window's left.
    help->move(help->pos().x(), Px(placement.helpTop));
    if (placement.anchorLeft != anchorRect.left)
        anchor->move(Px(placement.anchorLeft), anchor->frameGeometry().top());
    help->move(Px(placement.helpLeft), Px(placement.helpTop));
}

void CentreOnScreen(QWidget* window) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = window->frameGeometry();
    const float top = (float(Twips(screen.height())) - float(Twips(outer.height()))) / 2;
    const float left = (float(Twips(screen.width())) - float(Twips(outer.width()))) / 2;
    window->move(Px(left), Px(top));
}

void BringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace ui
