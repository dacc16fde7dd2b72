// The computer player's decisions: trades, lifting mortgages and building at
// the start of its turn, the prison, and its answer to a human's request.
#include "game.h"

namespace {

// From this property on, streets are dear enough that a computer player
// would rather stay in prison than walk past their buildings.
constexpr int kFirstDearProperty = 8;

// What a whole group weighs in the price of an exchange, and the gaps in
// cash that tilt it.
constexpr int kGroupWorth = 10000;
constexpr int kRichGap = 50000;
constexpr int kPoorGap = 500;

// Cash a computer player keeps in hand after lifting a mortgage.
constexpr int kLiftReserve = 10000;

}  // namespace

bool CGame::NoDearBuildings(int minimum) const
{
    for (int p = kFirstDearProperty; p < kPropertyCount; ++p)
        if (properties[p].houses >= minimum)
            return false;
    return true;
}

const CComputerStrategy& CGame::Strategy(int player) const
{
    return StrategyOf(players[player].level);
}

bool CGame::ComputerUsesJailCard()
{
    return Strategy(current).UsesJailCard(*this);
}

bool CGame::ComputerPaysJail()
{
    return Strategy(current).PaysJail(*this);
}

int CGame::TradeValue(int a, int b) const
{
    int value = OwnersTradeValue(properties[a].owner, properties[b].owner);
    value += 3 * properties[a].price / 2 - 3 * properties[b].price / 2;
    if (properties[b].mortgaged)
        value += LiftCost(b);
    if (properties[a].mortgaged)
        value -= LiftCost(a);
    return value;
}

int CGame::OwnersTradeValue(int ownerA, int ownerB) const
{
    int value = 0;
    // Each side's whole groups count once, looked at from their first street:
    // a scan that jumps past a group it counted lands beside the next one
    // and can step over it.
    for (int k = 0; k < kStreetCount; k += groupSize[k]) {
        if (!OwnsGroup(k))
            continue;
        if (properties[k].owner == ownerA)
            value -= kGroupWorth;
        else if (properties[k].owner == ownerB)
            value += kGroupWorth;
    }
    const int64_t cashA = players[ownerA].money;
    const int64_t cashB = players[ownerB].money;
    if (cashA - cashB > kRichGap)
        value -= kGroupWorth;
    if (cashB - cashA > kPoorGap)
        value += kGroupWorth;
    return value;
}

void CGame::ComputerTurnStart()
{
    Strategy(current).TurnStart(*this);
}

void CGame::LiftMortgages()
{
    for (int p = 0; p < kPropertyCount; ++p)
        if (properties[p].owner == current && properties[p].mortgaged &&
            players[current].money - LiftCost(p) > kLiftReserve)
            LiftMortgage(p);
}

void CGame::LiftMortgage(int p)
{
    Player& player = players[current];
    Property& property = properties[p];
    m_pFrame->Lifting(p);
    property.mortgaged = 0;
    player.money -= LiftCost(p);
    Say("%s lève l'hypothèque sur %s.", player.name, property.name);
    showSquare = 0;
    RefreshAndRoll();
}

// Builds in every whole group, evenly, until a pass over the board builds
// nothing: hotels everywhere, a mortgaged street, or not enough cash.
void CGame::BuildEverywhere(int64_t keep)
{
    bool built = true;
    while (built) {
        built = false;
        for (int p = 0; p < kPropertyCount; ++p) {
            const Property& property = properties[p];
            if (property.owner != current || !OwnsGroup(p) ||
                players[current].money - property.houseCost < keep || deedKind[p] != 0)
                continue;
            built = BuildHouse(p) || built;
            showSquare = 0;
            RefreshAndRoll();
        }
    }
}

void CGame::ComputerTrades()
{
    if (CompleteGroupsSwap())
        return;
    for (const Property& property : properties)
        if (property.owner < 0)
            return;
    RandomSwaps();
}

// The first exchange with another computer player after which both sides
// hold a whole group; true when such a pair was found, traded or not.
bool CGame::CompleteGroupsSwap()
{
    for (int p = 0; p < kPropertyCount; ++p) {
        const int other = properties[p].owner;
        if (other < 0 || other == current || !players[other].computer ||
            !WouldOwnGroup(p, current))
            continue;
        for (int q = 0; q < kPropertyCount; ++q)
            if (properties[q].owner == current && WouldOwnGroup(q, other) && !SameGroup(p, q)) {
                SwapProperties(p, q);
                return true;
            }
    }
    return false;
}

// Once the bank has sold everything, computer players now and then swap two
// loose properties at random, the more often the more players are left.
void CGame::RandomSwaps()
{
    if (playerCount > 3 && m_pRandom->Next() % (10 - playerCount) > 1)
        return;
    const int attempts = playerCount == 3 ? 1 : playerCount - 3;
    for (int i = 0; i < attempts; ++i) {
        const int other = m_pRandom->Next() % playerCount;
        if (other == current || !players[other].computer || !players[current].computer)
            continue;
        const int p = m_pRandom->Next() % kPropertyCount;
        const int q = m_pRandom->Next() % kPropertyCount;
        if (properties[p].owner == current && properties[q].owner == other && !OwnsGroup(p) &&
            !OwnsGroup(q))
            SwapProperties(p, q);
    }
}

