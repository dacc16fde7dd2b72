// "Facile": a computer for children and beginners. It buys less, never
// offers an exchange, and builds only with plenty of cash in hand.
#include "game.h"

namespace {

// Cash it keeps after a purchase that completes nothing, and after a house.
constexpr int64_t kBuyReserve = 60000;
constexpr int64_t kBuildReserve = 50000;

class CEasyStrategy : public CComputerStrategy {
public:
    void TurnStart(CGame& game) const override
    {
        game.LiftMortgages();
        game.BuildEverywhere(kBuildReserve);
    }
    bool Buys(const CGame& game, int p) const override
    {
        return game.WouldOwnGroup(p, game.current) ||
               game.players[game.current].money - game.properties[p].price >= kBuyReserve;
    }
    bool BuysShort(const CGame&, int) const override { return false; }
    bool UsesJailCard(const CGame& game) const override
    {
        return NormalStrategy().UsesJailCard(game);
    }
    bool PaysJail(const CGame& game) const override { return NormalStrategy().PaysJail(game); }
    // Answering a player who asks is not trading first.
    void AnswerTrade(CGame& game, int q) const override { NormalStrategy().AnswerTrade(game, q); }
    bool AcceptsSwap(const CGame& game, int player, int gives, int gets, int cash) const override
    {
        return NormalStrategy().AcceptsSwap(game, player, gives, gets, cash);
    }
};

}  // namespace

const CComputerStrategy& EasyStrategy()
{
    static const CEasyStrategy strategy;
    return strategy;
}
