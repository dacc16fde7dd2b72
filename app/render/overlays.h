// Text and marks drawn over the board view: the answer words, held
// messages, a computer player's priced offer, the notice of a new speed.
// Each expects the board view's viewport; the font's 640 x 480 units span
// it.
#pragma once

#include <string>

#include "frame.h"
#include "gl_text.h"

class CGame;

void DrawAnswerWords(glText& text);
void DrawMessageLines(glText& text, const char* message);
void DrawOfferBox(glText& text, const CGame& game, const PricedOffer& offer);
void DrawNotice(glText& text, const std::string& notice);

// Fills a rectangle given in the font's units, with the given colour and
// alpha.
void FillFontRect(float x0, float y0, float x1, float y1, float r, float g, float b, float a);
// White text at a point of the font's units.
void PrintWhite(glText& text, int x, int y, const char* line, float scale = 1.0f);
