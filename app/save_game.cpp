#include "save_game.h"

#include <cstdio>

#include "autosave.h"
#include "globals.h"
#include "save_file.h"

namespace {

CAutosave s_Autosave(stdout);
// Steps nest when a mouse event runs the idle callback.
int s_nStepsRunning = 0;

}  // namespace

void SetSavePath(const std::string& path)
{
    s_Autosave.SetPath(path);
}

void SaveGame()
{
    s_Autosave.Write(g_Game, GameHistory{g_FallenSeats});
}

void SaveGameNow()
{
    if (s_nStepsRunning == 0)
        SaveGame();
    s_Autosave.Finish();
}

CStepInProgress::CStepInProgress()
{
    ++s_nStepsRunning;
}

CStepInProgress::~CStepInProgress()
{
    --s_nStepsRunning;
}