void CGame::SwapProperties(int a, int b)
{
    SwapAtPrice(a, b, TradeValue(a, b));
}

bool CGame::SwapAtPrice(int a, int b, int value)
{
    const int ownerA = properties[a].owner;
    const int ownerB = properties[b].owner;
    if (players[ownerA].money <= -value || players[ownerB].money <= value)
        return false;
    const bool partnerIsA = ownerA != current;
    const int partner = partnerIsA ? ownerA : ownerB;
    const bool agrees = partnerIsA ? Strategy(partner).AcceptsSwap(*this, partner, a, b, value)
                                   : Strategy(partner).AcceptsSwap(*this, partner, b, a, -value);
    if (!agrees)
        return false;
    m_pFrame->Swapping(a, b, value);
    players[ownerA].money += value;
    players[ownerB].money -= value;
    properties[a].owner = ownerB;
    properties[b].owner = ownerA;
    AnnounceSwap(a, b, value);
    return true;
}

// a has just gone from A to B and b from B to A, B paying A the value.
void CGame::AnnounceSwap(int a, int b, int value)
{
    const char* nameA = players[properties[b].owner].name;
    const char* nameB = players[properties[a].owner].name;
    if (value > 0)
        Say("%s échange %s a %s pour %dF", nameA, properties[a].name, nameB, value);
    else
        Say("%s échange %s a %s", nameA, properties[a].name, nameB);
    if (value == 0)
        m_pFrame->Redraw();
    if (value < 0)
        Say("%s échange %s a %s pour %dF", nameB, properties[b].name, nameA, -value);
    else
        Say("%s échange %s a %s", nameB, properties[b].name, nameA);
}

void CGame::ComputerAnswerTrade(int q)
{
    Strategy(properties[q].owner).AnswerTrade(*this, q);
}

namespace {

// "Normal": the computer as it has always played.
class CNormalStrategy : public CComputerStrategy {
public:
    void TurnStart(CGame& game) const override
    {
        game.ComputerTrades();
        game.LiftMortgages();
        game.BuildEverywhere(0);
    }
    // Short of money, it still buys to keep another player from completing
    // the group.
    bool Buys(const CGame& game, int p) const override
    {
        bool buys = game.WouldOwnGroup(p, game.current) || !game.MoneyTight();
        for (int o = 0; o < game.playerCount && !buys; ++o)
            buys = o != game.current && game.WouldOwnGroup(p, o);
        return buys;
    }
    bool BuysShort(const CGame& game, int p) const override
    {
        return game.WouldOwnGroup(p, game.current);
    }
    bool UsesJailCard(const CGame& game) const override { return game.NoDearBuildings(3); }
    bool PaysJail(const CGame& game) const override
    {
        return game.players[game.current].money >= 20000 && game.NoDearBuildings(2);
    }
    // The computer looks, in order, for a property of the human's that
    // would complete one of its own groups, and puts each such exchange at
    // its price until one is accepted.
    void AnswerTrade(CGame& game, int q) const override
    {
        const int owner = game.properties[q].owner;
        const int first = game.inputMode == kPricedOffer ? game.tradeOffered : 0;
        for (int p = first; p < kPropertyCount; ++p) {
            if (game.properties[p].owner != game.current || !game.WouldOwnGroup(p, owner) ||
                game.SameGroup(p, q))
                continue;
            if (game.ConfirmPricedSwap(q, p) != CGame::Reply::kNo)
                return;
        }
        game.inputMode = kNoInput;
        game.Say("%s ne veut pas echanger", game.players[owner].name);
    }
    bool AcceptsSwap(const CGame&, int, int, int, int) const override { return true; }
    // As for an exchange it offers: the deal must complete one of its groups
    // and pay it at least the exchange price, stretched to every property.
    const char* RefusesDeal(const CGame& game, const Deal& deal) const override
    {
        if (!CompletesGroupFor(game, deal, deal.partner))
            return "il n'y complète aucun de ses groupes";
        if (CashFor(deal, deal.partner) < DealPrice(game, deal))
            return "il n'y gagne pas assez";
        return nullptr;
    }
    // Its own offers stay the priced one-for-one exchanges.
    bool ProposesDeal(const CGame&, int, Deal&) const override { return false; }

private:
    // A property's part of the exchange price: half again its price, less
    // what lifting its mortgage will cost.
    static int PriceTerm(const CGame& game, int p)
    {
        const int term = 3 * game.properties[p].price / 2;
        return game.properties[p].mortgaged ? term - CGame::LiftCost(p) : term;
    }
    // What the asker pays the partner: the owners' part of the exchange
    // price, then the partner's properties' terms less the asker's.
    static int64_t DealPrice(const CGame& game, const Deal& deal)
    {
        int64_t price = game.OwnersTradeValue(deal.partner, deal.asker);
        for (int p = 0; p < kPropertyCount; ++p) {
            if ((deal.partnerGives & PropertyBit(p)) != 0)
                price += PriceTerm(game, p);
            if ((deal.askerGives & PropertyBit(p)) != 0)
                price -= PriceTerm(game, p);
        }
        return price;
    }
};

}  // namespace

const CComputerStrategy& NormalStrategy()
{
    static const CNormalStrategy strategy;
    return strategy;
}
