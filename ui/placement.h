// SPDX-License-Identifier: GPL-3.0-or-later
// Where windows go on the screen: a help window beside the window it explains (its anchor), in
// single-precision twips, the anchor moving sideways when there is no room; a window centred.
#pragma once

class QWidget;

namespace ui {

struct TwipsRect {
    float left, top, width, height;
};

struct HelpPlacement {
    float helpLeft, helpTop;
    float anchorLeft;  // unchanged unless there is no room on the chosen side
};

// Outer rectangles of the anchor and the help window (only its size is used).
HelpPlacement PlaceHelp(const TwipsRect& anchor, const TwipsRect& help, float screenWidth,
                        float screenHeight);

// Places a newly created help window beside its anchor, moving the anchor when it must.
void PlaceBesideAnchor(QWidget* help, QWidget* anchor);

// Centres a window's outer rectangle on the whole screen, in single-precision twips.
void CentreOnScreen(QWidget* window);

// Shows a window (never modal) in front of the others.
void BringToFront(QWidget* window);

}  // namespace ui
