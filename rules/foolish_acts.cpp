#include "foolish_acts.h"

#include <algorithm>

#include "game.h"

const char* const kFoolishActNames[kFoolishActCount] = {
    "gives_last_street",
    "breaks_two_thirds",
    "lifts_loose_mortgage",
    "pays_below_largest_rent",
};

namespace {

constexpr int kHousesBeforeLifting = 3;
constexpr int kHighestThrow = 12;

// The rent that p charges a visitor today, the utilities at the highest
// throw; 0 when mortgaged or the bank's.
int32_t RentNow(const CGame& game, int p)
{
    const Property& property = game.properties[p];
    if (property.owner < 0 || property.mortgaged)
        return 0;
    if (p >= kFirstStation) {
        int32_t rent = kStationBaseRent;
        for (int s = kFirstStation; s < kPropertyCount; ++s)
            rent *= game.properties[s].owner == property.owner ? 2 : 1;
        return rent;
    }
    if (p >= kFirstUtility) {
        const bool both = game.properties[kFirstUtility].owner == game.properties[kFirstUtility + 1].owner;
        return kHighestThrow * (both ? kBothUtilitiesRentPerPoint : kUtilityRentPerPoint);
    }
    if (property.houses > 0)
        return property.rent[property.houses];
    return game.OwnsGroup(p) ? 2 * property.rent[0] : property.rent[0];
}

bool GivesLastStreet(const CGame& game, int player, int gives, int gets, int cash)
{
    const int receiver = game.properties[gives].owner == player ? game.properties[gets].owner : -1;
    if (groupSize[gives] == 0 || !game.WouldOwnGroup(gives, receiver))
        return false;
    const bool completes = groupSize[gets] != 0 && game.WouldOwnGroup(gets, player) &&
                           !game.SameGroup(gets, gives);
    const int32_t gained = completes ? GroupPrice(gets) : 0;
    return gained < GroupPrice(gives) && cash < GroupPrice(gives) - gained;
}

bool BreaksTwoThirds(const CGame& game, int player, int gives, int gets)
{
    return groupSize[gives] == 3 && StreetsHeld(game, gives, player) == 2 &&
           !game.SameGroup(gives, gets);
}

// The total price of the groups that the deal makes whole for `player`.
int64_t GroupsCompleted(const CGame& game, const Deal& deal, int player)
{
    int64_t total = 0;
    for (int first = 0; first < kStreetCount; first += groupSize[first])
        if (MakesGroupWhole(game, deal, first, player))
            total += GroupPrice(first);
    return total;
}

// A group that the deal makes whole for the other side, with a street of
// `player`'s, unpaid by a group of its own or by cash.
bool DealGivesLastStreet(const CGame& game, int player, const Deal& deal)
{
    const int other = player == deal.asker ? deal.partner : deal.asker;
    const uint32_t gives = GivenBy(deal, player);
    const int64_t gained = GroupsCompleted(game, deal, player);
    const int64_t cash = CashFor(deal, player);
    for (int first = 0; first < kStreetCount; first += groupSize[first]) {
        bool mine = false;
        for (int q = first; q < first + groupSize[first]; ++q)
            mine = mine || (gives & PropertyBit(q)) != 0;
        const int64_t price = GroupPrice(first);
        if (mine && MakesGroupWhole(game, deal, first, other) && gained < price && cash < price - gained)
            return true;
    }
    return false;
}

// It gives a street of a group of three of which it holds two, and gets
// none of that group back.
bool DealBreaksTwoThirds(const CGame& game, int player, const Deal& deal)
{
    const uint32_t gives = GivenBy(deal, player);
    const uint32_t gets = GottenBy(deal, player);
    for (int first = 0; first < kStreetCount; first += groupSize[first]) {
        bool given = false;
        bool gotten = false;
        for (int q = first; q < first + groupSize[first]; ++q) {
            given = given || (gives & PropertyBit(q)) != 0;
            gotten = gotten || (gets & PropertyBit(q)) != 0;
        }
        if (groupSize[first] == 3 && StreetsHeld(game, first, player) == 2 && given && !gotten)
            return true;
    }
    return false;
}

}  // namespace

unsigned FoolishDeal(const CGame& game, int player, const Deal& deal)
{
    unsigned acts = 0;
    if (DealGivesLastStreet(game, player, deal))
        acts |= 1u << kGivesLastStreet;
    if (DealBreaksTwoThirds(game, player, deal))
        acts |= 1u << kBreaksTwoThirds;
    const int64_t cash = CashFor(deal, player);
    if (cash < 0 && game.players[player].money + cash < LargestRentAgainst(game, player))
        acts |= 1u << kPaysBelowLargestRent;
    return acts;
}

int StreetsHeld(const CGame& game, int p, int player)
{
    int held = 0;
    for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q)
        held += game.properties[q].owner == player;
    return held;
}

int32_t GroupPrice(int p)
{
    int32_t total = 0;
    for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q)
        total += deedTable[q].price;
    return total;
}

int32_t LargestRentAgainst(const CGame& game, int player)
{
    int32_t largest = 0;
    for (int p = 0; p < kPropertyCount; ++p)
        if (game.properties[p].owner != player)
            largest = std::max(largest, RentNow(game, p));
    return largest;
}

unsigned FoolishSwap(const CGame& game, int player, int gives, int gets, int cash)
{
    unsigned acts = 0;
    if (GivesLastStreet(game, player, gives, gets, cash))
        acts |= 1u << kGivesLastStreet;
    if (BreaksTwoThirds(game, player, gives, gets))
        acts |= 1u << kBreaksTwoThirds;
    if (cash < 0 && game.players[player].money + cash < LargestRentAgainst(game, player))
        acts |= 1u << kPaysBelowLargestRent;
    return acts;
}

bool FoolishLift(const CGame& game, int p)
{
    const int player = game.properties[p].owner;
    if (game.OwnsGroup(p))
        return false;
    for (int q = 0; q < kStreetCount; ++q)
        if (game.properties[q].owner == player && game.OwnsGroup(q) &&
            game.properties[q].houses < kHousesBeforeLifting)
            return true;
    return false;
}
