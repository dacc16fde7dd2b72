#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "autosave.h"
#include "frame.h"
#include "game.h"
#include "game_options.h"
#include "image_files.h"
#include "resume.h"
#include "save_file.h"

namespace {

std::string Contents(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    for (dirent* entry = dir ? readdir(dir) : nullptr; entry; entry = readdir(dir))
        if (entry->d_name[0] != '.')
            names.push_back(entry->d_name);
    if (dir)
        closedir(dir);
    return names;
}

// A two-player game between Anne and Bob, a few turns in.
struct Table {
    CNullFrame frame;
    CSeededRandom random{3};
    CGame game{frame, random};

    Table()
    {
        std::snprintf(game.players[0].name, kNameSize, "Anne");
        std::snprintf(game.players[1].name, kNameSize, "Bob");
        for (int i = 0; i < kPlayerSlots; ++i) {
            game.players[i].computer = 1;
            game.setupPlayers[i] = game.players[i];
        }
        game.NewGame();
        for (int i = 0; i < 5; ++i)
            game.Step();
    }
};

}  // namespace

TEST(SavePath, FollowsTheXdgStateFolder)
{
    struct Case {
        const char* stateHome;
        const char* home;
        const char* path;
    };
    const Case cases[] = {
        {"/var/etat", "/home/anne", "/var/etat/bourgade3d/partie.sav"},
        {nullptr, "/home/anne", "/home/anne/.local/state/bourgade3d/partie.sav"},
        {"", "/home/anne", "/home/anne/.local/state/bourgade3d/partie.sav"},
        {"etat", "/home/anne", "/home/anne/.local/state/bourgade3d/partie.sav"},
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DefaultSavePath(c.stateHome, c.home), c.path)
            << (c.stateHome ? c.stateHome : "(unset)");
}

