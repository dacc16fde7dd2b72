#include "visible_state.h"

#include <initializer_list>

#include "game.h"

namespace {

// FNV-1a, fed field by field so that padding never counts.
class CHash {
public:
    void Add(int64_t value)
    {
        for (int i = 0; i < 8; ++i) {
            m_nHash ^= static_cast<uint64_t>(value >> (8 * i)) & 0xff;
            m_nHash *= 0x100000001b3ull;
        }
    }
    void AddText(const char* text)
    {
        for (const char* c = text; *c != '\0'; ++c)
            Add(static_cast<int64_t>(*c));
        Add(int64_t(0));
    }
    uint64_t Value() const { return m_nHash; }

private:
    uint64_t m_nHash = 0xcbf29ce484222325ull;
};

void AddPlayers(CHash& hash, const CGame& game)
{
    for (int i = 0; i < game.playerCount; ++i) {
        const Player& player = game.players[i];
        hash.AddText(player.name);
        hash.Add(player.square);
        hash.Add(player.money);
        hash.Add(player.jail);
        hash.Add(player.seat);
    }
}

void AddProperties(CHash& hash, const CGame& game)
{
    for (const Property& property : game.properties) {
        hash.Add(property.owner);
        hash.Add(property.mortgaged);
        hash.Add(property.houses);
    }
}

}  // namespace

uint64_t VisibleStateHash(const CGame& game)
{
    CHash hash;
    hash.Add(game.playerCount);
    hash.Add(game.current);
    AddPlayers(hash, game);
    AddProperties(hash, game);
    for (int64_t value : {int64_t(game.die1), int64_t(game.die2), int64_t(game.inputMode),
                          int64_t(game.gameOver), int64_t(game.parkingPot),
                          int64_t(game.jailCardHolder[0]), int64_t(game.jailCardHolder[1]),
                          int64_t(game.tradeWanted), int64_t(game.tradeOffered),
                          int64_t(game.tradePrice)})
        hash.Add(value);
    hash.AddText(game.message);
    return hash.Value();
}
