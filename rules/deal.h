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

    bool operator==(const Deal& other) const
    {
        return asker == other.asker && partner == other.partner && askerGives == other.askerGives &&
               partnerGives == other.partnerGives && askerCash == other.askerCash &&
               partnerCash == other.partnerCash;
    }
};

constexpr uint32_t PropertyBit(int p)
{
    return 1u << p;
}

// Who owns p once the deal is done.
int OwnerAfter(const CGame& game, const Deal& deal, int p);
// Whether the deal makes the street group that begins at `first` whole
// for `player`, who does not hold it whole yet.
bool MakesGroupWhole(const CGame& game, const Deal& deal, int first, int player);
// Whether the deal gives `player` a whole group it does not hold yet.
bool CompletesGroupFor(const CGame& game, const Deal& deal, int player);
// The cash `player`, one of the deal's sides, receives (below 0: pays).
int64_t CashFor(const Deal& deal, int player);
// The properties `player`, one of the deal's sides, gives and gets.
uint32_t GivenBy(const Deal& deal, int player);
uint32_t GottenBy(const Deal& deal, int player);

// Nothing on either side.
bool DealIsEmpty(const Deal& deal);

// Why the deal cannot be done as the board stands, or "": a side that is
// not a player in the game, a property its side does not own, a property of
// a group with buildings, cash above what a side has, an empty deal.
std::string DealRefusal(const CGame& game, const Deal& deal);

// The deal told whole:
// "Anne échange RUE LECOURBE et 5.000 F contre GARE DU NORD avec Bruno".
// Each side's properties come in the board's order, then its cash; a side
// that gives nothing reads "rien":
// "Anne échange 5.000 F contre rien avec Bruno".
std::string DealText(const CGame& game, const Deal& deal);
