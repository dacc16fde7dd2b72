#include <cstdio>

#include "display.h"
#include "end_screen.h"
#include "globals.h"
#include "guidance.h"
#include "input.h"
#include "options_screen.h"
#include "overlays.h"
#include "pace_input.h"
#include "program_end.h"
#include "prompt_zones.h"
#include "save_game.h"
#include "standings.h"
#include "step_log.h"
#include "visible_state.h"

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
    const std::vector<Standing> standings = RankPlayers(g_Game, g_FallenSeats);
    const std::vector<std::string> lines = StandingLines(standings);
    const std::string note = LimitNote(g_Game);
    if (!note.empty())
        std::printf("\n%s\n", note.c_str());
    std::printf("\nClassement final :\n");
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    ShowEndScreen(standings, g_Game.message, note);
}

// A game that waits for a person still steps twenty times a second, but
// draws nothing until something visible changes: it leaves the processor
// alone. Clicks, drags and keys are handled at once by their own callbacks,
// and every movement paces its own frames.
constexpr uint32_t kRestMilliseconds = 50;

// The rules stop once the game is over; the players may still fly to the
// view from above to look at the final board.
void LookAfterTheEnd()
{
    if (g_Game.gameOver && ChosenAction(g_MouseLatch.Seen(), g_App.TakeKey()) == kActionOverview)
        g_Game.FlyToOverview();
}

void RunStep()
{
    static CStepLog stepLog(g_Log, g_Game);
    const bool wasOver = g_Game.gameOver;
    stepLog.Before();
    g_Pace.SetComputerTurn(g_Game.players[g_Game.current].computer != 0);
    {
        const CStepInProgress stepping;
        g_Game.Step();
    }
    LookAfterTheEnd();
    g_MouseLatch.StepRead();
    g_Pace.EndStep();
    stepLog.After();
    if (g_Game.action == kActionOverview || g_Game.action == kActionInspect)
        g_Game.FlyToOverview();
    if (g_Game.action == kActionOptions)
        OpenOptions();
    if (g_Game.gameOver && !wasOver)
        ShowStandings();
}

// Draws what changed once a frame is due; sleeps while the game only waits,
// and goes straight on with the next step while it moves.
void DrawOrRest(bool moved)
{
    const uint32_t now = g_Clock.Milliseconds();
    if (SpeedNoticeExpired(now) || TooltipChanges(now))
        g_Frames.Changed();
    if (g_Frames.Due(now))
        OnDisplay();
    if (moved)
        return;
    g_Clock.Sleep(g_Frames.Pending() ? g_Frames.UntilDue(now) : kRestMilliseconds);
}


}  // namespace

void OnIdle()
{
    EndIfSignalled();
    // An open screen holds the game: its clicks and keys are the screen's.
    if (ScreenOpen() || !ReadAnswerClick()) {
        DrawOrRest(false);
        return;
    }
    const uint64_t before = VisibleStateHash(g_Game);
    const uint64_t framesBefore = g_Frames.Frames();
    RunStep();
    const uint64_t after = VisibleStateHash(g_Game);
    g_Frames.Compare(after);
    ReplayKeptInput();
    DrawOrRest(after != before || g_Frames.Frames() != framesBefore);
}
