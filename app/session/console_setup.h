// The dialogue on the console before the window opens: the players, their
// names, who the computer plays, and full screen or window.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

class CGame;

// Asks for the players and fills the game's count, names, computer flags and
// set-up copy. False when the input ends before every answer was given.
bool ReadPlayers(std::istream& in, std::ostream& out, CGame& game);

// Copies the players as they sit down into the game's set-up record.
void CopySetupPlayers(CGame& game);

// Gives every computer player of the set-up this level, and a new game its
// turn limit (0 for none).
void SetUpComputersAndLimit(CGame& game, int32_t level, int32_t turnLimit);

// The options screen's line of the computer levels in play:
// "Niveaux : Facile, Fort", "Niveau : Normal" or "Niveaux : aucun ordinateur".
std::string LevelsInPlayLabel(const CGame& game);

// Asks "full screen or window?". False when the input ends first.
bool ReadFullScreen(std::istream& in, std::ostream& out, bool& fullScreen);

// What the console says when the input ends during the dialogue.
extern const char kEndOfInputMessage[];
