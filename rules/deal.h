// A deal between two players: any properties and cash on each side, done at
// once when both agree. People build one on the trade screen; a computer
// player answers one by its level's valuation, and at the strong level
// proposes its own to a person at the start of its turn.
#pragma once

#include <cstdint>
#include <string>

#include "tables.h"

class CGame;

struct Deal {
    int32_t asker = -1;    // who proposes
    int32_t partner = -1;  // who is asked
    // The properties each side gives, one bit each (1u << p).
    uint32_t askerGives = 0;
    uint32_t partnerGives = 0;
    // The cash each side pays the other.
    int32_t askerCash = 0;
    int32_t partnerCash = 0;

    bool operator==(const Deal&) const = default;
};

constexpr uint32_t PropertyBit(int p)
{
    return 1u << p;
}

// Why the deal cannot be done as the board stands, or null: a side that is
// not a player in the game, a property its side does not own, a property of
// a group with buildings, cash above what a side has, an empty deal.
const char* DealRefusal(const CGame& game, const Deal& deal);

// The deal told whole:
// "Anne échange RUE LECOURBE et 5.000 F contre GARE DU NORD avec Bruno".
std::string DealText(const CGame& game, const Deal& deal);
