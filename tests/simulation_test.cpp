#include <gtest/gtest.h>

#include "simulation.h"

// Every rule is checked after each step of the games that `sim_runs_clean`
// plays; here a seed replays its game.
TEST(Simulation, ASeededGameReplays)
{
    LandingCounts first;
    LandingCounts second;
    const GameOutcome a = PlayGame(4, 77, 2000, &first);
    const GameOutcome b = PlayGame(4, 77, 2000, &second);
    EXPECT_EQ(HashOutcome(0, a), HashOutcome(0, b));
    EXPECT_EQ(first.throws, second.throws);
    EXPECT_EQ(first.throws, a.turns) << "one throw a turn";
    EXPECT_EQ(first.squares[30], 0) << "nobody stays on ALLEZ EN PRISON";
    EXPECT_NE(HashOutcome(0, a), HashOutcome(0, PlayGame(4, 78, 2000, nullptr)));
}
