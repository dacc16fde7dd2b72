// The running game's save: written at the start of every turn and at the
// end of the game, and by SaveGameNow on the ways out of the program.
#pragma once

#include <string>

// Where the saves go from now on.
void SetSavePath(const std::string& path);

// Writes the game as it stands: between two steps, or when a step ends a
// turn.
void SaveGame();

// For the ways out of the program (Escape, a closed window, a signal):
// writes the game, unless a step is half done; then the save made when the
// turn began stands, since a half-done step would not resume. Returns once
// the save is on the disk.
void SaveGameNow();

// Held by the idle callback while the game steps.
class CStepInProgress {
public:
    CStepInProgress();
    ~CStepInProgress();
    CStepInProgress(const CStepInProgress&) = delete;
    CStepInProgress& operator=(const CStepInProgress&) = delete;
};
