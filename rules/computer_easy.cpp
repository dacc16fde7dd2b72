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
    // It keeps its whole groups, and wants at least as much as it gives,
    // every property at its deed's price less the mortgage on it.
    const char* RefusesDeal(const CGame& game, const Deal& deal) const override
    {
        const uint32_t gives = GivenBy(deal, deal.partner);
        for (int p = 0; p < kPropertyCount; ++p)
            if ((gives & PropertyBit(p)) != 0 && game.OwnsGroup(p))
                return "il ne défait pas un groupe complet";
        const int64_t gained = FaceValue(game, GottenBy(deal, deal.partner)) + CashFor(deal, deal.partner);
        if (gained < FaceValue(game, gives))
            return "il n'y gagne pas assez";
        return nullptr;
    }
    // It never trades first.
    bool ProposesDeal(const CGame&, int, Deal&) const override { return false; }

private:
    static int64_t FaceValue(const CGame& game, uint32_t properties)
    {
        int64_t value = 0;
        for (int p = 0; p < kPropertyCount; ++p) {
            const Property& property = game.properties[p];
            if ((properties & PropertyBit(p)) != 0)
                value += property.price - (property.mortgaged ? property.mortgageValue : 0);
        }
        return value;
    }
};

}  // namespace

const CComputerStrategy& EasyStrategy()
{
    static const CEasyStrategy strategy;
    return strategy;
}
