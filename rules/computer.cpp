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

bool CGame::ComputerUsesJailCard()
{
    return NoDearBuildings(3);
}

bool CGame::ComputerPaysJail()
{
    return players[current].money >= 20000 && NoDearBuildings(2);
}

int CGame::TradeValue(int a, int b)
{
    const int ownerA = properties[a].owner;
    const int ownerB = properties[b].owner;
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
    value += 3 * properties[a].price / 2 - 3 * properties[b].price / 2;
    if (properties[b].mortgaged)
        value += LiftCost(b);
    if (properties[a].mortgaged)
        value -= LiftCost(a);
    return value;
}

void CGame::ComputerTurnStart()
{
    ComputerTrades();
    LiftMortgages();
    BuildEverywhere();
}

void CGame::LiftMortgages()
{
    Player& player = players[current];
    for (int p = 0; p < kPropertyCount; ++p) {
        Property& property = properties[p];
        if (property.owner != current || !property.mortgaged ||
            player.money - LiftCost(p) <= kLiftReserve)
            continue;
        property.mortgaged = 0;
        player.money -= LiftCost(p);
        Say("%s lève l'hypothèque sur %s.", player.name, property.name);
        showSquare = 0;
        RefreshAndRoll();
    }
}

// Builds in every whole group, evenly, until a pass over the board builds
// nothing: hotels everywhere, a mortgaged street, or not enough cash.
void CGame::BuildEverywhere()
{
    bool built = true;
    while (built) {
        built = false;
        for (int p = 0; p < kPropertyCount; ++p) {
            const Property& property = properties[p];
            if (property.owner != current || !OwnsGroup(p) ||
                players[current].money < property.houseCost || deedKind[p] != 0)
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
    const int ownerA = properties[a].owner;
    const int ownerB = properties[b].owner;
    const int value = TradeValue(a, b);
    if (players[ownerA].money <= -value || players[ownerB].money <= value)
        return;
    players[ownerA].money += value;
    players[ownerB].money -= value;
    properties[a].owner = ownerB;
    properties[b].owner = ownerA;
    AnnounceSwap(a, b, value);
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
        Say("%s échange %s a %s for %dF", nameB, properties[b].name, nameA, -value);
    else
        Say("%s échange %s a %s", nameB, properties[b].name, nameA);
}

// The human asks for q: the computer looks, in order, for a property of the
// human's that would complete one of its own groups, and puts each such
// exchange at its price until one is accepted.
void CGame::ComputerAnswerTrade(int q)
{
    const int owner = properties[q].owner;
    const int first = inputMode == kPricedOffer ? tradeOffered : 0;
    for (int p = first; p < kPropertyCount; ++p) {
        if (properties[p].owner != current || !WouldOwnGroup(p, owner) || SameGroup(p, q))
            continue;
        if (ConfirmPricedSwap(q, p) != Reply::kNo)
            return;
    }
    inputMode = kNoInput;
    Say("%s ne veut pas echanger", players[owner].name);
}