TEST(AtomicFile, MakesTheFoldersAndReplacesTheFileLeavingNothingElse)
{
    CTempFolder folder;
    const std::string inner = folder.Path() + "/etat/bourgade3d";
    const std::string path = inner + "/partie.sav";
    std::string reason;
    ASSERT_TRUE(WriteFileAtomically(path, "premier\n", reason)) << reason;
    ASSERT_TRUE(WriteFileAtomically(path, "second\n", reason)) << reason;
    EXPECT_EQ(Contents(path), "second\n");
    EXPECT_EQ(Names(inner), std::vector<std::string>{"partie.sav"});
    struct stat info;
    ASSERT_EQ(stat(inner.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "a save is its owner's";
}

// Reads back whole files up to a limit, and leaves no file open: the game
// saves at every turn for hours.
TEST(AtomicFile, ReadsWholeFilesUpToTheLimitLeavingNothingOpen)
{
    const auto openFiles = [] {
        const std::filesystem::directory_iterator fds("/proc/self/fd");
        return std::distance(begin(fds), end(fds));
    };
    const auto before = openFiles();
    CTempFolder folder;
    const std::string path = folder.Path() + "/partie.sav";
    const std::string empty = folder.Write("vide.sav", {});
    std::string reason;
    ASSERT_TRUE(WriteFileAtomically(path, "abcdef", reason)) << reason;
    struct Case {
        std::string path;
        size_t limit;
        bool read, missing;
        const char* text;
        const char* reason;
    };
    const Case cases[] = {
        {path, 6, true, false, "abcdef", ""},
        {path, 5, false, false, "", "fichier trop gros pour une sauvegarde"},
        {empty, 5, true, false, "", ""},
        {path + ".absent", 5, false, true, "", "fichier introuvable"},
        {folder.Path(), 5, false, false, "", "c'est un dossier"},
    };
    for (const Case& c : cases) {
        std::string text, why;
        bool missing = !c.missing;
        EXPECT_EQ(ReadWholeFile(c.path, c.limit, text, why, missing), c.read) << c.path;
        EXPECT_EQ(missing, c.missing) << c.path;
        if (c.read)
            EXPECT_EQ(text, c.text);
        else
            EXPECT_EQ(why, c.reason);
    }
    EXPECT_EQ(openFiles(), before);
}

TEST(AtomicFile, FailuresSayWhyAndLeaveTheOldFile)
{
    CTempFolder folder;
    const std::string blocker = folder.Write("fichier", Bytes{'x'});
    const std::string occupied = folder.Path() + "/dossier";
    ASSERT_EQ(mkdir(occupied.c_str(), 0700), 0);
    struct Case {
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {blocker + "/bourgade3d/partie.sav", "un fichier occupe la place d'un dossier"},
        {occupied, "remplacement de l'ancien fichier : c'est un dossier"},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_FALSE(WriteFileAtomically(c.path, "partie\n", reason));
        EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    }
    EXPECT_EQ(Contents(blocker), "x");
    EXPECT_EQ(Names(folder.Path()).size(), 2u) << "no temporary file is left";
}

TEST(Autosave, PrintsOneLineForARunOfFailures)
{
    CTempFolder folder;
    const std::string blocker = folder.Write("fichier", Bytes{'x'});
    std::FILE* console = std::tmpfile();
    CAutosave autosave(console);
    Table table;
    autosave.Write(table.game, {});
    const std::string bad = blocker + "/partie.sav";
    const std::string good = folder.Path() + "/partie.sav";
    for (const std::string& path : {bad, bad, good, bad, std::string()}) {
        autosave.SetPath(path);
        autosave.Write(table.game, {});
        autosave.Finish();
    }
    std::rewind(console);
    std::vector<std::string> lines;
    for (char line[400]; std::fgets(line, sizeof line, console);)
        lines.push_back(line);
    std::fclose(console);
    ASSERT_EQ(lines.size(), 2u) << "nothing before a path, one line per run of failures";
    EXPECT_EQ(lines[0].find("Sauvegarde impossible dans " + bad), 0u) << lines[0];
    EXPECT_NE(lines[0].find("; la partie continue.\n"), std::string::npos) << lines[0];
    EXPECT_EQ(Contents(good), WriteSave(table.game, {}));
}

// Whatever the save, the player hears of it before anything is replaced,
// and only a whole game in progress is taken up.
TEST(Resume, EverySaveIsResumedOrExplained)
{
    CTempFolder folder;
    Table table;
    const std::string good = WriteSave(table.game, {});
    std::string flipped = good;
    flipped[flipped.find("player.0.money ") + 15] ^= 0x02;
    Table ended;
    ended.game.gameOver = 1;

    struct Case {
        const char* name;
        const std::string* text;  // null: no file
        ResumeOutcome outcome;
        const char* said;         // on the console, out or err
        const char* notice;       // before the dialogue, "" for none
    };
    const std::string endedText = WriteSave(ended.game, {});
    const Case cases[] = {
        {"manquant", nullptr, ResumeOutcome::kRefused, "fichier introuvable", ""},
        {"bon", &good, ResumeOutcome::kResumed, " : au tour de Bob.", "« bourgade3d --resume »"},
        {"fini", &endedText, ResumeOutcome::kEnded, "est terminée", ""},
        {"abime", &flipped, ResumeOutcome::kRefused, "somme de contrôle fausse",
         "Une nouvelle partie la remplacera."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.Path() + "/" + c.name + ".sav";
        if (c.text)
            folder.Write(c.name + std::string(".sav"), Bytes(c.text->begin(), c.text->end()));
        EXPECT_NE(SaveNotice(path).find(c.notice), std::string::npos) << SaveNotice(path);
        EXPECT_EQ(SaveNotice(path).empty(), c.notice[0] == '\0');

        Table fresh;
        fresh.game.NewGame();
        GameHistory history;
        std::ostringstream out, err;
        EXPECT_EQ(ResumeGame(path, fresh.game, history, out, err), c.outcome);
        const std::string said = out.str() + err.str();
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_NE(said.find(path), std::string::npos) << "the file is named: " << said;
        EXPECT_EQ(fresh.game.gameOver, 0) << "only a game in progress is taken up";
        if (c.outcome == ResumeOutcome::kResumed) {
            EXPECT_EQ(WriteSave(fresh.game, history), good);
        }
    }
}

TEST(ResumeOption, TakesAnOptionalFileUnderBothNames)
{
    struct Case {
        std::vector<const char*> args;
        bool accepted;
        bool resume;
        const char* file;
    };
    const Case cases[] = {
        {{"bourgade3d"}, true, false, ""},
        {{"bourgade3d", "--resume"}, true, true, ""},
        {{"bourgade3d", "--reprendre", "vieille.sav"}, true, true, "vieille.sav"},
        {{"bourgade3d", "--resume=a b.sav"}, true, true, "a b.sav"},
        {{"bourgade3d", "--resume="}, false, true, ""},
    };
    for (const Case& c : cases) {
        GameOptions options;
        std::ostringstream out, err;
        int status = 0;
        EXPECT_EQ(ParseCommandLine(static_cast<int>(c.args.size()), c.args.data(), kGameProgram,
                                   GameOptionTable(options), out, err, status),
                  c.accepted)
            << c.args.back();
        EXPECT_EQ(options.resume, c.resume) << c.args.back();
        EXPECT_EQ(options.resumeFile, c.file) << c.args.back();
    }
}
