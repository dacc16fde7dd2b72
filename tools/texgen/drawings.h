// Small pictograms shared by the board squares, the deed cards and the
// icons. Each is drawn centred on (cx, cy) inside a box `size` wide.
#pragma once

#include "canvas.h"

void DrawLocomotive(cairo_t* cr, double cx, double cy, double size);
void DrawBulb(cairo_t* cr, double cx, double cy, double size);
void DrawTap(cairo_t* cr, double cx, double cy, double size);
void DrawChest(cairo_t* cr, double cx, double cy, double size);
void DrawQuestionMark(cairo_t* cr, double cx, double cy, double size, const CColour& colour);
void DrawRing(cairo_t* cr, double cx, double cy, double size);
void DrawCoins(cairo_t* cr, double cx, double cy, double size);
void DrawCar(cairo_t* cr, double cx, double cy, double size);
void DrawPoliceman(cairo_t* cr, double cx, double cy, double size);
void DrawHouse(cairo_t* cr, double cx, double cy, double size, const CColour& walls);
void DrawPadlock(cairo_t* cr, double cx, double cy, double size, bool open);
// An arrow pointing left, `length` long and `size` thick at its head.
void DrawLeftArrow(cairo_t* cr, double cx, double cy, double length, double size,
                   const CColour& colour);
