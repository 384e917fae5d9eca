// Centred vertically on the anchor; on its left when the anchor's centre is in the right
// half of the screen (or exactly at its middle), on its right otherwise.
#include "ui/placement.h"

namespace ui {

HelpPlacement PlaceHelp(const TwipsRect& anchor, const TwipsRect& help, float screenWidth) {
    HelpPlacement placement{0, 0, anchor.left};
    placement.helpTop = (anchor.height - help.height) / 2 + anchor.top;
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
