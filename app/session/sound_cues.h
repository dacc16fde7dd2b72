// What the players hear of the game: the sound of what changed on the
// board or in a purse between two moments of a step, read from the game's
// state alone, so the rules need no word of sound. The dice, the pawn's
// steps, a bankruptcy and the winner are heard where the frame shows them.
#pragma once

#include <cstdint>

#include "board_changes.h"
#include "player.h"
#include "sound_table.h"

class CGame;

struct HeardState {
    BoardSnapshot board;
    // By seat, as players leave the table.
    int64_t money[kPlayerSlots];
    int32_t jail[kPlayerSlots];
    int currentSeat;
    // The player whose turn it is stands on another player's street.
    bool onOthersStreet;
    int32_t chestNext;
    int32_t chanceNext;
};

HeardState TakeHeardState(const CGame& game);

// The most telling sound of what changed from `before` to `after`; false
// when nothing changed that is heard.
bool SoundOfChange(const HeardState& before, const HeardState& after, SoundEvent& sound);
