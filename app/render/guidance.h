// Draws the guidance line at the top of the board view and the tooltip of
// the icon or die under the resting pointer. Expects the board view's
// viewport.
#pragma once

#include <cstdint>

#include "gl_text.h"
#include "tooltips.h"

class CGame;

void DrawGuidance(glText& text, const CGame& game);
void DrawTooltip(glText& text, const CHover& hover, const CGame& game, uint32_t now);
