// The computer player's choice on an unowned property: buy it, or leave it
// to the bank.
#include "game.h"

namespace {

// At or below this, a computer player counts itself short of money.
constexpr int32_t kTightMoney = 20000;

}  // namespace

// Whether the group of p would be whole in the player's hands if the player
// owned p; never for a utility or a station.
bool CGame::WouldOwnGroup(int p, int player) const
{
    const int first = groupFirst[p];
    for (int q = first; q < first + groupSize[p]; ++q)
        if (q != p && properties[q].owner != player)
            return false;
    return groupSize[p] != 0;
}

// Short of money: at most 20000 F, or less than the rent that the dearest
// built street of every opponent's whole group would cost at once.
bool CGame::MoneyTight() const
{
    int32_t danger = 0;
    for (int first = 0; first < kStreetCount; first += groupSize[first]) {
        const Property& last = properties[first + groupSize[first] - 1];
        if (properties[first].owner != current && OwnsGroup(first) && last.houses >= 1)
            danger += last.rent[last.houses];
    }
    const int64_t money = players[current].money;
    return danger > money || money <= kTightMoney;
}

void CGame::ComputerBuy(int p)
{
    if (Strategy(current).Buys(*this, p))
        BuyForComputer(p);
    else
        Say("%s n'en veut pas", players[current].name);
}

void CGame::ComputerBuyShort(int p)
{
    if (Strategy(current).BuysShort(*this, p))
        BuyForComputer(p);
    else
        Say("%s n'en veut pas", players[current].name);
}

void CGame::BuyForComputer(int p)
{
    properties[p].owner = current;
    Pay(properties[p].price, kBank, {"pour l'achat", p});
}
