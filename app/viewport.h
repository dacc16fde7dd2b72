// The window's current fit of the 800 x 600 drawing area, kept up to date by
// the reshape callback, and the viewport, scissor and pointer calls that go
// through it.
#pragma once

#include "layout_fit.h"

// The GLUT reshape callback.
void OnReshape(int width, int height);
const CLayoutFit& CurrentFit();

// glViewport and glScissor of a rectangle of the drawing area.
void SetLayoutViewport(int x, int y, int width, int height);
void SetLayoutScissor(int x, int y, int width, int height);
// A pointer position reported by GLUT, in the drawing area.
PixelPoint PointerInLayout(int x, int y);
