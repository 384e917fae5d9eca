// Centred vertically on the anchor, moved up where its bottom would leave the screen; on its
// left when the anchor's centre is in the right half of the screen (or exactly at its middle),
// on its right otherwise.
#include "ui/placement.h"

#include <algorithm>

namespace ui {

namespace {

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

}  // namespace ui
