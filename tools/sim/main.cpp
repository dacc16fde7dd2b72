// bourgade3d-sim: plays whole games between computer players through the
// real rules, checks the game state after every step, and sums them up.
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

}  // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    int status = 0;
    if (!ParseCommandLine(argc, argv, kSimProgram, SimOptionTable(options), std::cout, std::cerr,
                          status))
        return status;

    std::unique_ptr<LandingCounts> landings;
    if (options.landings)
        landings = std::make_unique<LandingCounts>();
    std::unique_ptr<CGameLog> log;
    if (options.log)
        log = std::make_unique<CGameLog>(stdout);
    CSummary summary;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < options.games; ++i) {
        const GameOutcome outcome =
            PlayGame(options.players, options.seed + i, options.maxTurns, landings.get(), log.get());
        if (!outcome.violation.empty())
            ReportViolation(options, outcome);
        summary.Add(outcome);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    summary.Print(stdout, elapsed.count(), landings.get());
    return summary.Violations() == 0 ? 0 : 1;
}
