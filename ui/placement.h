// SPDX-License-Identifier: GPL-3.0-or-later
// Where windows go on the screen, in single-precision twips of its available area (panels
// excluded): a window centred, a help window beside the window it explains (its anchor), the
// anchor moving sideways when there is no room. A window Karvo places keeps its title bar and
// left edge on that area, whole when it fits.
#pragma once

class QWidget;

namespace ui {

struct TwipsRect {
    float left, top, width, height;
};

struct TwipsPoint {
    float left, top;
};

struct HelpPlacement {
    float helpLeft, helpTop;
    float anchorLeft;  // unchanged unless there is no room on the chosen side
};

// Top left of a window of that outer size centred on the area.
TwipsPoint Centre(float width, float height, const TwipsRect& area);

// Outer rectangles of the anchor and the help window (only its size is used).
HelpPlacement PlaceHelp(const TwipsRect& anchor, const TwipsRect& help, const TwipsRect& area);

// Places a newly created help window beside its anchor, moving the anchor when it must.
void PlaceBesideAnchor(QWidget* help, QWidget* anchor);

// Centres a window's outer rectangle, title bar included, on its screen; where the window
// manager has not yet framed it, once more as soon as the frame is known.
void CentreOnScreen(QWidget* window);

// Shows a window (never modal) in front of the others.
void BringToFront(QWidget* window);

}  // namespace ui
