// The game's computer level and turn limit: options, set-up, the options
// screen's line and the end's note.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "console_setup.h"
#include "game.h"
#include "game_options.h"
#include "standings.h"

// What the options read, "!" when refused.
TEST(LevelOptions, ComputerLevelAndTurnLimitAreReadOrRefused)
{
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{}, "normal 0"},
        {{"--computer-level", "fort", "--turn-limit", "100"}, "fort 100"},
        {{"--niveau=facile", "--limite-tours=5"}, "facile 5"},
        {{"--niveau", "expert"}, "!"}, {{"--niveau", "Fort"}, "!"},
        {{"--turn-limit", "1"}, "normal 1"},
        {{"--turn-limit", "0"}, "!"}, {{"--turn-limit", "x"}, "!"}, {{"--turn-limit", "1000001"}, "!"},
    };
    for (const auto& [args, expected] : cases) {
        std::vector<const char*> argv = {"bourgade3d"};
        argv.insert(argv.end(), args.begin(), args.end());
        GameOptions o;
        std::ostringstream out;
        std::ostringstream err;
        int status = 0;
        const bool read = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), kGameProgram,
                                           GameOptionTable(o), out, err, status);
        EXPECT_EQ(read ? std::string(LevelName(o.computerLevel)) + " " + std::to_string(o.turnLimit) : "!",
                  expected);
    }
}

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
