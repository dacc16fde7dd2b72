// Taking a game up again from its save, and telling the player at start
// that one is waiting.
#pragma once

#include <iosfwd>
#include <string>

class CGame;
class CSaveLock;
struct GameHistory;

enum class ResumeOutcome { kResumed, kEnded, kRefused };

// Reads the save at `path` into the game. Tells `out` whose turn the game
// resumes at, or that an ended game does not resume; a refusal goes to
// `err`, naming the file and the reason.
ResumeOutcome ResumeGame(const std::string& path, CGame& game, GameHistory& history,
                         std::ostream& out, std::ostream& err);

// What the dialogue says first about the save at `path`: how to resume a
// game in progress (naming the file unless it is the usual one), or that a
// damaged save will be replaced; "" when there is nothing to say.
std::string SaveNotice(const std::string& path, const std::string& usualPath);

// The title screen's row that resumes the game in progress saved at
// `path`, with its players and round; "" when there is none to resume.
std::string GameInProgressLabel(const std::string& path);

// Before a new game first saves into `path`: a game in progress or a
// refused save found there is kept as "<path>.bak" (the one before is
// dropped), and `out` says so. An ended game, nothing, or something that is
// not a file, is left to be replaced.
void KeepOldSave(const std::string& path, std::ostream& out);

// Where the game saves, chosen at start.
struct SaveChoice {
    bool resumed = false;
    // The file the game saves into from now on; "" when it is not saved.
    std::string savePath;
    // Whether to save at all: with no folder known, saves fail and say why.
    bool saving = false;
};

// Takes up the save at `resumeFile` (the usual one when "") under its lock
// when `resume` is asked, or chooses where a new game saves, telling of a
// game waiting there. False when the save asked for is refused or another
// running game plays it. `usualSave` is "" when no folder is known.
bool OpenSave(bool resume, const std::string& resumeFile, const std::string& usualSave, CGame& game,
              GameHistory& history, CSaveLock& lock, SaveChoice& choice, std::ostream& out,
              std::ostream& err);
