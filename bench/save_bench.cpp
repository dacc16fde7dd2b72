// What a save costs: writing a game in progress as text, reading it back,
// the whole atomic write of the file (with its flush to the disk) into a
// folder under /tmp, and what the game itself waits for: handing the save
// to the writer thread. Prints the save's size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
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

GameInProgress& Game()
{
    static GameInProgress inProgress(120);
    return inProgress;
}

void BuildLongGameText(benchmark::State& state)
{
    static GameInProgress longGame(5000);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteSave(longGame.game, longGame.history));
    state.counters["bytes"] = static_cast<double>(WriteSave(longGame.game, longGame.history).size());
    state.counters["turns"] = static_cast<double>(longGame.game.worthHistory.Turns());
}

void BuildText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteSave(Game().game, Game().history));
    state.counters["bytes"] = static_cast<double>(WriteSave(Game().game, Game().history).size());
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
    CBenchFolder folder;
    CAutosave autosave(stdout);
    autosave.SetPath(folder.Save());
    for (auto _ : state)
        autosave.Write(Game().game, Game().history);
    autosave.Finish();
}

}  // namespace

BENCHMARK(BuildText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BuildLongGameText)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadText)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(HandOver)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
