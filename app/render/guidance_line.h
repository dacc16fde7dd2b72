// The line over the board that tells the players whose turn it is and what
// the game waits for. Empty when a question or an offer speaks for itself,
// or once the game is over.
#pragma once

#include <string>

#include "game.h"

// The line is drawn at this scale of the font, so that it holds on one line
// of the board view at most this many characters, a 19-letter name
// included.
constexpr float kGuidanceScale = 0.7f;
constexpr int kGuidanceChars = 65;

std::string GuidanceLine(const CGame& game);
