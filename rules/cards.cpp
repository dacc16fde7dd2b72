// The "CHANCE" and "CAISSE DE COMMUNAUTE" decks: drawing in the shuffled
// order, the cards' lines, and what each card does.
#include "cards.h"

#include "game.h"

namespace {

// Between two lines of a card, a frame of the board is drawn.
const char kRedraw[] = "";

constexpr float kShortWalk = 1.0f;
constexpr float kLongWalk = 2.0f;
constexpr float kBackWalk = 1.5f;

constexpr CardEffect Collect(int32_t amount)
{
    return {CardKind::kCollect, amount, 0, 0, 0.0f, false, nullptr};
}
constexpr CardEffect PayBank(int32_t amount)
{
    return {CardKind::kPayBank, amount, 0, 0, 0.0f, false, nullptr};
}
constexpr CardEffect PayPot(int32_t amount, const char* announcement)
{
    return {CardKind::kPayPot, amount, 0, 0, 0.0f, false, announcement};
}
constexpr CardEffect AdvanceTo(int square, float seconds, bool refresh)
{
    return {CardKind::kAdvanceTo, 0, 0, square, seconds, refresh, nullptr};
}
constexpr CardEffect BackTo(int square, float seconds)
{
    return {CardKind::kBackTo, 0, 0, square, seconds, false, nullptr};
}
constexpr CardEffect BackThree()
{
    return {CardKind::kBackThree, 0, 0, 0, kBackWalk, true, nullptr};
}
constexpr CardEffect Prison()
{
    return {CardKind::kPrison, 0, 0, 0, 0.0f, false, nullptr};
}
constexpr CardEffect Birthday(int32_t amount)
{
    return {CardKind::kBirthday, amount, 0, 0, 0.0f, false, nullptr};
}
constexpr CardEffect PrisonCard()
{
    return {CardKind::kPrisonCard, 0, 0, 0, 0.0f, false, nullptr};
}
constexpr CardEffect Repairs(int32_t perHouse, int32_t perHotel)
{
    return {CardKind::kRepairs, perHouse, perHotel, 0, 0.0f, false, nullptr};
}

// clang-format off
const Card chestCards[kChestCards] = {
    {{"La vente de votre stock vous rapporte 5.000F"}, Collect(5000)},
    {{"Recevez votre interet sur l'emprunt a 7% : 2.500F"}, Collect(2500)},
    {{"Payez a l'Hopital 10.000F"}, PayPot(10000, "%s paye 10.000F pour le Parc Gratuit")},
    {{"Recevez votre revenu annuel 10.000F"}, Collect(10000)},
    {{"Placez vous sur la case Depart"}, AdvanceTo(kStartSquare, kShortWalk, false)},
    {{"Erreur de la Banque en votre faveur.", kRedraw, "Recevez 20.000F"}, Collect(20000)},
    {{"Payez la note du Medecin : 5.000F"}, PayBank(5000)},
    {{"Allez en prison", kRedraw, "Avancez tout droit en prison", kRedraw,
      "Ne passez pas par la case Depart", kRedraw, "Ne recevez pas 20.000F"}, Prison()},
    {{"Payez votre Police d'Assurance s'elevant a 5.000F"}, PayBank(5000)},
    {{"Les Contributions", kRedraw, "vous remboursent la some de 2.000F"}, Collect(2000)},
    {{"C'est votre anniversaire : ", kRedraw, "Chaque joueur doit vous donner 1.000F"},
     Birthday(1000)},
    {{"Vous etes libere de prison", kRedraw, "Cette carte peut etre conservee", kRedraw,
      "jusqu'a ce qu'elle soit utilisee ou vendue"}, PrisonCard()},
    {{"Vous heritez 10.000F"}, Collect(10000)},
    {{"Vous avez gagne le 2eme Prix de Beautee", "Recevez 1.000F"}, Collect(1000)},
    {{"Retournez a Belleville"}, BackTo(1, kShortWalk)},
};

const Card chanceCards[kChanceCards] = {
    {{"Avancez jusqu'a la case Depart"}, AdvanceTo(kStartSquare, kLongWalk, false)},
    {{"Rendez-vous a l'Avenue Henri-Martin.", kRedraw,
      "Si vous passez par la case Depart recevez 20.000F"}, AdvanceTo(24, kLongWalk, true)},
    {{"La Banque vous verse un dividende de 5.000F"}, Collect(5000)},
    {{"Avancez au Boulevard de la Villette", kRedraw,
      "Si vous passez par la case Depart recevez 20.000F"}, AdvanceTo(11, kShortWalk, true)},
    {{"Votre immeuble et votre pret rapportent", kRedraw, "Vous devez toucher 15.000F"},
     Collect(15000)},
    {{"Reculez de 3 cases"}, BackThree()},
    {{"Faites des reparations dans toutes vos maisons", kRedraw,
      "Versez pour chaque maison 2.500F", kRedraw, "Versez pour chaque hotel 10.000F"},
     Repairs(2500, 10000)},
    {{"Allez a la Gare de Lyon", kRedraw, "Si vous passez par la case Depart recevez 20.000F"},
     AdvanceTo(15, kShortWalk, true)},
    {{"Vous avez gagne le prix de mots croises.", kRedraw, "Recevez 10.000F"}, Collect(10000)},
    {{"Vous etes libere de prison", kRedraw, "Cette carte peut etre conservee", kRedraw,
      "jusqu'a ce qu'elle soit utilisee ou vendue"}, PrisonCard()},
    {{"Amende pour ivresse : 2.000F", kRedraw},
     PayPot(2000, "%s paye 2.000 pour le Parc Gratuit")},
    {{"Amende pour exces de vitesse : 1.500F", kRedraw},
     PayPot(1500, "%s paye 1.500 pour le Parc Gratuit")},
    {{"Payez pour frais de scolarite 15.000F", kRedraw},
     PayPot(15000, "%s paye 15.000 pour le Parc Gratuit")},
    {{"Rendez vous a la Rue de la Paix"}, AdvanceTo(39, kShortWalk, true)},
    {{"Allez en prison", kRedraw, "Avancez tout droit en prison", kRedraw,
      "Ne passez pas par la case Depart", kRedraw, "Ne recevez pas 20.000F"}, Prison()},
    {{"Vous etes impose pour les reparation", kRedraw, "a raison de 4.000F par maison", kRedraw,
      "et 11.500F par hotel"}, Repairs(4000, 11500)},
};
// clang-format on

// Each deck with its "Sortie de Prison" card, that card's holder entry, and
// the three squares where it is drawn.
const Deck chestDeck = {chestCards, kChestCards, 11, 0, {2, 17, 33}};
const Deck chanceDeck = {chanceCards, kChanceCards, 9, 1, {7, 22, 36}};

}  // namespace

