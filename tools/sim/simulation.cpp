#include "simulation.h"

#include <cstdio>
#include <optional>

#include "consistency.h"
#include "game.h"
#include "random.h"
#include "sim_frame.h"
#include "step_log.h"

namespace {

void SeatComputers(CGame& game, int players)
{
    game.playerCount = players;
    for (int i = 0; i < kPlayerSlots; ++i) {
        game.players[i].computer = i < players;
        game.setupPlayers[i] = game.players[i];
    }
    game.NewGame();
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
    outcome.winnerSeat = frame.winnerSeat;
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
    CSimFrame frame;
    CSeededRandom random(seed);
    CGame game(frame, random);
    frame.Watch(game);
    frame.Tell(log);
    SeatComputers(game, players);
    std::optional<CStepLog> stepLog;
    if (log != nullptr)
        stepLog.emplace(*log, game);

    GameOutcome outcome;
    outcome.seed = seed;
    outcome.players = players;
    while (!game.gameOver && outcome.turns < maxTurns) {
        frame.BeginStep(game.current);
        if (stepLog)
            stepLog->Before();
        game.Step();
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
