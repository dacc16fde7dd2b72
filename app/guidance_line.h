// The line over the board that tells the players whose turn it is and what
// the game waits for. Empty when a question or an offer speaks for itself,
// or once the game is over.
#pragma once

#include <string>

#include "game.h"

std::string GuidanceLine(const CGame& game);
