// Houses and hotels, mortgages, and the picks by which a human builds,
// mortgages or lifts a mortgage.
#include "game.h"

namespace {

// What a mortgage costs to lift: its value and one tenth more.
constexpr int kLiftTenth = 10;

// Why a pick is refused, said in one short line.
const char kNotYours[] = "Cette propriété n'est pas à vous";
const char kAlreadyMortgaged[] = "Cette propriété est déjà hypothéquée";
const char kNotMortgaged[] = "Cette propriété n'est pas hypothéquée";
const char kTooPoor[] = "Pas assez d'argent";
const char kNotAStreet[] = "On ne construit que sur les rues";
const char kGroupIncomplete[] = "Il faut posséder tout le groupe";

}  // namespace

int CGame::LiftCost(int p)
{
    const int value = deedTable[p].mortgageValue;
    return value + value / kLiftTenth;
}

bool CGame::GroupHasBuildings(int p) const
{
    if (!OwnsGroup(p))
        return false;
    for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q)
        if (properties[q].houses > 0)
            return true;
    return false;
}

bool CGame::BuildHouse(int p)
{
    const int first = groupFirst[p];
    const int last = first + groupSize[p] - 1;
    for (int q = first; q <= last; ++q)
        if (properties[q].mortgaged)
            return false;
    // The least built street gets it, so the group is always built evenly.
    int target = p;
    for (int q = last; q >= first; --q)
        if (properties[q].houses < properties[target].houses)
            target = q;
    Property& street = properties[target];
    if (street.houses == 5)
        return false;

    street.houses += 1;
    m_pFrame->SetBuildings(propertySquare[target], street.houses);
    Player& builder = players[current];
    builder.money -= street.houseCost;
    if (builder.computer)
        Say("%s construit %s sur %s.", builder.name, street.houses == 5 ? "un hôtel" : "une maison",
            street.name);
    return true;
}

int CGame::SellHouse(int p, int player)
{
    const int first = groupFirst[p];
    int target = first;
    for (int q = first + 1; q < first + groupSize[p]; ++q)
        if (properties[q].houses > properties[target].houses)
            target = q;
    Property& street = properties[target];
    if (street.houses == 0)
        return target;

    street.houses -= 1;
    m_pFrame->SetBuildings(propertySquare[target], street.houses);
    players[player].money += street.houseCost / 2;
    showSquare = 0;
    RefreshAndRoll();
    return target;
}

int CGame::SellHouse(int p)
{
    return SellHouse(p, current);
}

// Reminds the player what the pick is for at every tick while it waits,
// then takes the property under the last click, or -1.
int CGame::PromptedPick(const char* title)
{
    ShowText(title);
    m_pFrame->Redraw();
    ShowText("Choisissez la propriete");
    m_pFrame->Redraw();
    return ChooseProperty();
}

// A press beside every property leaves a pick, unless it began the pick in
// this very step (the click on the pick's icon): the player changed their
// mind.
void CGame::LeavesPick()
{
    if (!m_pFrame->LastMouse().pressed || m_bPickBegun)
        return;
    inputMode = kNoInput;
    ShowText("Annulé");
}

void CGame::BuildPick()
{
    const int p = ChooseProperty();
    if (p < 0) {
        LeavesPick();
        return;
    }
    inputMode = kNoInput;
    const char* refusal = BuildRefusal(p);
    if (refusal)
        ShowText(refusal);
    else
        BuildHouse(p);
}

const char* CGame::BuildRefusal(int p) const
{
    const Property& street = properties[p];
    if (street.owner != current)
        return kNotYours;
    if (deedKind[p] != 0)
        return kNotAStreet;
    if (!OwnsGroup(p))
        return kGroupIncomplete;
    if (players[current].money < street.houseCost)
        return kTooPoor;
    return nullptr;
}

// A street is only mortgaged bare: every building of its group is sold
// first, so that no mortgaged group ever carries buildings.
bool CGame::MortgagePick()
{
    const int p = PromptedPick("Hypothequer");
    if (p < 0) {
        LeavesPick();
        return false;
    }
    Property& property = properties[p];
    inputMode = kNoInput;
    if (property.mortgaged || property.owner != current) {
        ShowText(property.owner != current ? kNotYours : kAlreadyMortgaged);
        return false;
    }
    if (confirmSales && GroupHasBuildings(p) && !players[current].computer) {
        pendingSale = p;
        return ConfirmSale();
    }
    Mortgage(p);
    return true;
}

// The mortgage waits for the player's yes: it sells the buildings of the
// whole group first. False while the answer is pending or after a no.
bool CGame::ConfirmSale()
{
    const int p = pendingSale;
    Format("Hypothéquer %s vend les maisons et hôtels de son groupe : d'accord ?", properties[p].name);
    const Reply reply = AskQuestion();
    if (reply == Reply::kPending)
        return false;
    pendingSale = -1;
    if (reply == Reply::kNo) {
        ShowText("Annulé");
        return false;
    }
    Mortgage(p);
    return true;
}

void CGame::Mortgage(int p)
{
    Property& property = properties[p];
    while (GroupHasBuildings(p))
        SellHouse(p, current);
    property.mortgaged = 1;
    players[current].money += property.mortgageValue;
}

bool CGame::LiftPick()
{
    const int p = PromptedPick("Lever l'hypotheque");
    if (p < 0) {
        LeavesPick();
        return false;
    }
    Property& property = properties[p];
    inputMode = kNoInput;
    const int cost = LiftCost(p);
    if (!property.mortgaged || property.owner != current || players[current].money < cost) {
        ShowText(property.owner != current ? kNotYours
                 : !property.mortgaged     ? kNotMortgaged
                                           : kTooPoor);
        return false;
    }
    property.mortgaged = 0;
    players[current].money -= cost;
    showSquare = 0;
    RefreshAndRoll();
    return true;
}
