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
