// "Fort": a computer that plays to win. It weighs each group by how often
// the others stop on it and what it then charges, buys streets from the
// other computers to complete its groups, raises every whole group to three
// houses, the best-paying first, keeps a reserve against the largest rent
// it could owe, mortgages loose properties to build, and trades only when
// both sides' values say it gains.
#include <algorithm>
#include <iterator>

#include "foolish_acts.h"
#include "game.h"

namespace {

// Share of all throws that end on each square, in ten-thousandths, as the
// simulator's landing counts give them over many games.
constexpr int kLandingShare[kSquareCount] = {
    294, 249, 165, 212, 229, 224, 232, 134, 241, 235, 907, 268, 234, 231,
    248, 300, 278, 228, 288, 296, 284, 272, 154, 263, 308, 260, 263, 260,
    253, 254, 0,   255, 246, 202, 233, 227, 121, 202, 203, 245,
};

// Three houses a street is where rent leaps: every whole group is raised
// that far before any goes further, and loose mortgages wait for it.
constexpr int kTargetHouses = 3;
constexpr int kHotel = 5;
// Groups are ranked by their return once fully built: a group whose hotels
// pay well is worth raising first even when its first houses pay little.
constexpr int kRankingHouses = kHotel;
// The reserve is half the largest rent it could owe, and never below this.
constexpr int kReserveDivisor = 2;
constexpr int64_t kLeastReserve = 5000;
// Beyond three houses it builds only with this much more in hand.
constexpr int64_t kLateBuildCushion = 15000;
// Cash it keeps after buying a street that completes a group: the largest
// rent it could owe, this, and half of what three houses a street cost.
constexpr int64_t kTradeCushion = 30000;
constexpr int kTradeBuildDivisor = 2;
// It stays in prison once the others can charge this much.
constexpr int32_t kStayInPrisonRent = 15000;
constexpr int32_t kJailFine = 5000;
// Streets the bank still holds when leaving prison to buy is worth it.
constexpr int kStreetsWorthLeavingFor = 4;
// Most trades it starts in one turn.
constexpr int kTradesPerTurn = 2;

int Landing(int p)
{
    return kLandingShare[propertySquare[p]];
}

int32_t RentAt(int p, int houses)
{
    return houses == 0 ? 2 * deedTable[p].rent[0] : deedTable[p].rent[houses];
}

// What one throw of one opponent is expected to pay to p's whole group,
// every street at `houses`, in ten-thousandths of a franc.
int64_t GroupYield(int p, int houses)
{
    int64_t yield = 0;
    for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q)
        yield += int64_t{Landing(q)} * RentAt(q, houses);
    return yield;
}

// Rent per franc spent on building the whole group: the order in which
// groups are built and bought.
double BuildReturn(int p)
{
    return double(GroupYield(p, kRankingHouses)) / (groupSize[p] * kRankingHouses * deedTable[p].houseCost);
}

int LowestHouses(const CGame& game, int p)
{
    int lowest = kHotel;
    for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q)
        lowest = std::min(lowest, game.properties[q].houses);
    return lowest;
}

int MortgagedStreet(const CGame& game, int p)
{
    for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q)
        if (game.properties[q].mortgaged)
            return q;
    return -1;
}

bool Mine(const CGame& game, int p)
{
    return game.properties[p].owner == game.current;
}

int64_t Cash(const CGame& game)
{
    return game.players[game.current].money;
}

int64_t Reserve(const CGame& game, int player)
{
    return std::max<int64_t>(kLeastReserve, LargestRentAgainst(game, player) / kReserveDivisor);
}

// The first street of each of the current player's whole groups.
template <class Visit>
void ForEachWholeGroup(const CGame& game, Visit visit)
{
    for (int first = 0; first < kStreetCount; first += groupSize[first])
        if (Mine(game, first) && game.OwnsGroup(first))
            visit(first);
}

bool AnyGroupBelow(const CGame& game, int houses)
{
    bool below = false;
    ForEachWholeGroup(game, [&](int first) { below = below || LowestHouses(game, first) < houses; });
    return below;
}

// The group to build on next: below three houses, the best return first;
// then the cheapest building. -1 when none can take one.
int GroupToBuild(const CGame& game)
{
    int best = -1;
    double bestScore = 0;
    ForEachWholeGroup(game, [&](int first) {
        const int houses = LowestHouses(game, first);
        if (houses == kHotel || MortgagedStreet(game, first) >= 0)
            return;
        const double score = (houses < kTargetHouses ? 1000.0 : 0.0) + BuildReturn(first);
        if (best < 0 || score > bestScore) {
            best = first;
            bestScore = score;
        }
    });
    return best;
}

