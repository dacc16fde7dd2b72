#include "panel_layout.h"

#include <algorithm>

namespace {

// The panel's view: 28.87 pixels a unit upwards where the card lies; the
// card is 6 units tall and its foot 5.5 pixels above the panel's.
constexpr float kPixelsPerUnit = 28.87f;
constexpr float kCardPixels = 6 * kPixelsPerUnit;
constexpr float kCardFootPixels = 5.5f;
// Above the caption's three lines, below the players' lines with a gap.
constexpr float kCardFloor = 82;
constexpr float kGap = 8;
constexpr float kFontUnitPixels = 1.25f;
// Wider than this, the card would leave the panel.
constexpr float kLargestScale = 1.9f;

}  // namespace

DeedPlacement PlaceDeedCard(int players)
{
    const int last = std::max(players, 1) - 1;
    const float ceiling = PanelMoneyY(last) * kFontUnitPixels - kGap;
    const float scale = std::clamp((ceiling - kCardFloor) / kCardPixels, 1.0f, kLargestScale);
    return {scale, (kCardFloor - kCardFootPixels) / kPixelsPerUnit};
}
