// One game per save. A game holds a lock on its save for as long as it
// runs, so that a second game started meanwhile never writes over it, and
// a game that is about to write over an older save keeps a copy first.
#pragma once

#include <iosfwd>
#include <string>

// An advisory lock (flock) on a file beside the save, "<save>.lock", which
// the system lets go when the program ends, however it ends.
class CSaveLock {
public:
    enum class Outcome { kTaken, kHeldElsewhere, kUnavailable };

    CSaveLock() = default;
    ~CSaveLock();
    CSaveLock(const CSaveLock&) = delete;
    CSaveLock& operator=(const CSaveLock&) = delete;

    // Takes the lock of `savePath`, making its folder first. kUnavailable
    // when the lock file cannot be made (a read-only disk): the game then
    // goes on, and its saves say why they fail.
    Outcome Take(const std::string& savePath);
    void Release();

private:
    int m_nFd = -1;
};

// Where a new game saves. When another running game holds the usual save,
// the first free numbered save beside it ("partie-2.sav", ...); "" when
// every one is held, and the game is not saved. Says on `out` which save is
// taken when it is not the usual one. Temporary files that a game killed
// while saving left beside the chosen save are removed.
std::string ChooseSave(const std::string& usualPath, CSaveLock& lock, std::ostream& out);

// The name of numbered save `n` beside `usualPath`: ".../partie-2.sav".
std::string NumberedSave(const std::string& usualPath, int n);

// Removes the temporaries "<save>.XXXXXX" of a save whose lock is held:
// none of them can be a save still being written.
void RemoveStaleTemporaries(const std::string& savePath);
