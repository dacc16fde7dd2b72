// The chart of the game's end: each player's worth over the turns, one line
// per player in the player's colour, drawn with OpenGL over the board view.
#pragma once

#include "gl_text.h"
#include "worth_history.h"

class CGame;

// A rectangle in the font's 640 x 480 space over the board view.
struct ChartBox {
    float x0, y0, x1, y1;
};

struct ChartPoint {
    float x, y;
};

// Where the worth of entry `entry` (of `entries`) falls in the box, the box's
// bottom being 0 and its top the highest worth.
ChartPoint PlaceOnChart(const ChartBox& box, int entry, int entries, int64_t worth,
                        int64_t highest);

// Draws the frame, the scale and one line per seat that played, in the
// colour the seat's player had at the start. Expects the board view's
// viewport; leaves lighting on and texturing off.
void DrawWorthChart(glText& font, const CWorthHistory& history, const CGame& game,
                    const ChartBox& box);
