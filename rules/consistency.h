// A check of the whole game state between two steps, for tests and the
// simulator: it names the first rule of the game that the state breaks.
#pragma once

#include <cstdint>
#include <string>

class CGame;

// "" when every rule holds, else a short description of the first broken
// one. `boardBuildings` holds the 40 building counts the frame was given,
// square by square, or is null to skip comparing them.
std::string CheckConsistency(const CGame& game, const int32_t* boardBuildings);
