#include "guidance_line.h"

#include <cstdio>

namespace {

// What each pick waits for, and the way out of it: a click beside the
// properties (or a right click) leaves every pick; in the owner's answer to
// an exchange it refuses.
struct PickPrompt {
    int32_t mode;
    const char* text;
};

const PickPrompt kPickPrompts[] = {
    {kInspectPick, "Regarder : cliquez sur une propriété, à côté pour sortir"},
    {kBuildPick, "Construire : cliquez sur une rue, à côté pour annuler"},
    {kTradeWantedPick, "Échange : cliquez sur la propriété voulue, à côté pour annuler"},
    {kTradeOfferedPick, "%s, en retour : cliquez, à côté pour refuser"},
    {kMortgagePick, "Hypothéquer : cliquez sur une propriété, à côté pour annuler"},
    {kLiftPick, "Lever l'hypothèque : cliquez une propriété, à côté pour annuler"},
};

// Who answers a pick: the owner asked in an exchange, else the player.
const char* Picker(const CGame& game)
{
    if (game.inputMode == kTradeOfferedPick && game.tradeWanted >= 0)
        return game.players[game.properties[game.tradeWanted].owner].name;
    return game.players[game.current].name;
}

std::string Formatted(const char* format, const char* name)
{
    char line[kMessageSize * 2];
    std::snprintf(line, sizeof line, format, name);
    return line;
}

}  // namespace

std::string GuidanceLine(const CGame& game)
{
    // A question, an offer or a deal says itself who is to answer.
    if (game.playerCount == 0 || game.gameOver || game.inputMode == kYesNo || game.inputMode == kPricedOffer ||
        game.inputMode == kDealAnswer)
        return "";
    const Player& player = game.players[game.current];
    for (const PickPrompt& prompt : kPickPrompts)
        if (prompt.mode == game.inputMode)
            return Formatted(prompt.text, Picker(game));
    if (player.computer)
        return Formatted("L'ordinateur joue pour %s", player.name);
    return Formatted("À vous, %s : cliquez sur un dé (ou touche t)", player.name);
}
