#include "consistency.h"

#include <cinttypes>
#include <cstdio>

#include "game.h"
#include "text_format.h"

namespace {

constexpr int kMaxJail = 3;

bool IsPlayer(const CGame& game, int index)
{
    return index >= 0 && index < game.playerCount;
}

std::string CheckTurn(const CGame& game)
{
    if (game.playerCount < kMinPlayers || game.playerCount > kMaxPlayers)
        return TextFormat("nombre de joueurs %d impossible", game.playerCount);
    if (!IsPlayer(game, game.current))
        return TextFormat("joueur courant %d impossible", game.current);
    if (game.inputMode < kNoInput || game.inputMode > kDealAnswer)
        return TextFormat("attente %d impossible", game.inputMode);
    if (game.parkingPot < 0)
        return TextFormat("cagnotte du parc %d négative", game.parkingPot);
    if (game.turnLimit < 0 || game.roundsPlayed < 0)
        return TextFormat("limite de tours %d ou tours joués %d négatifs", game.turnLimit, game.roundsPlayed);
    if (game.turnLimit > 0 && game.roundsPlayed >= game.turnLimit && !game.gameOver)
        return TextFormat("tour %d au-delà de la limite de %d", game.roundsPlayed, game.turnLimit);
    return "";
}

std::string CheckPlayers(const CGame& game)
{
    bool seatTaken[kMaxPlayers] = {};
    for (int i = 0; i < game.playerCount; ++i) {
        const Player& player = game.players[i];
        if (player.money < 0)
            return TextFormat("le joueur %d a %" PRId64 "F", i, player.money);
        if (player.square < 0 || player.square >= kSquareCount)
            return TextFormat("le joueur %d sur la case %d", i, player.square);
        if (player.jail < 0 || player.jail > kMaxJail)
            return TextFormat("le joueur %d compte %d tours de prison", i, player.jail);
        if (player.jail != 0 && player.square != kPrisonSquare)
            return TextFormat("le joueur %d en prison sur la case %d", i, player.square);
        if (player.level < 0 || player.level >= kLevelCount)
            return TextFormat("le joueur %d au niveau %d", i, player.level);
        if (player.seat < 0 || player.seat >= kMaxPlayers || seatTaken[player.seat])
            return TextFormat("le joueur %d à la place %d, impossible ou déjà prise", i, player.seat);
        seatTaken[player.seat] = true;
    }
    return "";
}

std::string CheckProperties(const CGame& game)
{
    for (int p = 0; p < kPropertyCount; ++p) {
        const Property& property = game.properties[p];
        if (property.owner != kBank && !IsPlayer(game, property.owner))
            return TextFormat("la propriété %d appartient à %d", p, property.owner);
        if (property.mortgaged != 0 && property.mortgaged != 1)
            return TextFormat("la propriété %d hypothéquée à %d", p, property.mortgaged);
        if (property.houses < 0 || property.houses > 5)
            return TextFormat("la propriété %d porte %d bâtiments", p, property.houses);
        if (property.houses == 0)
            continue;
        if (deedKind[p] != 0 || property.owner == kBank || !game.OwnsGroup(p))
            return TextFormat("la propriété %d bâtie hors d'un groupe complet", p);
        if (property.mortgaged)
            return TextFormat("la propriété %d hypothéquée avec des bâtiments", p);
    }
    return "";
}

// Groups are built evenly, and not at all while a street is mortgaged.
std::string CheckGroups(const CGame& game)
{
    for (int first = 0; first < kStreetCount; first += groupSize[first]) {
        int fewest = 5, most = 0;
        bool mortgaged = false;
        for (int q = first; q < first + groupSize[first]; ++q) {
            const Property& street = game.properties[q];
            fewest = street.houses < fewest ? street.houses : fewest;
            most = street.houses > most ? street.houses : most;
            mortgaged = mortgaged || street.mortgaged;
        }
        if (most - fewest > 1)
            return TextFormat("le groupe de la propriété %d bâti inégalement (%d à %d)", first, fewest, most);
        if (most > 0 && mortgaged)
            return TextFormat("le groupe de la propriété %d bâti avec une rue hypothéquée", first);
    }
    return "";
}

std::string CheckDeck(const int32_t* order, int size, int32_t next, const char* name)
{
    bool seen[kChanceCards] = {};
    for (int k = 0; k < size; ++k) {
        if (order[k] < 0 || order[k] >= size || seen[order[k]])
            return TextFormat("l'ordre des cartes %s n'est pas une permutation à %d", name, k);
        seen[order[k]] = true;
    }
    if (next < 0 || next >= size)
        return TextFormat("prochaine carte %s %d impossible", name, next);
    return "";
}

std::string CheckCards(const CGame& game)
{
    for (int32_t holder : game.jailCardHolder)
        if (holder != -1 && !IsPlayer(game, holder))
            return TextFormat("carte de prison tenue par %d", holder);
    const std::string chest = CheckDeck(game.chestOrder, kChestCards, game.chestNext, "caisse");
    if (!chest.empty())
        return chest;
    return CheckDeck(game.chanceOrder, kChanceCards, game.chanceNext, "chance");
}

// A pending exchange names the property asked for, which a player owns, and
// a priced offer names the property given for it too.
std::string CheckExchange(const CGame& game)
{
    const int32_t mode = game.inputMode;
    const int32_t wanted = game.tradeWanted;
    if ((mode == kTradeOfferedPick || mode == kPricedOffer) &&
        (wanted < 0 || wanted >= kPropertyCount || !IsPlayer(game, game.properties[wanted].owner)))
        return TextFormat("échange en cours sur la propriété %d, qui n'appartient à personne", wanted);
    if (mode == kPricedOffer && (game.tradeOffered < 0 || game.tradeOffered >= kPropertyCount))
        return TextFormat("offre chiffrée sur la propriété %d", game.tradeOffered);
    const int sale = game.pendingSale;
    if (sale >= kPropertyCount ||
        (sale >= 0 && (game.inputMode != kYesNo || game.properties[sale].owner != game.current)))
        return TextFormat("hypothèque en attente sur la propriété %d, qui n'est pas au joueur", sale);
    if (game.pendingSwap && (mode != kYesNo || wanted < 0 || wanted >= kPropertyCount || game.tradeOffered < 0 ||
                             game.tradeOffered >= kPropertyCount ||
                             game.properties[game.tradeOffered].owner != game.current ||
                             !IsPlayer(game, game.properties[wanted].owner)))
        return "échange en attente de réponse sans ses deux propriétés";
    return "";
}

// A pending deal names two players of the game, properties of the board and
// no negative cash; the wait for an answer goes with a deal and a person
// who gives it.
std::string CheckDeal(const CGame& game)
{
    const Deal& deal = game.pendingDeal;
    const bool waits = game.inputMode == kDealAnswer;
    if (deal.asker < 0)
        return waits ? "réponse attendue à un échange qui n'existe pas" : "";
    if (!IsPlayer(game, deal.asker) || !IsPlayer(game, deal.partner) || deal.asker == deal.partner)
        return TextFormat("échange en attente entre les joueurs %d et %d impossible", deal.asker, deal.partner);
    if ((deal.askerGives | deal.partnerGives) >> kPropertyCount != 0)
        return "échange en attente sur une propriété hors du plateau";
    if (deal.askerCash < 0 || deal.partnerCash < 0)
        return TextFormat("échange en attente avec une somme négative (%d F, %d F)", deal.askerCash,
                          deal.partnerCash);
    if (game.inputMode != kNoInput && !waits)
        return TextFormat("échange en attente pendant l'attente %d", game.inputMode);
    if (waits && game.players[deal.partner].computer)
        return "réponse d'une personne attendue d'un ordinateur";
    return "";
}

std::string CheckBoard(const CGame& game, const int32_t* boardBuildings)
{
    for (int s = 0; s < kSquareCount; ++s) {
        const int p = squareToProperty[s];
        const int32_t houses = p >= 0 ? game.properties[p].houses : 0;
        if (boardBuildings[s] != houses)
            return TextFormat("la case %d montre %d bâtiments, et non %d", s, boardBuildings[s], houses);
    }
    return "";
}

}  // namespace

std::string CheckConsistency(const CGame& game, const int32_t* boardBuildings)
{
    using Check = std::string (*)(const CGame&);
    static const Check checks[] = {CheckTurn,  CheckPlayers, CheckProperties,
                                   CheckGroups, CheckCards,  CheckExchange, CheckDeal};
    for (Check check : checks) {
        std::string broken = check(game);
        if (!broken.empty())
            return broken;
    }
    return boardBuildings != nullptr ? CheckBoard(game, boardBuildings) : "";
}
