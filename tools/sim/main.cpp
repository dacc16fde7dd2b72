// bourgade3d-sim: plays whole games between computer players through the
// real rules, checks the game state after every step, and sums them up.
#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <iostream>
#include <memory>

#include "game_log.h"
#include "options.h"
#include "simulation.h"
#include "summary.h"

namespace {

void ReportViolation(const SimOptions& options, const GameOutcome& outcome)
{
    std::printf("violation seed=%" PRIu64 " turn=%d: %s\n", outcome.seed, outcome.turns,
                outcome.violation.c_str());
    std::printf("replay: %s\n", ReplayCommand(options, outcome.seed).c_str());
}

GameSetup Setup(const SimOptions& options, uint64_t seed)
{
    GameSetup setup;
    setup.players = options.players;
    setup.seed = seed;
    setup.maxTurns = options.maxTurns;
    setup.turnLimit = options.turnLimit;
    setup.computerDeals = options.deals;
    const std::vector<int32_t> levels = SeatLevels(options, seed);
    std::copy(levels.begin(), levels.end(), setup.levelBySeat);
    return setup;
}

}  // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    int status = 0;
    if (!ParseCommandLine(argc, argv, kSimProgram, SimOptionTable(options), std::cout, std::cerr,
                          status))
        return status;
    const std::string mismatch = CheckSimOptions(options);
    if (!mismatch.empty()) {
        std::cerr << kSimProgram.name << ": " << mismatch << "\n";
        return 2;
    }

    std::unique_ptr<LandingCounts> landings;
    if (options.landings)
        landings = std::make_unique<LandingCounts>();
    std::unique_ptr<CGameLog> log;
    if (options.log)
        log = std::make_unique<CGameLog>(stdout);
    CSummary summary;
    ActCounts acts;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < options.games; ++i) {
        const GameOutcome outcome = PlayGame(Setup(options, options.seed + i), landings.get(), log.get(), &acts);
        if (!outcome.violation.empty())
            ReportViolation(options, outcome);
        summary.Add(outcome);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    summary.Print(stdout, elapsed.count(), landings.get(), acts, options.reportAt);
    if (options.deals)
        std::printf("trades deals=%" PRId64 " per_game=%.2f\n", acts.deals, double(acts.deals) / options.games);
    return summary.Violations() == 0 ? 0 : 1;
}
