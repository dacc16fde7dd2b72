// What changed on the board during a step, told on the console so that the
// game log also shows what the screen shows without a message: purchases,
// exchanges, mortgages and buildings.
#pragma once

#include <string>
#include <vector>

#include "tables.h"

class CGame;

struct BoardSnapshot {
    int ownerSeat[kPropertyCount];  // -1 for the bank
    int mortgaged[kPropertyCount];
    int houses[kPropertyCount];
};

BoardSnapshot TakeSnapshot(const CGame& game);

// One French line per change, in property order.
std::vector<std::string> DescribeChanges(const BoardSnapshot& before, const BoardSnapshot& after,
                                         const CGame& game);
