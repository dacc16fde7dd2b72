// The game's computer level and turn limit: the set-up, the options
// screen's line and the end's note.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console_setup.h"
#include "game.h"
#include "standings.h"

// Each row: which of the players the computer plays, the level chosen, and
// the options screen's line.
TEST(LevelOptions, EveryComputerOfTheDialogueTakesTheLevelAndTheScreenNamesThoseInPlay)
{
    const struct { std::vector<int> computers; int32_t level; const char* label; } cases[] = {
        {{1, 0, 1}, kLevelStrong, "Niveau : Fort"},
        {{0, 0}, kLevelStrong, "Niveaux : aucun ordinateur"},
        {{0, 1}, kLevelNormal, "Niveau : Normal"},
    };
    for (const auto& c : cases) {
        CNullFrame frame;
        CSeededRandom random{1};
        CGame game{frame, random};
        game.playerCount = static_cast<int32_t>(c.computers.size());
        for (size_t i = 0; i < c.computers.size(); ++i)
            game.players[i].computer = c.computers[i];
        SetUpComputersAndLimit(game, c.level, 30);
        EXPECT_EQ(LevelsInPlayLabel(game), c.label);
        EXPECT_EQ(game.turnLimit, 30);
        for (size_t i = 0; i < c.computers.size(); ++i) {
            EXPECT_EQ(game.players[i].level, c.computers[i] ? c.level : kLevelNormal) << i;
            EXPECT_EQ(game.setupPlayers[i].level, game.players[i].level) << i;
        }
    }
    CNullFrame frame;
    CSeededRandom random{1};
    CGame game{frame, random};
    game.playerCount = 4;
    for (int i = 0; i < 4; ++i)
        game.players[i].computer = 1;
    game.players[0].level = kLevelStrong;
    game.players[2].level = kLevelEasy;
    EXPECT_EQ(LevelsInPlayLabel(game), "Niveaux : Facile, Normal, Fort");
}

TEST(LevelOptions, OnlyAGameEndedOnTheLimitCarriesTheNote)
{
    CNullFrame frame;
    CSeededRandom random{1};
    CGame game{frame, random};
    game.turnLimit = 3;
    game.roundsPlayed = 3;
    EXPECT_EQ(LimitNote(game), "");
    game.gameOver = 1;
    EXPECT_EQ(LimitNote(game), "Partie terminée : limite de 3 tours");
    game.roundsPlayed = 2;
    EXPECT_EQ(LimitNote(game), "") << "a bankruptcy ended it first";
}
