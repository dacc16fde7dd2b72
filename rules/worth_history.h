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
// A player's cash and estate together.
int64_t WorthOf(const CGame& game, int player);

// A game nobody loses can last hundreds of thousands of turns, and the save
// carries the history: it keeps at most kMostEntries entries, the turns
// 0, s, 2s, ... for a stride s that doubles whenever they would be more,
// and the latest turn besides, so that the chart still spans the whole game.
class CWorthHistory {
public:
    static constexpr int kMostEntries = 1000;

    virtual ~CWorthHistory() = default;

    // Starts again with one entry: every player in the table, by seat.
    void Start(const CGame& game);
    // One entry: the worth of every player in play, by seat.
    void Record(const CGame& game);

    int Entries() const { return static_cast<int>(m_Entries.size()); }
    // The turns recorded since the start.
    int64_t Turns() const { return m_nTurns; }
    // Whether the entries are the ones the turns and the stride keep: a save
    // read back must be.
    bool Consistent() const;
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
    void Keep(const Entry& entry);
    void Thin();
    bool HasTail() const { return m_nTurns % m_nStride != 0; }

    std::vector<Entry> m_Entries;
    int64_t m_nTurns = 0;
    int64_t m_nStride = 1;
};
