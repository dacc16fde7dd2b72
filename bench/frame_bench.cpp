// What drawing costs: milliseconds per full frame of a game in progress
// against an empty frame (clear and swap) on the same display, and the
// processor's share while a game waits for a click, and the frame rate of a
// pawn's walk. Runs on its own X server.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>

#include "app.h"
#include "gl_test_env.h"

namespace {

CApp* s_pApp = nullptr;

// Four players some way into a game: properties owned, built and mortgaged.
void SetUpGameInProgress()
{
    static GameOptions options;
    s_pApp = new CApp(options);
    CGame& game = s_pApp->Game();
    CBourgade3D& table = s_pApp->Table();
    game.playerCount = 4;
    game.NewGame();
    s_pApp->Start(false);
    for (int p = 0; p < kPropertyCount; p += 2)
        game.properties[p].owner = (p / 2) % 4;
    for (int street : {5, 6, 7})
        game.properties[street].owner = 1;
    for (int street : {5, 6, 7}) {
        game.properties[street].houses = street == 7 ? 5 : 3;
        table.SetBuildings(propertySquare[street], game.properties[street].houses);
    }
    game.properties[24].mortgaged = 1;
    table.LoadPicture(propertySquare[7]);
    table.FlyToOverview();
}

void FullFrame(benchmark::State& state)
{
    for (auto _ : state) {
        s_pApp->ShowFrame(nullptr);
        glFinish();
    }
}

void EmptyFrame(benchmark::State& state)
{
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
        glFinish();
    }
}

// The idle loop while a human has not yet asked for the dice.
void ReportWaitingShare()
{
    const auto wallStart = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    const uint64_t framesBefore = s_pApp->Frames().Frames();
    int ticks = 0;
    while (std::chrono::steady_clock::now() - wallStart < std::chrono::seconds(3)) {
        s_pApp->Tick();
        ++ticks;
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("waiting_for_click: ticks_per_s=%.1f cpu_share=%.1f%% frames=%llu\n", ticks / wall,
                100.0 * cpu / wall, static_cast<unsigned long long>(s_pApp->Frames().Frames() - framesBefore));
}

// A pawn walking ten squares at the game's own pace: frames a second while
// something moves.
void ReportWalkRate()
{
    s_pApp->Pace().SetSpeed(Speed::kNormal);
    const uint64_t framesBefore = s_pApp->Frames().Frames();
    const auto wallStart = std::chrono::steady_clock::now();
    for (int square = 1; square <= 10; ++square)
        s_pApp->Table().MovePawnTo(0, square, 0.5f);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::printf("pawn_walk: seconds=%.2f frames_per_s=%.1f\n", wall,
                static_cast<double>(s_pApp->Frames().Frames() - framesBefore) / wall);
}

}  // namespace

BENCHMARK(FullFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(EmptyFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv)
{
    CGlTestEnvironment display;
    display.SetUp();
    SetUpGameInProgress();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ReportWaitingShare();
    ReportWalkRate();
    display.TearDown();
    return 0;
}
