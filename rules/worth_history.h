// What each player was worth, turn after turn: money plus what their
// properties and buildings are worth. The game's end draws it as a chart.
#pragma once

#include <cstdint>
#include <vector>

#include "player.h"

class CGame;

// Worth of a player's properties: the price of each, less the mortgage
// still owed, plus what its buildings cost.
int EstateValue(const CGame& game, int player);

class CWorthHistory {
public:
    virtual ~CWorthHistory() = default;

    // Starts again with one entry: every player in the table, by seat.
    void Start(const CGame& game);
    // One entry: the worth of every player in play, by seat.
    void Record(const CGame& game);

    int Entries() const { return static_cast<int>(m_Entries.size()); }
    // A seat's worth at each entry from the first, its last value the 0 of
    // the turn it fell; empty for a seat that never played.
    std::vector<int64_t> Line(int seat) const;
    // The largest worth recorded, at least 1: the chart's scale.
    int64_t Highest() const;

private:
    // A save carries the entries.
    friend struct SaveAccess;

    struct Entry {
        int64_t worth[kPlayerSlots];  // 0 for a seat out of play
        bool inPlay[kPlayerSlots];
    };
    void Add(const CGame& game, bool onlyCurrent);

    std::vector<Entry> m_Entries;
};
