// Where points of the game's frame land in the 800 x 600 window, in its
// board view (0, 50, 500, 600), lower strip (0, 0, 500, 100) and panel
// (500, 0, 500, 600); each loads its pane's viewport and projection.
#pragma once

#include "app.h"
#include "gl_test_env.h"
#include "vector.h"

// The one application of the test program, its scene built on first use;
// it plays at "Instantanée" unless a test says otherwise.
CApp& TheApp();

// The camera as after the flight to the view from above.
void ViewFromAbove();
WindowPixel OnBoard(const CVector& world);
WindowPixel InStrip(const CVector& point);
WindowPixel InPanel(const CVector& point);
// A point of the board in a square's own frame: x along the square, z from
// its outer edge in.
CVector SquarePoint(int square, float x, float y, float z);
