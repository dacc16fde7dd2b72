// The viewport, scissor and pointer calls of the 800 x 600 drawing area,
// through the window's current fit.
#pragma once

#include "layout_fit.h"

// glViewport and glScissor of a rectangle of the drawing area.
void SetLayoutViewport(const CLayoutFit& fit, int x, int y, int width, int height);
void SetLayoutScissor(const CLayoutFit& fit, int x, int y, int width, int height);
