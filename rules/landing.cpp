// What a property square or a special square does to the player who stops
// on it: purchase, rent, taxes, the free-parking pot and the way to prison.
#include "game.h"

namespace {

constexpr int kIncomeTaxSquare = 4;
constexpr int kParkingSquare = 20;
constexpr int kGoToPrisonSquare = 30;
constexpr int kLuxuryTaxSquare = 38;
constexpr int32_t kIncomeTax = 20000;
constexpr int32_t kLuxuryTax = 7500;
constexpr float kToPrisonSeconds = 1.0f;

}  // namespace

void CGame::LandOnProperty()
{
    const int p = squareToProperty[players[current].square];
    if (p < 0)
        return;
    const int owner = properties[p].owner;
    if (owner == current)
        Say("Bienvenue a la maison !");
    else if (owner >= 0)
        CollectRent(p);
    else
        OfferPurchase(p);
}

int32_t CGame::RentOf(int p) const
{
    const Property& property = properties[p];
    if (p >= kFirstStation) {
        int32_t rent = kStationBaseRent;
        for (int s = kFirstStation; s < kPropertyCount; ++s)
            if (properties[s].owner == property.owner)
                rent *= 2;
        return rent;
    }
    if (p >= kFirstUtility) {
        const bool both = properties[kFirstUtility].owner == properties[kFirstUtility + 1].owner;
        return moveSteps * (both ? kBothUtilitiesRentPerPoint : kUtilityRentPerPoint);
    }
    if (property.houses > 0)
        return property.rent[property.houses];
    return OwnsGroup(p) ? 2 * property.rent[0] : property.rent[0];
}

void CGame::CollectRent(int p)
{
    if (properties[p].mortgaged)
        return;
    const int32_t rent = RentOf(p);
    const int paid = Pay(rent, properties[p].owner, {"de loyer", p});
    if (gameOver)
        return;
    // A bankrupt payer leaves the table, which moves the players after it
    // down one place: the owner is read again, as the payment left it.
    Player& owner = players[properties[p].owner];
    if (paid == rent)
        Say("%s paye %dF a %s.", players[current].name, rent, owner.name);
    owner.money += paid;
}

// The cash a player could raise at most for a purchase: its money after the
// price, plus the mortgage value of everything it could still mortgage.
int64_t CGame::WorthAfterBuying(int p) const
{
    int64_t worth = players[current].money - properties[p].price;
    for (const Property& property : properties)
        if (property.owner == current && !property.mortgaged)
            worth += property.mortgageValue;
    return worth;
}

void CGame::OfferPurchase(int p)
{
    const Player& player = players[current];
    const Property& property = properties[p];
    const bool mustMortgage = player.money < property.price;
    if (mustMortgage && WorthAfterBuying(p) < 0) {
        Say("Vous n'avez pas assez d'argent pour acheter %s", property.name);
        return;
    }
    if (player.computer) {
        if (mustMortgage)
            ComputerBuyShort(p);
        else
            ComputerBuy(p);
        return;
    }
    if (mustMortgage && confirmSales) {
        Say("Hypothéquer %s pour acheter %s pour %dF ?", MortgagesToRaise(property.price).c_str(), property.name,
            property.price);
    } else if (mustMortgage) {
        Say("Voulez vous hypothequer pour acheter %s pour %dF ?", property.name, property.price);
    } else {
        Format("Acheter %s pour %dF ?", property.name, property.price);
        if (inputMode == kNoInput)
            ShowMessage();
    }
    if (AskQuestion() != Reply::kYes)
        return;
    Pay(property.price, kBank, {"pour l'achat", p});
    if (!gameOver)
        properties[p].owner = current;
}

void CGame::LandOnSpecial()
{
    switch (players[current].square) {
    case kIncomeTaxSquare:
        PayTax(kIncomeTax, "%s paye %dF pour le Parc Gratuit.");
        break;
    case kParkingSquare:
        CollectPot();
        break;
    case kGoToPrisonSquare:
        ShowText("Allez en Prison!");
        GoToPrison();
        break;
    case kLuxuryTaxSquare:
        PayTax(kLuxuryTax, "%s paye 7500 pour le Parc Gratuit");
        break;
    default:
        break;
    }
}

// Taxes go to the bank and feed the pot of "PARC GRATUIT" as well.
void CGame::PayTax(int32_t tax, const char* announcement)
{
    Pay(tax, kBank, {"d'impôt"});
    if (gameOver || playerEliminated)
        return;
    parkingPot += tax;
    Say(announcement, players[current].name, tax);
}

void CGame::CollectPot()
{
    if (parkingPot <= 0)
        return;
    Player& player = players[current];
    Say("%s recoit %dF du Parc Gratuit!", player.name, parkingPot);
    player.money += parkingPot;
    parkingPot = 0;
}

// Straight to prison, without passing "DEPART"; even a double ends the turn.
void CGame::GoToPrison()
{
    Player& player = players[current];
    player.jail = 1;
    player.square = kPrisonSquare;
    m_pFrame->MovePawnTo(current, kPrisonSquare, kToPrisonSeconds);
    doublesCount = 0;
}
