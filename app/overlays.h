// Text and marks drawn over the board view: the answer words, a computer
// player's priced offer, and the game's end.
#pragma once

#include <string>
#include <vector>

#include "frame.h"

// Draws what the game's state asks for on every frame: the pending question
// (unless the frame shows a message of its own), the offer while it waits
// for an answer, the end screen once the game is over. Expects the board
// view's viewport.
void DrawBoardOverlays(bool withQuestion);

void DrawAnswerWords();
void DrawOfferBox(const PricedOffer& offer);
void DrawMessageLines(const char* text);

// Fills a rectangle given in the font's 640 x 480 units over the board
// view, with the given colour and alpha.
void FillFontRect(float x0, float y0, float x1, float y1, float r, float g, float b, float a);
