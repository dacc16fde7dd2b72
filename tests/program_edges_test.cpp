#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "end_signals.h"
#include "image_files.h"
#include "save_slot.h"

namespace {

void Caught(int) {}

}  // namespace

// nohup ignores SIGHUP before the game starts: the game keeps that, and
// takes the other end signals for itself.
TEST(EndSignals, AnInheritedIgnoreIsKept)
{
    std::signal(SIGHUP, SIG_IGN);
    std::signal(SIGTERM, SIG_DFL);
    CatchEndSignals(Caught);
    struct sigaction hangUp = {};
    struct sigaction terminate = {};
    sigaction(SIGHUP, nullptr, &hangUp);
    sigaction(SIGTERM, nullptr, &terminate);
    EXPECT_EQ(hangUp.sa_handler, SIG_IGN);
    EXPECT_EQ(terminate.sa_handler, &Caught);
    std::signal(SIGHUP, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}

// A second game never takes the save of one that runs: it takes the next
// free numbered save and says so; with every one held it plays unsaved.
TEST(SaveSlot, EachRunningGameHasASaveOfItsOwn)
{
    CTempFolder folder;
    const std::string usual = folder.Path() + "/etat/partie.sav";
    std::vector<std::unique_ptr<CSaveLock>> games;
    std::vector<std::string> chosen;
    std::string said;
    for (int n = 1; n <= 10; ++n) {
        games.push_back(std::make_unique<CSaveLock>());
        std::ostringstream out;
        chosen.push_back(ChooseSave(usual, *games.back(), out));
        said = out.str();
    }
    EXPECT_EQ(chosen[0], usual);
    EXPECT_EQ(chosen[1], folder.Path() + "/etat/partie-2.sav");
    EXPECT_EQ(chosen[8], folder.Path() + "/etat/partie-9.sav");
    EXPECT_EQ(chosen[9], "");
    EXPECT_EQ(said, "Toutes les sauvegardes servent à d'autres parties en cours : celle-ci ne sera pas "
                    "enregistrée.\n");
    games[0].reset();
    std::ostringstream out;
    CSaveLock next;
    EXPECT_EQ(ChooseSave(usual, next, out), usual) << "a game that ended lets its save go";
    EXPECT_EQ(out.str(), "");
    games[4].reset();
    std::ostringstream second;
    CSaveLock another;
    ChooseSave(usual, another, second);
    EXPECT_EQ(second.str(), "La sauvegarde " + usual +
                                " sert à une autre partie en cours : celle-ci s'enregistre dans " +
                                folder.Path() + "/etat/partie-5.sav.\n");
    // A lock taken again lets the first save go.
    CSaveLock moved;
    ASSERT_EQ(moved.Take(folder.Path() + "/un.sav"), CSaveLock::Outcome::kTaken);
    ASSERT_EQ(moved.Take(folder.Path() + "/deux.sav"), CSaveLock::Outcome::kTaken);
    CSaveLock first;
    EXPECT_EQ(first.Take(folder.Path() + "/un.sav"), CSaveLock::Outcome::kTaken);
}

// What a game killed while saving left beside its save goes when the save is
// taken again; nothing else in the folder does.
TEST(SaveSlot, StaleTemporariesOfTheTakenSaveAreRemoved)
{
    CTempFolder folder;
    const std::string usual = folder.Path() + "/partie.sav";
    const std::set<std::string> kept = {"partie.sav", "partie.sav.bak", "partie.sav.lock", "partie.sav.abc",
                                        "partie.sav.Ab12Cd7", "partie.sav.Ab-2Cd", "partie.sav.-b12Cd", "partie-2.sav.Xy34Zw",
                                        "autre.sav.Ab12Cd"};
    for (const std::string& name : kept)
        folder.Write(name, {});
    folder.Write("partie.sav.Ab12Cd", {'x'});
    folder.Write("partie.sav.000000", {});
    CSaveLock lock;
    std::ostringstream out;
    ChooseSave(usual, lock, out);
    std::set<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        left.insert(entry.path().filename());
    EXPECT_EQ(left, kept);
}
