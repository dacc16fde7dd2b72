// Which turn the game is in: a new number whenever the turn passes to the
// next player, so that a press or a key can be told from one made on an
// earlier turn.
#pragma once

#include <cstdint>

#include "game.h"

inline int64_t TurnNumber(const CGame& game)
{
    return static_cast<int64_t>(game.roundsPlayed) * kPlayerSlots + game.current;
}
