// Draws the guidance line at the top of the board view and the tooltip of
// the icon or die under the resting pointer.
#pragma once

#include <cstdint>

#include "tooltips.h"

// Where the pointer rests over the window, moved by the passive motion
// callback.
extern CHover g_Hover;

// The GLUT passive motion callback (the pointer moves with no button held).
void OnPassiveMotion(int x, int y);
// Whether the tooltip shown changes at `now`, so that a resting game draws
// the frame that shows it.
bool TooltipChanges(uint32_t now);
// Expects the board view's viewport.
void DrawGuidance();