void CGame::DrawChance()
{
    DrawCard(chanceDeck, chanceOrder, chanceNext);
}

void CGame::DrawChest()
{
    DrawCard(chestDeck, chestOrder, chestNext);
}

void CGame::DrawCard(const Deck& deck, const int32_t* order, int32_t& next)
{
    const int square = players[current].square;
    if (square != deck.squares[0] && square != deck.squares[1] && square != deck.squares[2])
        return;
    int k = next;
    // A prison card that a player keeps is not in the deck.
    if (order[k] == deck.prisonCard && jailCardHolder[deck.holderSlot] != -1)
        k = (k + 1) % deck.size;
    next = (k + 1) % deck.size;
    RefreshAndRoll();
    RefreshAndRoll();
    const Card& card = deck.cards[order[k]];
    ShowCardLines(card);
    ApplyCard(card.effect, deck.holderSlot);
}

void CGame::ShowCardLines(const Card& card)
{
    for (const char* line : card.lines) {
        if (line == nullptr)
            return;
        if (line[0] == '\0')
            m_pFrame->Redraw();
        else
            ShowText(line);
    }
}

void CGame::ApplyCard(const CardEffect& effect, int holderSlot)
{
    Player& player = players[current];
    switch (effect.kind) {
    case CardKind::kCollect:
        player.money += effect.amount;
        break;
    case CardKind::kPayBank:
        Pay(effect.amount, kBank, {"pour une carte"});
        break;
    case CardKind::kPayPot:
        Pay(effect.amount, kBank, {"pour une carte"});
        if (gameOver || playerEliminated)
            return;
        parkingPot += effect.amount;
        Say(effect.announcement, player.name);
        break;
    case CardKind::kAdvanceTo:
        // The pawn only moves forward: reaching a square at or behind the
        // one it stood on passes "DEPART".
        if (effect.square <= player.square)
            player.money += kStartBonus;
        MoveByCard(effect.square, effect.seconds, effect.refresh);
        break;
    case CardKind::kBackTo:
        MoveByCard(effect.square, effect.seconds, effect.refresh);
        break;
    case CardKind::kBackThree:
        MoveByCard(player.square - 3, effect.seconds, effect.refresh);
        break;
    case CardKind::kPrison:
        GoToPrison();
        break;
    case CardKind::kBirthday:
        CollectBirthday(effect.amount);
        break;
    case CardKind::kPrisonCard:
        jailCardHolder[holderSlot] = current;
        break;
    case CardKind::kRepairs:
        PayRepairs(effect.amount, effect.perHotel);
        break;
    }
}

void CGame::MoveByCard(int square, float seconds, bool refresh)
{
    players[current].square = square;
    m_pFrame->MovePawnTo(current, square, seconds);
    if (refresh) {
        showSquare = 1;
        RefreshAndRoll();
    }
}

// Every other player pays once. A payer that goes bankrupt leaves the table
// and the players after it move down one place, the drawer too, so payers
// are followed by their seat and the drawer by `current`, which the
// elimination keeps pointing at it.
void CGame::CollectBirthday(int32_t amount)
{
    int32_t payerSeats[kPlayerSlots];
    int payers = 0;
    for (int i = 0; i < playerCount; ++i)
        if (i != current)
            payerSeats[payers++] = players[i].seat;
    // Another player's bankruptcy does not end the drawer's turn.
    const int32_t doubles = doublesCount;
    for (int k = 0; k < payers; ++k) {
        const int payer = IndexOfSeat(payerSeats[k]);
        if (payer < 0)
            continue;
        const int paid = PayFrom(payer, amount, current, {"pour une carte"});
        if (gameOver)
            return;
        players[current].money += paid;
    }
    doublesCount = doubles;
}

int CGame::IndexOfSeat(int32_t seat) const
{
    for (int i = 0; i < playerCount; ++i)
        if (players[i].seat == seat)
            return i;
    return -1;
}

void CGame::PayRepairs(int32_t perHouse, int32_t perHotel)
{
    for (int p = 0; p < kPropertyCount; ++p) {
        const Property& property = properties[p];
        if (property.owner != current || property.houses == 0)
            continue;
        Pay(property.houses == 5 ? perHotel : property.houses * perHouse, kBank, {"de réparations", p});
        if (gameOver || playerEliminated)
            return;
    }
}