// The loose property whose mortgage costs the least rent per franc raised.
int LooseToMortgage(const CGame& game)
{
    int best = -1;
    double bestCost = 0;
    for (int p = 0; p < kPropertyCount; ++p) {
        const Property& property = game.properties[p];
        if (!Mine(game, p) || property.mortgaged || game.OwnsGroup(p))
            continue;
        const double cost = double(Landing(p)) * std::max(1, property.rent[0]) / property.mortgageValue;
        if (best < 0 || cost < bestCost) {
            best = p;
            bestCost = cost;
        }
    }
    return best;
}

void Announce(CGame& game)
{
    game.showSquare = 0;
    game.RefreshAndRoll();
}

void MortgageForBuilding(CGame& game, int p)
{
    Property& property = game.properties[p];
    property.mortgaged = 1;
    game.players[game.current].money += property.mortgageValue;
    game.Say("%s hypothèque %s pour construire.", game.players[game.current].name, property.name);
    Announce(game);
}

// Lifts the mortgages that stop its whole groups from being built.
void FreeGroups(CGame& game)
{
    ForEachWholeGroup(game, [&](int first) {
        for (int q = MortgagedStreet(game, first); q >= 0; q = MortgagedStreet(game, first)) {
            if (Cash(game) - CGame::LiftCost(q) < Reserve(game, game.current))
                return;
            game.LiftMortgage(q);
        }
    });
}

// One building at a time on the best group, mortgaging loose properties to
// raise the group to three houses, until nothing more is worth it.
void Build(CGame& game)
{
    for (int group = GroupToBuild(game); group >= 0; group = GroupToBuild(game)) {
        const bool early = LowestHouses(game, group) < kTargetHouses;
        const int64_t keep = Reserve(game, game.current) + (early ? 0 : kLateBuildCushion);
        if (Cash(game) - deedTable[group].houseCost >= keep) {
            game.BuildHouse(group);
            Announce(game);
            continue;
        }
        const int loose = early ? LooseToMortgage(game) : -1;
        if (loose < 0)
            return;
        MortgageForBuilding(game, loose);
    }
}

// Loose mortgages are lifted only once every whole group has three houses.
void LiftLoose(CGame& game)
{
    if (AnyGroupBelow(game, kTargetHouses))
        return;
    for (int p = 0; p < kPropertyCount; ++p)
        if (Mine(game, p) && game.properties[p].mortgaged &&
            Cash(game) - CGame::LiftCost(p) >= Reserve(game, game.current) + kLateBuildCushion)
            game.LiftMortgage(p);
}

// A property's worth to its holder: its price and half again, more when it
// brings the holder's group near to whole, less the mortgage still owed.
int64_t HoldingValue(const CGame& game, int p, int holder)
{
    int64_t value = 3 * deedTable[p].price / 2;
    if (groupSize[p] != 0 && StreetsHeld(game, p, holder) + 1 >= groupSize[p])
        value += GroupPrice(p) / 2;
    if (game.properties[p].mortgaged)
        value -= CGame::LiftCost(p);
    return value;
}

// What the current player pays for `wanted` when it gives q: the other
// side's loss, and never less than a giver of a group's last street should
// be paid; when q completes a group for the other side, the difference of
// the two groups' prices.
int64_t OfferFor(const CGame& game, int wanted, int q)
{
    const int other = game.properties[wanted].owner;
    if (groupSize[q] != 0 && game.WouldOwnGroup(q, other))
        return int64_t{GroupPrice(wanted)} - GroupPrice(q);
    const int64_t fair = HoldingValue(game, wanted, other) - HoldingValue(game, q, other);
    return std::max<int64_t>({fair, -game.TradeValue(q, wanted), int64_t{GroupPrice(wanted)}});
}

