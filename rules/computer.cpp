// The computer player's decisions.
#include "game.h"

namespace {

// From this property on, streets are dear enough that a computer player
// would rather stay in prison than walk past their buildings.
constexpr int kFirstDearProperty = 8;

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
