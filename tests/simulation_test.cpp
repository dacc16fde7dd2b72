#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "options.h"
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

namespace {

// Parses a command line into `options`; false when it is refused.
bool Parse(const std::vector<const char*>& args, SimOptions& options, int& status)
{
    std::ostringstream out;
    std::ostringstream err;
    return ParseCommandLine(static_cast<int>(args.size()), args.data(), kSimProgram,
                            SimOptionTable(options), out, err, status);
}

}  // namespace

// Every option is read and bad values refused; and a broken rule found deep
// into a long game must replay: the printed command, read back, plays that
// one game exactly as the run did.
TEST(SimulationOptions, ReadsEveryOptionRefusesBadValuesAndReplaysAGame)
{
    SimOptions options;
    int status = -1;
    ASSERT_TRUE(Parse({"sim", "--games", "5", "--players", "6", "--seed", "18446744073709551615",
                       "--max-turns", "300", "--landings"},
                      options, status));
    EXPECT_EQ(options.games, 5);
    EXPECT_EQ(options.players, 6);
    EXPECT_EQ(options.maxTurns, 300);
    EXPECT_TRUE(options.landings);
    EXPECT_EQ(options.seed, UINT64_MAX);
    const std::vector<std::vector<const char*>> bad = {
        {"sim", "--players", "7"}, {"sim", "--players", "1"}, {"sim", "--games", "0"},
        {"sim", "--games", "-3"},  {"sim", "--games", "4x"},  {"sim", "--seed"},
        {"sim", "--turbo"},        {"sim", "--max-turns", "99999999999999999999"},
    };
    for (const auto& args : bad) {
        EXPECT_FALSE(Parse(args, options, status)) << args[1];
        EXPECT_EQ(status, 2) << args[1];
    }

    options.games = 20000;
    options.players = 2;
    options.maxTurns = 2000000;
    std::istringstream words(ReplayCommand(options, UINT64_MAX));
    const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    std::vector<const char*> argv;
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    SimOptions replay;
    ASSERT_TRUE(Parse(argv, replay, status));
    EXPECT_EQ(replay.games, 1);
    EXPECT_EQ(replay.players, 2);
    EXPECT_EQ(replay.maxTurns, 2000000);
    EXPECT_EQ(replay.seed, UINT64_MAX);
}