// The current player's property to give for the street that completes its
// group: the cheapest that commits no foolish act, that never has the other
// side give a group's last street away unpaid, and that completes a group
// for the other side only when its own pays at least as well.
// -1 when none will do.
int ChipFor(const CGame& game, int wanted, int64_t& price)
{
    const int other = game.properties[wanted].owner;
    int best = -1;
    int64_t bestPrice = 0;
    for (int q = 0; q < kPropertyCount; ++q) {
        if (!Mine(game, q) || game.GroupHasBuildings(q) || game.SameGroup(wanted, q))
            continue;
        const bool helpsOther = groupSize[q] != 0 && game.WouldOwnGroup(q, other);
        if (helpsOther && BuildReturn(q) > BuildReturn(wanted))
            continue;
        const int64_t offer = OfferFor(game, wanted, q);
        if (FoolishSwap(game, game.current, q, wanted, static_cast<int>(-offer)) != 0 ||
            (FoolishSwap(game, other, wanted, q, static_cast<int>(offer)) & (1u << kGivesLastStreet)) != 0)
            continue;
        if (best < 0 || offer < bestPrice) {
            best = q;
            bestPrice = offer;
        }
    }
    price = bestPrice;
    return best;
}

// The current player gives `chip` for `wanted`, paying `price` (below 0:
// receiving it), as a deal.
Deal PurchaseDeal(const CGame& game, int wanted, int chip, int64_t price)
{
    Deal deal;
    deal.asker = game.current;
    deal.partner = game.properties[wanted].owner;
    deal.askerGives = PropertyBit(chip);
    deal.partnerGives = PropertyBit(wanted);
    deal.askerCash = static_cast<int32_t>(std::max<int64_t>(price, 0));
    deal.partnerCash = static_cast<int32_t>(std::max<int64_t>(-price, 0));
    return deal;
}

// The purchase of the one street missing from a group, the best return
// first, among those `wanted` lets through; an asker of -1 when none is.
template <class Wanted>
Deal BestPurchase(const CGame& game, Wanted wanted)
{
    Deal best;
    double bestReturn = 0;
    for (int p = 0; p < kStreetCount; ++p) {
        const int other = game.properties[p].owner;
        if (other < 0 || other == game.current || !game.WouldOwnGroup(p, game.current))
            continue;
        int64_t price = 0;
        const int chip = ChipFor(game, p, price);
        const int64_t building = groupSize[p] * kTargetHouses * deedTable[p].houseCost;
        const int64_t needed = price + LargestRentAgainst(game, game.current) + kTradeCushion +
                               building / kTradeBuildDivisor;
        if (chip < 0 || Cash(game) < needed || BuildReturn(p) <= bestReturn)
            continue;
        const Deal deal = PurchaseDeal(game, p, chip, price);
        if (!wanted(deal))
            continue;
        best = deal;
        bestReturn = BuildReturn(p);
    }
    return best;
}

int OnlyProperty(uint32_t bits)
{
    int p = 0;
    while (p < kPropertyCount && bits != PropertyBit(p))
        ++p;
    return p;
}

// Buys, from another computer player, the one street missing from a group,
// the best return first; true when a trade was made.
bool CompleteAGroup(CGame& game)
{
    const Deal best =
        BestPurchase(game, [&](const Deal& deal) { return game.players[deal.partner].computer != 0; });
    if (best.asker < 0)
        return false;
    const int price = best.askerCash - best.partnerCash;
    return game.SwapAtPrice(OnlyProperty(best.partnerGives), OnlyProperty(best.askerGives), price);
}

// What the deal is worth to `player` by its holdings' values and the cash.
int64_t DealWorth(const CGame& game, const Deal& deal, int player)
{
    int64_t worth = CashFor(deal, player);
    for (int p = 0; p < kPropertyCount; ++p) {
        if ((GottenBy(deal, player) & PropertyBit(p)) != 0)
            worth += HoldingValue(game, p, player);
        if ((GivenBy(deal, player) & PropertyBit(p)) != 0)
            worth -= HoldingValue(game, p, player);
    }
    return worth;
}

// Its answers, the first that applies, for the foolish acts in order.
const char* const kFoolishRefusals[] = {
    "il ne cède pas la dernière rue de son groupe",
    "il ne sépare pas ses deux rues d'un groupe",
    nullptr,
    "il n'a pas de quoi payer",
};
static_assert(std::size(kFoolishRefusals) == kFoolishActCount);

