// Where things go in the right-hand panel, in the font's 640 x 480 units
// over its viewport (1.25 pixels a unit upwards, of which the first 384
// across can be seen). Each player takes two lines: the name, whole, then
// the money and a chip for every property the player owns. The deed card
// stands below, as large as the players leave room for, over its caption.
#pragma once

constexpr int kPanelNameX = 10;
constexpr int kPanelMoneyX = 10;
constexpr int kPanelChipsX = 150;

constexpr int PanelNameY(int player)
{
    return 450 - 36 * player;
}

constexpr int PanelMoneyY(int player)
{
    return PanelNameY(player) - 17;
}

// The deed card's caption: its left edge and its three lines' heights.
constexpr int kCaptionX = 66;
constexpr int kCaptionY[3] = {48, 30, 12};

struct DeedPlacement {
    float scale;  // of the card's size
    float lift;   // panel units the card's foot rises
};

DeedPlacement PlaceDeedCard(int players);
