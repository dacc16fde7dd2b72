// Text and marks drawn over the board view: the answer words, a computer
// player's priced offer, and the final standings.
#pragma once

#include <string>
#include <vector>

#include "frame.h"

// Draws what the game's state asks for on every frame: the pending question
// (unless the frame shows a message of its own), the offer while it waits
// for an answer, the standings once the game is over. Expects the board
// view's viewport.
void DrawBoardOverlays(bool withQuestion);

void DrawAnswerWords();
void DrawOfferBox(const PricedOffer& offer);
void DrawMessageLines(const char* text);

// The lines shown once the game is over.
void SetStandings(const std::vector<std::string>& lines);
