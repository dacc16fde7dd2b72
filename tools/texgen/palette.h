// The colours shared by the pictures: the board's pale green (the colour of
// the raised centre, so squares and centre match), the ink, and one colour
// per street group, as the players know them from the printed board.
#pragma once

#include "canvas.h"

#include "tables.h"

constexpr CColour kBoardGreen = {0.7529, 0.8666, 0.6784};
constexpr CColour kInk = {0.10, 0.10, 0.12};
constexpr CColour kWhite = {1.0, 1.0, 1.0};
constexpr CColour kBlack = {0.0, 0.0, 0.0};
constexpr CColour kCardWhite = {0.99, 0.98, 0.94};
constexpr CColour kRed = {0.86, 0.10, 0.12};
constexpr CColour kGold = {0.96, 0.76, 0.15};

constexpr CColour GroupColour(int group)
{
    return {kGroupRgb[group][0], kGroupRgb[group][1], kGroupRgb[group][2]};
}
constexpr CColour kGroupColours[kGroupCount] = {
    GroupColour(0), GroupColour(1), GroupColour(2), GroupColour(3),
    GroupColour(4), GroupColour(5), GroupColour(6), GroupColour(7),
};

// The same colour, darker (factor below 1) or lighter (above 1).
CColour Shade(const CColour& colour, double factor);
