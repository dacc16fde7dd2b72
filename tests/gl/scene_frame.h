// Where points of the game's frame land in the 800 x 600 window: the board
// view (0, 50, 500, 600) seen by the game's camera, the lower strip
// (0, 0, 500, 100) with the dice and the icons, and the right-hand panel
// (500, 0, 500, 600) with the deed card and the players. Each loads its
// pane's viewport and projection, as the frame does before drawing there.
#pragma once

#include "gl_test_env.h"
#include "vector.h"

// The camera straight above the board's centre, as after the flight to the
// overview.
void ViewFromAbove();
WindowPixel OnBoard(const CVector& world);
WindowPixel InStrip(const CVector& point);
WindowPixel InPanel(const CVector& point);
// A point of the board in a square's own frame: x along the square, z from
// its outer edge in.
CVector SquarePoint(int square, float x, float y, float z);
