#include "deal.h"

#include <vector>

#include "game.h"
#include "text_format.h"

namespace {

// Property bits beyond the board's: a deal naming one is refused.
constexpr uint32_t kBoardBits = (1u << kPropertyCount) - 1;

bool InGame(const CGame& game, int player)
{
    return player >= 0 && player < game.playerCount;
}

std::string SideRefusal(const CGame& game, int player, uint32_t gives, int32_t cash)
{
    const char* name = game.players[player].name;
    if ((gives & ~kBoardBits) != 0)
        return "L'échange nomme une propriété qui n'existe pas";
    for (int p = 0; p < kPropertyCount; ++p) {
        if ((gives & PropertyBit(p)) == 0)
            continue;
        if (game.properties[p].owner != player)
            return TextFormat("%s n'est pas à %s", game.properties[p].name, name);
        if (game.GroupHasBuildings(p))
            return TextFormat("%s est d'un groupe bâti", game.properties[p].name);
    }
    if (cash < 0)
        return "Une somme échangée ne peut pas être négative";
    if (cash > game.players[player].money)
        return TextFormat("%s n'a pas %s", name, Francs(cash).c_str());
    return "";
}

// One side as a sentence reads it: its properties in the board's order,
// then its cash; "rien" when it gives nothing.
std::string SideText(const CGame& game, uint32_t gives, int32_t cash)
{
    std::vector<std::string> items;
    for (int p = 0; p < kPropertyCount; ++p)
        if ((gives & PropertyBit(p)) != 0)
            items.push_back(game.properties[p].name);
    if (cash > 0)
        items.push_back(Francs(cash));
    if (items.empty())
        return "rien";
    std::string text = items.front();
    for (size_t k = 1; k < items.size(); ++k)
        text += (k + 1 == items.size() ? " et " : ", ") + items[k];
    return text;
}

}  // namespace

int OwnerAfter(const CGame& game, const Deal& deal, int p)
{
    if ((deal.askerGives & PropertyBit(p)) != 0)
        return deal.partner;
    if ((deal.partnerGives & PropertyBit(p)) != 0)
        return deal.asker;
    return game.properties[p].owner;
}

bool MakesGroupWhole(const CGame& game, const Deal& deal, int first, int player)
{
    bool whole = true;
    for (int q = first; q < first + groupSize[first]; ++q)
        whole = whole && OwnerAfter(game, deal, q) == player;
    return whole && !(game.properties[first].owner == player && game.OwnsGroup(first));
}

bool CompletesGroupFor(const CGame& game, const Deal& deal, int player)
{
    for (int first = 0; first < kStreetCount; first += groupSize[first])
        if (MakesGroupWhole(game, deal, first, player))
            return true;
    return false;
}

int64_t CashFor(const Deal& deal, int player)
{
    const int64_t toAsker = int64_t{deal.partnerCash} - deal.askerCash;
    return player == deal.asker ? toAsker : -toAsker;
}

uint32_t GivenBy(const Deal& deal, int player)
{
    return player == deal.asker ? deal.askerGives : deal.partnerGives;
}

uint32_t GottenBy(const Deal& deal, int player)
{
    return player == deal.asker ? deal.partnerGives : deal.askerGives;
}

bool DealIsEmpty(const Deal& deal)
{
    return deal.askerGives == 0 && deal.partnerGives == 0 && deal.askerCash == 0 && deal.partnerCash == 0;
}

std::string DealRefusal(const CGame& game, const Deal& deal)
{
    if (!InGame(game, deal.asker) || !InGame(game, deal.partner))
        return "L'échange doit se faire entre deux joueurs de la partie";
    if (deal.asker == deal.partner)
        return "Un joueur ne peut pas échanger avec lui-même";
    if (DealIsEmpty(deal))
        return "L'échange est vide";
    const std::string refusal = SideRefusal(game, deal.asker, deal.askerGives, deal.askerCash);
    return refusal.empty() ? SideRefusal(game, deal.partner, deal.partnerGives, deal.partnerCash) : refusal;
}

std::string DealText(const CGame& game, const Deal& deal)
{
    return std::string(game.players[deal.asker].name) + " échange " +
           SideText(game, deal.askerGives, deal.askerCash) + " contre " +
           SideText(game, deal.partnerGives, deal.partnerCash) + " avec " + game.players[deal.partner].name;
}
