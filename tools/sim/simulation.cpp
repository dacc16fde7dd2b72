#include "simulation.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <cstdio>
#include <optional>

#include "consistency.h"
#include "game.h"
#include "random.h"
#include "sim_frame.h"
#include "step_log.h"

namespace {

void SeatComputers(CGame& game, const GameSetup& setup)
{
    game.playerCount = setup.players;
    game.turnLimit = setup.turnLimit;
    game.computerDeals = setup.computerDeals;
    for (int i = 0; i < kPlayerSlots; ++i) {
        game.players[i].computer = i < setup.players;
        game.players[i].level = i < kMaxPlayers ? setup.levelBySeat[i] : kLevelNormal;
        game.setupPlayers[i] = game.players[i];
    }
    game.NewGame();
}

// One step, timed when a player of the strong level takes it.
void TimedStep(CGame& game, ActCounts* acts)
{
    if (acts == nullptr || game.players[game.current].level != kLevelStrong) {
        game.Step();
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    game.Step();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    acts->strongStepMs.push_back(spent.count());
}

void Tally(const CSimFrame& frame, LandingCounts* landings)
{
    if (landings == nullptr || !frame.Threw())
        return;
    landings->squares[frame.ThrowerSquare()] += 1;
    landings->throws += 1;
}

void RecordEnd(const CGame& game, const CSimFrame& frame, GameOutcome& outcome)
{
    outcome.finished = game.gameOver != 0;
    outcome.endedOnLimit = game.EndedOnLimit();
    outcome.winnerSeat = outcome.endedOnLimit ? game.players[game.current].seat : frame.winnerSeat;
    for (int i = 0; i < game.playerCount; ++i) {
        const Player& player = game.players[i];
        if (player.seat >= 0 && player.seat < kMaxPlayers)
            outcome.moneyBySeat[player.seat] = player.money;
    }
}

uint64_t Mix(uint64_t hash, int64_t value)
{
    // FNV-1a over the value's eight bytes.
    for (int i = 0; i < 8; ++i) {
        hash ^= static_cast<uint64_t>(value >> (8 * i)) & 0xff;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

}  // namespace

GameOutcome PlayGame(int players, uint64_t seed, int maxTurns, LandingCounts* landings,
                     CGameLog* log)
{
    GameSetup setup;
    setup.players = players;
    setup.seed = seed;
    setup.maxTurns = maxTurns;
    return PlayGame(setup, landings, log, nullptr);
}

GameOutcome PlayGame(const GameSetup& setup, LandingCounts* landings, CGameLog* log,
                     ActCounts* acts)
{
    CSimFrame frame;
    CSeededRandom random(setup.seed);
    CGame game(frame, random);
    frame.Watch(game);
    frame.Tell(log);
    frame.Count(acts);
    SeatComputers(game, setup);
    std::optional<CStepLog> stepLog;
    if (log != nullptr)
        stepLog.emplace(*log, game);

    GameOutcome outcome;
    outcome.seed = setup.seed;
    outcome.players = setup.players;
    std::copy(std::begin(setup.levelBySeat), std::end(setup.levelBySeat), outcome.levelBySeat);
    while (!game.gameOver && outcome.turns < setup.maxTurns) {
        frame.BeginStep(game.current);
        if (stepLog)
            stepLog->Before();
        TimedStep(game, acts);
        if (stepLog)
            stepLog->After();
        outcome.turns += 1;
        Tally(frame, landings);
        outcome.violation = CheckConsistency(game, frame.buildings);
        if (!outcome.violation.empty())
            break;
    }
    RecordEnd(game, frame, outcome);
    return outcome;
}

uint64_t HashOutcome(uint64_t hash, const GameOutcome& outcome)
{
    hash = Mix(hash, outcome.winnerSeat);
    hash = Mix(hash, outcome.turns);
    for (int64_t money : outcome.moneyBySeat)
        hash = Mix(hash, money);
    return hash;
}
