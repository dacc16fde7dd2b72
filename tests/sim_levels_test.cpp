// The simulator's levels, rotation, reports and turn limit.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "options.h"
#include "simulation.h"

namespace {

// Parses a command line into `options` and checks how its options go
// together; "" when both accept it, else what refused it.
std::string Read(const std::vector<const char*>& args, SimOptions& options)
{
    std::ostringstream out;
    std::ostringstream err;
    int status = 0;
    if (!ParseCommandLine(static_cast<int>(args.size()), args.data(), kSimProgram,
                          SimOptionTable(options), out, err, status))
        return "option";
    return CheckSimOptions(options);
}

std::string Names(const std::vector<int32_t>& levels)
{
    std::string names;
    for (int32_t level : levels)
        names += std::string(names.empty() ? "" : ",") + LevelName(level);
    return names;
}

}  // namespace

TEST(SimulationLevels, ReadsLevelsRotationReportsAndLimitAndRefusesWhatDoesNotFit)
{
    SimOptions options;
    ASSERT_EQ(Read({"sim", "--players", "3", "--levels", "fort,facile,normal", "--rotate", "--report-at",
                    "500,1000", "--turn-limit", "100"},
                   options),
              "");
    EXPECT_EQ(Names(options.levels), "fort,facile,normal");
    EXPECT_TRUE(options.rotate);
    EXPECT_EQ(options.reportAt, (std::vector<int>{500, 1000}));
    EXPECT_EQ(options.turnLimit, 100);
    const struct { std::vector<const char*> args; const char* refusal; } bad[] = {
        {{"sim", "--levels", "fort,normal"}, "--levels donne 2 niveaux pour 4 joueurs"},
        {{"sim", "--levels", "fort,,normal,normal"}, "option"},
        {{"sim", "--levels", "fort,normal,normal,expert"}, "option"},
        {{"sim", "--levels", "fort,normal,normal,normal,normal,normal,normal", "--players", "6"}, "option"},
        {{"sim", "--rotate"}, "--rotate demande --levels"},
        {{"sim", "--report-at", "500,"}, "option"},
        {{"sim", "--report-at", "0"}, "option"},
        {{"sim", "--turn-limit", "0"}, "option"},
    };
    for (const auto& b : bad) {
        SimOptions fresh;
        EXPECT_EQ(Read(b.args, fresh), b.refusal) << b.args[1] << " " << b.args[2];
    }
}

// Game i of a rotated run moves every level i seats on; the replay of a
// game names that game's own seating and the limit.
TEST(SimulationLevels, RotationSeatsEachLevelEverywhereAndTheReplayKeepsTheSeating)
{
    SimOptions options;
    ASSERT_EQ(Read({"sim", "--seed", "10", "--levels", "fort,normal,facile,normal", "--turn-limit", "50"}, options), "");
    EXPECT_EQ(Names(SeatLevels(options, 13)), "fort,normal,facile,normal");
    options.rotate = true;
    const char* const seatings[] = {"fort,normal,facile,normal", "normal,fort,normal,facile",
                                    "facile,normal,fort,normal", "normal,facile,normal,fort"};
    for (uint64_t i = 0; i < 8; ++i)
        EXPECT_EQ(Names(SeatLevels(options, 10 + i)), seatings[i % 4]) << i;
    EXPECT_EQ(ReplayCommand(options, 11),
              "bourgade3d-sim --games 1 --players 4 --seed 11 --max-turns 2000 --turn-limit 50 "
              "--levels normal,fort,normal,facile");
}

// Six players with a limit of 20 rounds: every game ends, on the limit or
// before, and the acts of each level are counted.
TEST(SimulationLevels, ALimitEndsEveryGameAndEachLevelsActsAreCounted)
{
    ActCounts acts;
    int onLimit = 0;
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        GameSetup setup;
        setup.players = 6;
        setup.seed = seed;
        setup.turnLimit = 20;
        setup.levelBySeat[0] = kLevelStrong;
        setup.levelBySeat[1] = kLevelEasy;
        const GameOutcome outcome = PlayGame(setup, nullptr, nullptr, &acts);
        ASSERT_EQ(outcome.violation, "") << seed;
        EXPECT_TRUE(outcome.finished) << seed;
        EXPECT_LE(outcome.turns, 20 * 6 * 3) << seed;
        EXPECT_GE(outcome.winnerSeat, 0) << seed;
        onLimit += outcome.endedOnLimit;
    }
    EXPECT_EQ(onLimit, 20);
    EXPECT_GT(acts.built[kLevelStrong], 0);
    EXPECT_GT(acts.built[kLevelNormal], 0);
    EXPECT_GT(acts.foolish[kLevelNormal][kLiftsLooseMortgage], 0) << "the normal level's lifts are watched too";
    EXPECT_GT(acts.strongStepMs.size(), 20u * 20);
    for (int act = 0; act < kFoolishActCount; ++act)
        EXPECT_EQ(acts.foolish[kLevelStrong][act], 0) << kFoolishActNames[act];
}
