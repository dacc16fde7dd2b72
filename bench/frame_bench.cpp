// What drawing costs: milliseconds per full frame of a game in progress
// against an empty frame (clear and swap) on the same display, and the
// processor's share while a game waits for a click, and the frame rate of a
// pawn's walk. Runs on its own X server.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>

#include "display.h"
#include "gl_test_env.h"
#include "globals.h"
#include "input.h"

namespace {

// Four players some way into a game: properties owned, built and mortgaged.
void SetUpGameInProgress()
{
    g_Game.playerCount = 4;
    g_Game.NewGame();
    g_App.BuildList();
    for (int p = 0; p < kPropertyCount; p += 2)
        g_Game.properties[p].owner = (p / 2) % 4;
    for (int street : {5, 6, 7})
        g_Game.properties[street].owner = 1;
    for (int street : {5, 6, 7}) {
        g_Game.properties[street].houses = street == 7 ? 5 : 3;
        g_App.SetBuildings(propertySquare[street], g_Game.properties[street].houses);
    }
    g_Game.properties[24].mortgaged = 1;
    g_App.LoadPicture(propertySquare[7]);
    g_App.FlyToOverview();
}

void FullFrame(benchmark::State& state)
{
    for (auto _ : state) {
        OnDisplay();
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
    const uint64_t framesBefore = g_Frames.Frames();
    int ticks = 0;
    while (std::chrono::steady_clock::now() - wallStart < std::chrono::seconds(3)) {
        OnIdle();
        ++ticks;
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("waiting_for_click: ticks_per_s=%.1f cpu_share=%.1f%% frames=%llu\n", ticks / wall,
                100.0 * cpu / wall, static_cast<unsigned long long>(g_Frames.Frames() - framesBefore));
}

// A pawn walking ten squares at the game's own pace: frames a second while
// something moves.
void ReportWalkRate()
{
    g_Pace.SetSpeed(Speed::kNormal);
    const uint64_t framesBefore = g_Frames.Frames();
    const auto wallStart = std::chrono::steady_clock::now();
    for (int square = 1; square <= 10; ++square)
        g_App.MovePawnTo(0, square, 0.5f);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::printf("pawn_walk: seconds=%.2f frames_per_s=%.1f\n", wall,
                static_cast<double>(g_Frames.Frames() - framesBefore) / wall);
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
