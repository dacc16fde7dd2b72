#include "resume.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <ostream>

#include "atomic_file.h"
#include "frame.h"
#include "game.h"
#include "save_file.h"
#include "save_slot.h"
#include "terminal_text.h"

namespace {

// Far above any save: a few kilobytes, and some 70 bytes more a turn.
constexpr size_t kLargestSave = 16 << 20;

// A game read from a save apart from the one that will play, so that a save
// refused or ended leaves that one as the dialogue expects it.
struct SpareGame {
    CNullFrame frame;
    CSeededRandom random{0};
    CGame game{frame, random};
    GameHistory history;
    std::string text;
    bool missing = false;

    // "" when the save was read whole.
    std::string Load(const std::string& path)
    {
        std::string reason;
        if (!ReadWholeFile(path, kLargestSave, text, reason, missing))
            return reason;
        return ReadSave(text, game, history);
    }
};

}  // namespace

ResumeOutcome ResumeGame(const std::string& path, CGame& game, GameHistory& history,
                         std::ostream& out, std::ostream& err)
{
    SpareGame spare;
    const std::string refusal = spare.Load(path);
    if (!refusal.empty()) {
        err << "Impossible de reprendre la partie de " << Printable(path) << " : " << refusal << ".\n";
        return ResumeOutcome::kRefused;
    }
    if (spare.game.gameOver) {
        out << "La partie enregistrée dans " << Printable(path)
            << " est terminée : elle ne reprend pas, une nouvelle partie commence.\n";
        return ResumeOutcome::kEnded;
    }
    ReadSave(spare.text, game, history);
    out << "Partie reprise depuis " << Printable(path) << " : au tour de " << game.players[game.current].name
        << ".\n";
    return ResumeOutcome::kResumed;
}

std::string SaveNotice(const std::string& path, const std::string& usualPath)
{
    SpareGame spare;
    const std::string refusal = spare.Load(path);
    if (spare.missing || (refusal.empty() && spare.game.gameOver))
        return "";
    const std::string command = path == usualPath ? "bourgade3d --resume" : "bourgade3d --resume " + path;
    if (refusal.empty())
        return "Une partie est enregistrée : « " + Printable(command) + " » la reprend.\n";
    return "La sauvegarde " + Printable(path) + " est refusée : " + refusal +
           ".\nUne nouvelle partie la remplacera.\n";
}

void KeepOldSave(const std::string& path, std::ostream& out)
{
    struct stat info;
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    SpareGame spare;
    if (spare.Load(path).empty() && spare.game.gameOver)
        return;
    const std::string kept = path + ".bak";
    if (rename(path.c_str(), kept.c_str()) == 0)
        out << "L'ancienne sauvegarde est gardée dans " << Printable(kept) << ".\n";
    else
        out << "L'ancienne sauvegarde " << Printable(path) << " n'a pas pu être gardée ("
            << SystemReason(errno) << ") : la nouvelle partie la remplace.\n";
}

namespace {

bool ResumeLocked(const std::string& path, CGame& game, GameHistory& history, CSaveLock& lock,
                  ResumeOutcome& outcome, std::ostream& out, std::ostream& err)
{
    if (lock.Take(path) == CSaveLock::Outcome::kHeldElsewhere) {
        err << "Impossible de reprendre la partie de " << Printable(path)
            << " : une autre partie en cours l'utilise.\n";
        return false;
    }
    RemoveStaleTemporaries(path);
    outcome = ResumeGame(path, game, history, out, err);
    return outcome != ResumeOutcome::kRefused;
}

}  // namespace

bool OpenSave(bool resume, const std::string& resumeFile, const std::string& usualSave, CGame& game,
              GameHistory& history, CSaveLock& lock, SaveChoice& choice, std::ostream& out,
              std::ostream& err)
{
    const std::string resumePath = resumeFile.empty() ? usualSave : resumeFile;
    ResumeOutcome outcome = ResumeOutcome::kEnded;
    if (resume && !ResumeLocked(resumePath, game, history, lock, outcome, out, err))
        return false;
    choice.resumed = resume && outcome == ResumeOutcome::kResumed;
    if (choice.resumed) {
        choice.savePath = resumePath;
        choice.saving = true;
        return true;
    }
    // A new game takes the usual place, even when an ended game was asked
    // for from another file.
    choice.savePath = usualSave.empty() ? "" : ChooseSave(usualSave, lock, out);
    choice.saving = usualSave.empty() || !choice.savePath.empty();
    if (!choice.savePath.empty())
        out << SaveNotice(choice.savePath, usualSave);
    return true;
}

std::string GameInProgressLabel(const std::string& path)
{
    SpareGame spare;
    if (!spare.Load(path).empty() || spare.game.gameOver)
        return "";
    std::string names;
    for (int i = 0; i < spare.game.playerCount; ++i)
        names += (i == 0 ? "" : ", ") + std::string(spare.game.players[i].name);
    // The row holds about 40 characters: too many names are counted.
    constexpr size_t kLongest = 24;
    if (names.size() > kLongest)
        names = std::to_string(spare.game.playerCount) + " joueurs";
    return "Reprendre : " + names + " (tour " + std::to_string(spare.game.roundsPlayed + 1) + ")";
}
