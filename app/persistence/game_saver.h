// The running game's save: written at the start of every turn and at the
// end of the game, and by SaveNow on the ways out of the program.
#pragma once

#include <cstdio>
#include <string>

#include "autosave.h"

class CGame;
struct GameHistory;

class CGameSaver {
public:
    explicit CGameSaver(std::FILE* console) : m_Autosave(console) {}

    // Where the saves go from now on.
    void SetPath(const std::string& path) { m_Autosave.SetPath(path); }

    // Writes the game as it stands: between two steps, or when a step ends
    // a turn.
    void Save(const CGame& game, const GameHistory& history);

    // For the ways out of the program (Escape, a closed window, a signal):
    // writes the game, unless a step is half done; then the save made when
    // the turn began stands, since a half-done step would not resume.
    // Returns once the save is on the disk.
    void SaveNow(const CGame& game, const GameHistory& history);

    // Held while the game steps.
    class CStepping {
    public:
        explicit CStepping(CGameSaver& saver) : m_Saver(saver) { m_Saver.m_bStepping = true; }
        ~CStepping() { m_Saver.m_bStepping = false; }
        CStepping(const CStepping&) = delete;
        CStepping& operator=(const CStepping&) = delete;

    private:
        CGameSaver& m_Saver;
    };

private:
    CAutosave m_Autosave;
    bool m_bStepping = false;
};