class CStrongStrategy : public CComputerStrategy {
public:
    void TurnStart(CGame& game) const override
    {
        for (int i = 0; i < kTradesPerTurn && CompleteAGroup(game); ++i) {
        }
        FreeGroups(game);
        Build(game);
        LiftLoose(game);
    }
    bool Buys(const CGame& game, int p) const override
    {
        if (Decisive(game, p))
            return true;
        // A group still below three houses has first call on the cash: one
        // more house on each of its streets.
        int64_t keep = Reserve(game, game.current);
        const int group = GroupToBuild(game);
        if (group >= 0 && LowestHouses(game, group) < kTargetHouses)
            keep += int64_t{deedTable[group].houseCost} * groupSize[group];
        return Cash(game) - game.properties[p].price >= keep;
    }
    bool BuysShort(const CGame& game, int p) const override
    {
        if (!Decisive(game, p))
            return false;
        int64_t raised = Cash(game);
        for (int q = 0; q < kPropertyCount; ++q)
            if (Mine(game, q) && !game.properties[q].mortgaged && !game.OwnsGroup(q))
                raised += game.properties[q].mortgageValue;
        return raised >= game.properties[p].price;
    }
    bool UsesJailCard(const CGame& game) const override { return WantsOut(game); }
    bool PaysJail(const CGame& game) const override
    {
        return WantsOut(game) && Cash(game) - kJailFine >= Reserve(game, game.current);
    }
    // Offers, for q, a property of the human's that completes one of its
    // groups, unless the exchange would be foolish.
    void AnswerTrade(CGame& game, int q) const override
    {
        const int owner = game.properties[q].owner;
        const int first = game.inputMode == kPricedOffer ? game.tradeOffered : 0;
        for (int p = first; p < kPropertyCount; ++p) {
            if (game.properties[p].owner != game.current || !game.WouldOwnGroup(p, owner) ||
                game.SameGroup(p, q) || FoolishSwap(game, owner, q, p, game.TradeValue(q, p)) != 0)
                continue;
            if (game.ConfirmPricedSwap(q, p) != CGame::Reply::kNo)
                return;
        }
        game.inputMode = kNoInput;
        game.Say("%s ne veut pas echanger", game.players[owner].name);
    }
    bool AcceptsSwap(const CGame& game, int player, int gives, int gets, int cash) const override
    {
        if (FoolishSwap(game, player, gives, gets, cash) != 0)
            return false;
        const int other = game.properties[gets].owner;
        const bool completesMine = groupSize[gets] != 0 && game.WouldOwnGroup(gets, player);
        const bool completesTheirs = groupSize[gives] != 0 && game.WouldOwnGroup(gives, other);
        if (completesTheirs)
            return completesMine && BuildReturn(gets) >= BuildReturn(gives);
        return completesMine ||
               HoldingValue(game, gets, player) + cash >= HoldingValue(game, gives, player);
    }
    // Never foolish: a group it makes whole for the other side is paid for
    // by a group of its own or in cash; then by its own valuation.
    const char* RefusesDeal(const CGame& game, const Deal& deal) const override
    {
        const int player = deal.partner;
        const unsigned acts = FoolishDeal(game, player, deal);
        for (int act = 0; act < kFoolishActCount; ++act)
            if ((acts & (1u << act)) != 0 && kFoolishRefusals[act] != nullptr)
                return kFoolishRefusals[act];
        if (DealWorth(game, deal, player) < 0)
            return "il n'y gagne pas assez";
        return nullptr;
    }
    // The street it would buy from another computer player to complete a
    // group, at the same price, if `partner` holds it and it was never
    // proposed before.
    bool ProposesDeal(const CGame& game, int partner, Deal& deal) const override
    {
        deal = BestPurchase(game, [&](const Deal& candidate) {
            return candidate.partner == partner && !game.DealProposedBefore(candidate);
        });
        return deal.asker >= 0;
    }

private:
    // A street that completes its group, or keeps another player from
    // completing one.
    static bool Decisive(const CGame& game, int p)
    {
        for (int o = 0; o < game.playerCount; ++o)
            if (game.WouldOwnGroup(p, o))
                return true;
        return false;
    }
    // Out of prison while there are streets to buy and no dear rents to fear.
    static bool WantsOut(const CGame& game)
    {
        int unowned = 0;
        for (int p = 0; p < kStreetCount; ++p)
            unowned += game.properties[p].owner < 0;
        return unowned >= kStreetsWorthLeavingFor ||
               LargestRentAgainst(game, game.current) < kStayInPrisonRent;
    }
};

}  // namespace

const CComputerStrategy& StrongStrategy()
{
    static const CStrongStrategy strategy;
    return strategy;
}
