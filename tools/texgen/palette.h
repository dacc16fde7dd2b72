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

constexpr CColour kGroupColours[kGroupCount] = {
    {0.50, 0.26, 0.16},  // brown
    {0.58, 0.82, 0.96},  // light blue
    {0.84, 0.20, 0.58},  // pink
    {0.97, 0.56, 0.10},  // orange
    {0.88, 0.10, 0.13},  // red
    {1.00, 0.89, 0.05},  // yellow
    {0.10, 0.60, 0.28},  // green
    {0.00, 0.33, 0.68},  // dark blue
};

// The same colour, darker (factor below 1) or lighter (above 1).
CColour Shade(const CColour& colour, double factor);
