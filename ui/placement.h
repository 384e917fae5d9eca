// Where a help window goes beside the window it explains (its anchor), in single-precision
// twips; the anchor may have to move sideways to make room.
#pragma once

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

}  // namespace ui
