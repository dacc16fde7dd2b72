// A player's record; players are named everywhere by their index in the
// game's table.
#pragma once

#include <cstdint>

constexpr int kPlayerSlots = 8;
constexpr int kMinPlayers = 2;
constexpr int kMaxPlayers = 6;
constexpr int kNameSize = 20;  // 19 characters and the terminating zero
constexpr int32_t kStartMoney = 150000;

struct Player {
    char name[kNameSize];
    int32_t square;
    // Below zero only inside a payment. Wide because a game that no one can
    // lose keeps paying "DEPART" every lap, without end.
    int64_t money;
    int32_t color;  // index into the status panel's palette
    int32_t seat;   // seat at the start of the game, kept through eliminations
    int32_t jail;   // 0 free; 1 on entering prison, 2 and 3 after failed throws
    int32_t computer;
    int32_t level;  // a computer player's ComputerLevel
};
