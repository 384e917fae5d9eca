// SPDX-License-Identifier: GPL-3.0-or-later
// Where windows go on the screen, in single-precision twips of its available area (panels
// excluded): a window centred, a help window beside the window it explains (its anchor), the
// anchor moving sideways when there is no room. A window Karvo places is whole on that area,
// frame included: laid out smaller, as one piece, when its design size does not fit.
#pragma once

class QScreen;
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

// The factor of its design size a window is shown at on the area, with the frame the window
// manager adds: 1 when it fits, else the largest that fits, but never below one half.
float FitFactor(float width, float height, float frameWidth, float frameHeight,
                const TwipsRect& area);

// Outer rectangles of the anchor and the help window (only its size is used).
HelpPlacement PlaceHelp(const TwipsRect& anchor, const TwipsRect& help, const TwipsRect& area);

// Places a newly created help window beside its anchor, on the anchor's screen, moving the
// anchor when it must.
void PlaceBesideAnchor(QWidget* help, QWidget* anchor);

// Centres a window's outer rectangle, title bar included, on a screen; where the window
// manager has not yet framed it, once more on its screen as soon as the frame is known.
void CentreOnScreen(QWidget* window, QScreen* screen);

// Shows a window (never modal) in front of the others, restored if it was minimised, active.
void BringToFront(QWidget* window);

}  // namespace ui
