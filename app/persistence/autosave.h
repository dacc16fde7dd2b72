// The game's save file: where it lives, and writing it at every turn
// without ever stopping the game.
#pragma once

#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "game.h"
#include "save_file.h"

// "$XDG_STATE_HOME/bourgade3d/partie.sav", or under "~/.local/state" when
// the variable is unset, empty or not an absolute path, as the XDG rules
// ask; "" when neither folder is known.
std::string DefaultSavePath(const char* stateHome, const char* home);

// The game only hands over a copy of its state; the text is made, read
// back and written, then flushed to the disk, by a writer thread of its own,
// because all that takes milliseconds and the game must not feel it.
class CAutosave {
public:
    explicit CAutosave(std::FILE* console) : m_pConsole(console) {}
    // Finishes the saves handed over, then stops the writer.
    ~CAutosave();

    CAutosave(const CAutosave&) = delete;
    CAutosave& operator=(const CAutosave&) = delete;

    // Saves start with a path; "" when no folder is known for them.
    void SetPath(const std::string& path);

    // Hands a copy of the game over to be saved and returns. A save not yet
    // begun is replaced by the newer one. A failure (the disk, or a state its
    // own reader would refuse) prints one line on the console and the game
    // goes on; while the failures last, no further line is printed.
    void Write(const CGame& game, const GameHistory& history);

    // Returns once every save handed over is on the disk or has failed.
    void Finish();

private:
    // What the game hands over.
    struct Snapshot {
        GameState state;
        GameHistory history;
        std::string path;
    };

    void Run();
    void WriteOne(const Snapshot& snapshot);

    std::FILE* m_pConsole;
    std::string m_sPath;
    bool m_bOn = false;

    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    std::unique_ptr<Snapshot> m_pPending;  // the next to write

    bool m_bWriting = false;
    bool m_bStop = false;
    bool m_bFailing = false;  // the writer's alone
    std::thread m_Writer;     // started by the first save
};
