// The dialogue on the console before the window opens: the players, their
// names, who the computer plays, and full screen or window.
#pragma once

#include <iosfwd>

class CGame;

// Asks for the players and fills the game's count, names, computer flags and
// set-up copy. False when the input ends before every answer was given.
bool ReadPlayers(std::istream& in, std::ostream& out, CGame& game);

// Asks "full screen or window?". False when the input ends first.
bool ReadFullScreen(std::istream& in, std::ostream& out, bool& fullScreen);

// What the console says when the input ends during the dialogue.
extern const char kEndOfInputMessage[];
