// Every debt goes through PayFrom: it takes the cash, raises what is missing
// by mortgages and sales of buildings, and ends in bankruptcy otherwise.
#include <cstring>
#include <string>

#include "game.h"
#include "text_format.h"

int CGame::Pay(int amount, int creditor, const Debt& debt)
{
    return PayFrom(current, amount, creditor, debt);
}

int CGame::PayFrom(int payer, int amount, int creditor, const Debt& debt)
{
    Player& who = players[payer];
    who.money -= amount;
    while (who.money < 0 && RaiseMoney(payer)) {
    }
    if (who.money >= 0)
        return amount;

    // What the payer had, which fell short of the amount: it fits an int.
    const int left = static_cast<int>(who.money + amount);
    SayBankruptcy(payer, amount, creditor, debt);
    // The bankrupt hands over all its cash: none is left on its record.
    who.money = 0;
    if (playerCount > 2)
        HandOverEstate(payer, creditor, left);
    EliminatePlayer(payer);
    return left;
}

// One action towards paying: a mortgage, else the sale of one building.
// False when the payer has nothing left to raise money with.
bool CGame::RaiseMoney(int payer)
{
    for (int p = 0; p < kPropertyCount; ++p)
        if (properties[p].owner == payer && !properties[p].mortgaged && !OwnsGroup(p)) {
            MortgageToPay(p);
            return true;
        }
    for (int p = 0; p < kPropertyCount; ++p)
        if (properties[p].owner == payer && !properties[p].mortgaged && GroupIsBare(p)) {
            MortgageToPay(p);
            return true;
        }
    for (int p = 0; p < kPropertyCount; ++p)
        if (properties[p].owner == payer && GroupHasBuildings(p)) {
            const int street = SellHouse(p, payer);
            Say(properties[street].houses == 4 ? "Hotel retire de %s." : "Maison retirée de %s.",
                properties[street].name);
            showSquare = 0;
            RefreshAndRoll();
            return true;
        }
    return false;
}

void CGame::SayBankruptcy(int payer, int amount, int creditor, const Debt& debt)
{
    const std::string to = creditor == kBank ? "la banque" : players[creditor].name;
    std::string owed = Francs(amount);
    if (debt.what)
        owed = owed + " " + debt.what;
    if (debt.property >= 0)
        owed = owed + " à " + to + " (" + properties[debt.property].name + ")";
    else
        owed = owed + " à " + to;
    Say("%s doit %s et ne peut pas payer : faillite", players[payer].name, owed.c_str());
}

// The properties that paying `amount` would mortgage, in the order the
// payment takes them, named for the player to confirm.
std::string CGame::MortgagesToRaise(int amount) const
{
    int64_t money = players[current].money;
    std::string names;
    bool taken[kPropertyCount] = {};
    for (const bool wholeGroups : {false, true})
        for (int p = 0; p < kPropertyCount && money < amount; ++p) {
            const Property& property = properties[p];
            const bool fits = wholeGroups ? GroupIsBare(p) : !OwnsGroup(p);
            if (property.owner != current || property.mortgaged || taken[p] || !fits)
                continue;
            taken[p] = true;
            money += property.mortgageValue;
            names += (names.empty() ? "" : ", ") + std::string(property.name);
        }
    return names;
}

// True when no street of p's group carries a building; always true for a
// utility or a station, which have no group.
bool CGame::GroupIsBare(int p) const
{
    for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q)
        if (properties[q].houses > 0)
            return false;
    return true;
}

void CGame::MortgageToPay(int p)
{
    Property& property = properties[p];
    Player& owner = players[property.owner];
    property.mortgaged = 1;
    owner.money += property.mortgageValue;
    Say("Hypothèque de %s pour %dF.", property.name, property.mortgageValue);
    showSquare = 0;
    RefreshAndRoll();
}

void CGame::HandOverEstate(int payer, int creditor, int left)
{
    for (int32_t& holder : jailCardHolder)
        if (holder == payer)
            holder = creditor;
    for (Property& property : properties) {
        if (property.owner != payer)
            continue;
        property.owner = creditor;
        showSquare = 0;
        RefreshAndRoll();
        if (creditor == kBank) {
            property.mortgaged = 0;
            Say("Votre propriete %s va a la banque", property.name);
        } else {
            Say("Votre propriete %s va a %s", property.name, players[creditor].name);
        }
    }
    if (creditor == kBank)
        ShowText("La banque prend toutes vos proprietes");
    else if (left < 1)
        Say("%s prend toutes vos proprietes", players[creditor].name);
    else
        Say("%s prend toutes vos proprietes & %dF", players[creditor].name, left);
}

void CGame::EliminatePlayer(int p)
{
    playerEliminated = 1;
    doublesCount = 0;
    m_pFrame->RemovePawn(p, playerCount);
    if (playerCount == 2) {
        Say("%s a gagne!!!", players[1 - p].name);
        RestoreSetupPlayers();
        gameOver = 1;
        // The players' panel marks the winner from now on.
        current = 1 - p;
        return;
    }
    if (p <= current)
        current -= 1;
    for (int i = p; i + 1 < playerCount; ++i)
        players[i] = players[i + 1];
    for (Property& property : properties)
        if (property.owner > p)
            property.owner -= 1;
    for (int32_t& holder : jailCardHolder)
        if (holder > p)
            holder -= 1;
    playerCount -= 1;
}

bool GameState::EndedOnLimit() const
{
    return gameOver && turnLimit > 0 && roundsPlayed >= turnLimit;
}

// The richest by worth wins; on equal worth, the first in the table.
void CGame::EndOnLimit()
{
    int richest = 0;
    for (int i = 1; i < playerCount; ++i)
        if (WorthOf(*this, i) > WorthOf(*this, richest))
            richest = i;
    Say(kLimitReached, turnLimit);
    Say("%s a gagne!!!", players[richest].name);
    RestoreSetupPlayers();
    gameOver = 1;
    current = richest;
}

// Puts back each player's name, colour, computer flag and seat as the
// console set-up gave them. Records travel when the table is compacted, so
// each is restored from its own seat's set-up record, never from its slot's.
void CGame::RestoreSetupPlayers()
{
    for (Player& player : players) {
        const Player& setup = setupPlayers[player.seat];
        std::memcpy(player.name, setup.name, sizeof player.name);
        player.color = setup.color;
        player.computer = setup.computer;
        player.seat = setup.seat;
        player.level = setup.level;
    }
}
