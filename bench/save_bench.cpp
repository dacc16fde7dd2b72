// What a save costs: writing a game in progress as text, reading it back,
// the whole atomic write of the file (with its flush to the disk) into a
// folder under /tmp, and what the game itself waits for: handing a copy of
// the game to the writer thread. The games are 500 and 300,000 turns long;
// prints the save's size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "atomic_file.h"
#include "autosave.h"
#include "frame.h"
#include "game.h"
#include "save_file.h"

namespace {

// Four computer players some way into a seeded game; the worth of every
// turn makes a long game's save longer.
struct GameInProgress {
    CNullFrame frame;
    CSeededRandom random{7};
    CGame game{frame, random};
    GameHistory history;

    explicit GameInProgress(int steps)
    {
        game.playerCount = 4;
        for (int i = 0; i < kPlayerSlots; ++i) {
            game.players[i].computer = 1;
            game.setupPlayers[i] = game.players[i];
        }
        game.NewGame();
        for (int i = 0; i < steps && !game.gameOver; ++i)
            game.Step();
    }
};

// The same game, its history as long as `turns` turns of changing worth.
GameInProgress& Game(int64_t turns)
{
    static std::map<int64_t, std::unique_ptr<GameInProgress>> games;
    std::unique_ptr<GameInProgress>& inProgress = games[turns];
    if (inProgress)
        return *inProgress;
    inProgress = std::make_unique<GameInProgress>(120);
    CGame& game = inProgress->game;
    const int64_t money = game.players[0].money;
    for (int64_t turn = 0; turn < turns; ++turn) {
        game.players[0].money = money + turn * 1000;
        game.worthHistory.Record(game);
    }
    game.players[0].money = money;
    return *inProgress;
}

GameInProgress& Game()
{
    return Game(500);
}

void BuildText(benchmark::State& state)
{
    const GameInProgress& inProgress = Game(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteSave(inProgress.game, inProgress.history));
    state.counters["bytes"] = static_cast<double>(WriteSave(inProgress.game, inProgress.history).size());
}

void ReadText(benchmark::State& state)
{
    const std::string text = WriteSave(Game().game, Game().history);
    CNullFrame frame;
    CSeededRandom random(0);
    CGame game(frame, random);
    GameHistory history;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSave(text, game, history));
}

// A folder of its own under /tmp, removed with the save in it.
class CBenchFolder {
public:
    CBenchFolder() { ok = mkdtemp(m_Name) != nullptr; }
    ~CBenchFolder()
    {
        std::remove(Save().c_str());
        std::remove(m_Name);
    }
    std::string Save() const { return std::string(m_Name) + "/partie.sav"; }
    bool ok;

private:
    char m_Name[32] = "/tmp/save_bench.XXXXXX";
};

void WriteFile(benchmark::State& state)
{
    CBenchFolder folder;
    std::string reason;
    for (auto _ : state)
        if (!folder.ok || !WriteFileAtomically(folder.Save(), WriteSave(Game().game, Game().history), reason))
            state.SkipWithError(reason.c_str());
}

void HandOver(benchmark::State& state)
{
    const GameInProgress& inProgress = Game(state.range(0));
    CBenchFolder folder;
    CAutosave autosave(stdout);
    autosave.SetPath(folder.Save());
    for (auto _ : state)
        autosave.Write(inProgress.game, inProgress.history);
    autosave.Finish();
}

}  // namespace

BENCHMARK(BuildText)->Arg(500)->Arg(300000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadText)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(HandOver)->Arg(500)->Arg(300000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
