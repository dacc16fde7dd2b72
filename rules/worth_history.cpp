#include "worth_history.h"

#include <algorithm>

#include "game.h"

int EstateValue(const CGame& game, int player)
{
    int worth = 0;
    for (const Property& property : game.properties) {
        if (property.owner != player)
            continue;
        worth += property.price - (property.mortgaged ? property.mortgageValue : 0);
        worth += property.houses * property.houseCost;
    }
    return worth;
}

void CWorthHistory::Start(const CGame& game)
{
    m_Entries.clear();
    Add(game, false);
}

// Once the game is over the loser's record stays in the table, but only the
// winner is still in play. A new game may find the last one's end marked.
void CWorthHistory::Record(const CGame& game)
{
    Add(game, game.gameOver != 0);
}

void CWorthHistory::Add(const CGame& game, bool onlyCurrent)
{
    Entry entry{};
    for (int i = 0; i < game.playerCount && i < kPlayerSlots; ++i) {
        if (onlyCurrent && i != game.current)
            continue;
        const int seat = game.players[i].seat;
        if (seat < 0 || seat >= kPlayerSlots)
            continue;
        entry.worth[seat] = game.players[i].money + EstateValue(game, i);
        entry.inPlay[seat] = true;
    }
    m_Entries.push_back(entry);
}

std::vector<int64_t> CWorthHistory::Line(int seat) const
{
    std::vector<int64_t> line;
    if (seat < 0 || seat >= kPlayerSlots)
        return line;
    bool wasInPlay = false;
    for (const Entry& entry : m_Entries) {
        if (entry.inPlay[seat])
            line.push_back(entry.worth[seat]);
        else if (wasInPlay)
            line.push_back(0);  // the turn the seat went bankrupt
        wasInPlay = entry.inPlay[seat];
    }
    return line;
}

int64_t CWorthHistory::Highest() const
{
    int64_t highest = 1;
    for (const Entry& entry : m_Entries)
        for (int64_t worth : entry.worth)
            highest = std::max(highest, worth);
    return highest;
}
