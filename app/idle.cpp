#include <cstdio>

#include "board_changes.h"
#include "display.h"
#include "globals.h"
#include "input.h"
#include "overlays.h"
#include "prompt_zones.h"
#include "save_game.h"
#include "standings.h"

namespace {

// Turns a press on "OUI" or "NON" into the answer; false when the press is
// on the words' row but on neither word, which runs no step.
bool ReadAnswerClick()
{
    const MouseEvent mouse = g_MouseLatch.Seen();
    if (!mouse.pressed || g_Game.inputMode != kYesNo)
        return true;
    switch (PromptClickAt(mouse.x, mouse.y)) {
    case PromptClick::kYes:
        g_Game.answer = 'y';
        return true;
    case PromptClick::kNo:
        g_Game.answer = 'n';
        return true;
    case PromptClick::kBetween:
        return false;
    default:
        return true;
    }
}

void ShowStandings()
{
    const std::vector<std::string> lines = StandingLines(RankPlayers(g_Game, g_FallenSeats));
    std::printf("\nClassement final :\n");
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    SetStandings(lines);
}

// A waiting game redraws twenty times a second and sleeps in between, so it
// leaves the processor alone: clicks, drags and keys are handled at once by
// their own callbacks, and every movement paces its own frames.
constexpr uint32_t kIdleMilliseconds = 50;

void PaceIdle()
{
    static uint32_t last = g_Clock.Milliseconds();
    const uint32_t spent = g_Clock.Milliseconds() - last;
    if (spent < kIdleMilliseconds)
        g_Clock.Sleep(kIdleMilliseconds - spent);
    last = g_Clock.Milliseconds();
}

}  // namespace

void OnIdle()
{
    if (!ReadAnswerClick())
        return;
    const bool wasOver = g_Game.gameOver;
    const BoardSnapshot before = TakeSnapshot(g_Game);
    {
        const CStepInProgress stepping;
        g_Game.Step();
    }
    g_MouseLatch.StepRead();
    for (const std::string& line : DescribeChanges(before, TakeSnapshot(g_Game), g_Game))
        g_Log.Message(line);
    if (g_Game.action == kActionOverview || g_Game.action == kActionInspect)
        g_Game.FlyToOverview();
    if (g_Game.gameOver && !wasOver)
        ShowStandings();
    OnDisplay();
    PaceIdle();
}
