// The acts that a computer player which plays to win never commits; the
// simulator counts them for every level.
#pragma once

#include <cstdint>

class CGame;
struct Deal;

enum FoolishAct {
    // Gives away the street that completes another player's group, without
    // completing a group of at least the same price in return or being paid
    // the difference.
    kGivesLastStreet,
    // Gives away one of its two streets of a group of three that no one
    // holds whole, without getting the third.
    kBreaksTwoThirds,
    // Lifts the mortgage of a property outside its whole groups while one of
    // its whole groups stands below three houses.
    kLiftsLooseMortgage,
    // Pays for an exchange and keeps less cash than the largest rent that
    // another player can charge it.
    kPaysBelowLargestRent,
    kFoolishActCount,
};

// The names the simulator prints: "gives_last_street", ...
extern const char* const kFoolishActNames[kFoolishActCount];

// The acts, one bit each (1 << FoolishAct), that `player` commits by giving
// `gives` for `gets` and receiving `cash` (below 0: paying it), judged on
// the board before the exchange.
unsigned FoolishSwap(const CGame& game, int player, int gives, int gets, int cash);
// The same acts for `player`, one side of a deal, whatever the number of
// properties on each side.
unsigned FoolishDeal(const CGame& game, int player, const Deal& deal);
// Whether the current player's lifting of the mortgage of p is foolish.
bool FoolishLift(const CGame& game, int p);

// How many streets of p's group `player` holds.
int StreetsHeld(const CGame& game, int p, int player);
// The total price of the streets of p's group; 0 for a station or utility.
int32_t GroupPrice(int p);
// The largest rent that another player's property can charge `player` as
// the board stands; a utility's counts for a throw of 12.
int32_t LargestRentAgainst(const CGame& game, int player);
