#include "game_setup.h"

#include <cstring>

#include "console_setup.h"
#include "player_name.h"

GameSetup::GameSetup()
{
    for (int i = 0; i < kMaxPlayers; ++i) {
        names[i] = "Joueur " + std::to_string(i + 1);
        level[i] = kLevelNormal;
    }
}

void ApplySetup(const GameSetup& setup, CGame& game)
{
    game.playerCount = setup.count;
    for (int i = 0; i < setup.count; ++i) {
        Player& player = game.players[i];
        StorePlayerName(setup.names[i], i, player.name);
        player.computer = setup.computer[i];
    }
    CopySetupPlayers(game);
    SetUpComputersAndLimit(game, kLevelNormal, setup.turnLimit);
    game.confirmSales = setup.confirmSales;
    for (int i = 0; i < setup.count; ++i) {
        const int32_t level = setup.computer[i] ? setup.level[i] : kLevelNormal;
        game.players[i].level = level;
        game.setupPlayers[i].level = level;
    }
}
