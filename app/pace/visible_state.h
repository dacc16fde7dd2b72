// A fingerprint of what the screen shows of the game's state: the players,
// the properties, the dice, whose turn it is and what the game waits for.
// The window compares it before and after a step to know whether the step
// changed anything worth a new frame.
#pragma once

#include <cstdint>

class CGame;

uint64_t VisibleStateHash(const CGame& game);
