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

int64_t WorthOf(const CGame& game, int player)
{
    return game.players[player].money + EstateValue(game, player);
}

void CWorthHistory::Start(const CGame& game)
{
    m_Entries.clear();
    m_nTurns = 0;
    m_nStride = 1;
    Add(game, false);
}

// Once the game is over the loser's record stays in the table, but only the
// winner is still in play. A new game may find the last one's end marked.
void CWorthHistory::Record(const CGame& game)
{
    ++m_nTurns;
    Add(game, game.gameOver != 0);
}

bool CWorthHistory::Consistent() const
{
    const bool powerOfTwo = m_nStride > 0 && (m_nStride & (m_nStride - 1)) == 0;
    return powerOfTwo && m_nTurns >= 0 &&
           static_cast<int64_t>(m_Entries.size()) == m_nTurns / m_nStride + 1 + (HasTail() ? 1 : 0) &&
           m_Entries.size() <= static_cast<size_t>(kMostEntries);
}

// The latest entry replaces a tail that is no longer the latest.
void CWorthHistory::Keep(const Entry& entry)
{
    const bool hadTail = m_nTurns > 0 && (m_nTurns - 1) % m_nStride != 0;
    if (hadTail)
        m_Entries.pop_back();
    m_Entries.push_back(entry);
    if (m_Entries.size() > static_cast<size_t>(kMostEntries))
        Thin();
}

// Every other turn of the stride goes; the latest entry stays, as the tail
// when its turn is no longer one the stride keeps.
void CWorthHistory::Thin()
{
    const Entry latest = m_Entries.back();
    if (HasTail())
        m_Entries.pop_back();
    size_t kept = 0;
    for (size_t i = 0; i < m_Entries.size(); i += 2)
        m_Entries[kept++] = m_Entries[i];
    m_Entries.resize(kept);
    m_nStride *= 2;
    if (HasTail())
        m_Entries.push_back(latest);
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
        entry.worth[seat] = WorthOf(game, i);
        entry.inPlay[seat] = true;
    }
    Keep(entry);
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
