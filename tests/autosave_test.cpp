#include <gtest/gtest.h>
#include <sys/resource.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

#include "atomic_file.h"
#include "autosave.h"
#include "game.h"
#include "image_files.h"
#include "resume.h"
#include "save_file.h"
#include "save_slot.h"

namespace {

const std::string kNotFolder = " : un fichier occupe la place d'un dossier";

std::string Contents(const std::string& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::set<std::string> Names(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename());
    return names;
}

// A folder to save into, and a game between computers at its second turn.
class SaveTest : public testing::Test {
protected:
    SaveTest()
    {
        for (Player& player : game.players)
            player.computer = 1;
        game.NewGame();
        while (game.current == 0)  // to the second player's turn
            game.Step();
    }

    CTempFolder folder;
    const std::string top = folder.Path();
    CNullFrame frame;
    CSeededRandom random{3};
    CGame game{frame, random};
};

}  // namespace

// A second game beside the usual save numbers its own, before ".sav".
TEST(SavePath, ANumberedSaveKeepsItsFolderAndEndsInSav)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/etat/partie.sav", "/etat/partie-2.sav"},
        {".sav", "-2.sav"},
        {"sav", "sav-2.sav"},
        {"partie.txt", "partie.txt-2.sav"},
    };
    for (const auto& [usual, numbered] : cases)
        EXPECT_EQ(NumberedSave(usual, 2), numbered) << usual;
}

TEST(SavePath, FollowsTheXdgStateFolder)
{
    const std::string local = "/home/anne/.local/state/bourgade3d/partie.sav";
    const struct { const char *state, *home; std::string path; } cases[] = {
        {"/var/etat", "/home/anne", "/var/etat/bourgade3d/partie.sav"}, {nullptr, "/home/anne", local},
        {"", "/home/anne", local}, {"etat", "/home/anne", local}, {nullptr, nullptr, ""}, {nullptr, "", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(DefaultSavePath(c.state, c.home), c.path)
            << (c.state ? c.state : "(null)") << " " << (c.home ? c.home : "(null)");
}

TEST_F(SaveTest, AFileIsReplacedInPrivateFoldersAndReadBackWholeUpToTheLimit)
{
    const size_t openFiles = Names("/proc/self/fd").size();
    const std::string inner = top + "/etat/bourgade3d";
    const std::string path = inner + "/partie.sav";
    std::string reason;
    std::string text;
    ASSERT_TRUE(WriteFileAtomically(path, "premier\n", reason)) << reason;
    // With standard input closed, the next file opened gets descriptor 0; one byte is one read.
    const int input = dup(0);
    close(0);
    EXPECT_TRUE(WriteFileAtomically(path, "x", reason)) << reason;
    bool missing = true;
    EXPECT_TRUE(ReadWholeFile(path, 1, text, reason, missing) && text == "x") << reason;
    EXPECT_EQ(fcntl(0, F_GETFD), -1) << "descriptor 0 is free again";
    dup2(input, 0);
    close(input);
    EXPECT_EQ(Names(inner), std::set<std::string>{"partie.sav"});
    EXPECT_EQ(std::filesystem::status(inner).permissions(), std::filesystem::perms::owner_all)
        << "a save is its owner's";

    const char* cpus = "/sys/devices/system/cpu/online";  // says it is longer than it reads
    const std::string sysfs = std::filesystem::exists(cpus) ? cpus : path;
    const std::string fifo = top + "/tube";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string notFile = "ce n'est pas un fichier ordinaire";
    const struct { std::string path; size_t limit; bool read, missing; std::string got; } cases[] = {
        {path, 1, true, false, "x"}, {path, 0, false, false, "fichier trop gros pour une sauvegarde"},
        {folder.Write("vide.sav", {}), 5, true, false, ""}, {sysfs, 1 << 16, true, false, Contents(sysfs)},
        {top, 5, false, false, notFile}, {path + ".absent", 5, false, true, "fichier introuvable"},
        {fifo, 5, false, false, notFile}, {"/dev/zero", 5, false, false, notFile},
    };
    for (const auto& c : cases) {
        std::string why;
        missing = !c.missing;
        EXPECT_EQ(ReadWholeFile(c.path, c.limit, text, why, missing), c.read) << c.path;
        EXPECT_EQ(missing, c.missing) << c.path;
        EXPECT_EQ(c.read ? text : why, c.got) << "the text read, or why not";
        EXPECT_EQ(why.empty(), c.read) << "a success has nothing to say";
    }
    EXPECT_EQ(Names("/proc/self/fd").size(), openFiles) << "the game saves at every turn for hours";
}

// Each row makes a step of a save fail for real: the old save stays, nothing is left beside it.
TEST_F(SaveTest, FailuresSayWhyAndLeaveTheOldFile)
{
    const std::string old = folder.Write("partie.sav", Bytes{'x'}), longName(300, 'n');
    std::filesystem::create_directory(top + "/dossier");
    std::filesystem::create_symlink(top + "/perdu", top + "/lien");
    const std::pair<std::string, std::string> cases[] = {
        {old + "/b/partie.sav", "création du dossier " + old + "/b" + kNotFolder},
        {old + "/partie.sav", "dossier " + old + kNotFolder},
        {top + "/lien/partie.sav", "dossier " + top + "/lien : fichier introuvable"},
        {top + "/" + longName, "création du fichier : File name too long"},
        {"/" + longName, "création du fichier : File name too long"},
        {top + "/dossier", "remplacement de l'ancien fichier : c'est un dossier"},
        {old, "écriture : File too large"},  // past the size limit set below
    };
    const std::set<std::string> names = Names(top);
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);  // EFBIG instead
    for (const auto& [path, why] : cases) {
        std::string reason;
        const rlimit limit{path == old ? 4 : unlimited.rlim_cur, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool written = WriteFileAtomically(path, "nouvelle\n", reason);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_EQ(written ? "written" : reason, why);
        EXPECT_EQ(Contents(old), "x");
        EXPECT_EQ(Names(top), names) << "nothing stray is left";
    }
    std::signal(SIGXFSZ, handler);
}

TEST_F(SaveTest, AutosavePrintsOneLineForARunOfFailures)
{
    const std::string blocker = folder.Write("fichier", Bytes{'x'});
    const std::string bad = blocker + "/partie.sav";
    const std::string good = top + "/partie.sav";
    const std::string logPath = top + "/console";
    const auto line = [](const std::string& where, const std::string& why) {
        return "Sauvegarde impossible dans " + where + " (" + why + ") ; la partie continue.\n";
    };
    const std::string first = line(bad, "dossier " + blocker + kNotFolder);
    const std::string both = first + line("partie.sav", "ni XDG_STATE_HOME ni HOME ne donnent de dossier");
    // Each path saved to, then the console and the good save once the save is over.
    const struct { std::string path, said; bool saved; } steps[] = {
        {bad, first, false}, {bad, first, false}, {good, first, true}, {"", both, true}, {bad, both, true}};
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> console(
        std::fopen(logPath.c_str(), "w"), std::fclose);  // closed after the writer ends
    CAutosave autosave(console.get());
    autosave.Write(game, {});  // before a path: nothing
    for (const auto& step : steps) {
        autosave.SetPath(step.path);
        autosave.Write(game, {});
        autosave.Finish();
        // Read before the console is closed: each line is out at once.
        EXPECT_EQ(Contents(logPath), step.said) << step.path;
        EXPECT_EQ(Contents(good) == WriteSave(game, {}), step.saved) << step.path;
    }
}

// Players at the reader's bound of money play on, saved at every step: every
// save on the disk reads back, and the first state beyond the bound is said
// once and not written.
TEST_F(SaveTest, OnlyWhatReadsBackIsWritten)
{
    constexpr int64_t kMostMoney = 1000000000000000;
    for (int i = 0; i < game.playerCount; ++i)
        game.players[i].money = kMostMoney - 5000;
    const std::string path = top + "/partie.sav";
    const std::string logPath = top + "/console";
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> console(
        std::fopen(logPath.c_str(), "w"), std::fclose);
    CAutosave autosave(console.get());
    autosave.SetPath(path);
    bool beyond = false;
    for (int step = 0; step < 400 && !beyond; ++step) {
        game.Step();
        for (int i = 0; i < game.playerCount; ++i)
            beyond = beyond || game.players[i].money > kMostMoney;
        autosave.Write(game, {});
        autosave.Finish();
        CNullFrame spareFrame;
        CGame spare{spareFrame, random};
        GameHistory history;
        ASSERT_EQ(ReadSave(Contents(path), spare, history), "") << "step " << step;
    }
    ASSERT_TRUE(beyond) << "the game never went past the bound";
    const std::string said = Contents(logPath);
    EXPECT_EQ(said.rfind("Sauvegarde impossible dans " + path + " (elle serait refusée à la lecture : ligne ", 0), 0u)
        << said;
    EXPECT_NE(said.find("money vaut 1000000000"), std::string::npos) << said;
}

// Whatever the save, the player hears of it before it is replaced; only a game in progress is taken up.
TEST_F(SaveTest, EverySaveIsResumedOrExplained)
{
    const std::string good = WriteSave(game, {});
    std::string flipped = good;
    flipped[flipped.find("player.0.money ") + 15] ^= 0x02;
    game.gameOver = 1;
    // Each save ("" for none), what the console says, what the dialogue says
    // first, and whether a new game keeps it aside before replacing it.
    const struct { std::string text; ResumeOutcome outcome; const char *said, *notice; bool kept; } cases[] = {
        {"", ResumeOutcome::kRefused, "fichier introuvable", "", false},
        {good, ResumeOutcome::kResumed, " : au tour de Player 2.", "« bourgade3d --resume »", true},
        {WriteSave(game, {}), ResumeOutcome::kEnded, "est terminée", "", false},
        {flipped, ResumeOutcome::kRefused, "somme de contrôle fausse", "Une nouvelle partie la remplacera.", true},
    };
    const std::string path = top + "/partie.sav";
    const std::string kept = path + ".bak";
    for (const auto& c : cases) {
        if (!c.text.empty())
            folder.Write("partie.sav", Bytes(c.text.begin(), c.text.end()));
        const std::string notice = SaveNotice(path, path);
        EXPECT_NE(notice.find(c.notice), std::string::npos) << notice;
        EXPECT_EQ(notice.empty(), c.notice[0] == '\0') << c.said;
        EXPECT_EQ(SaveNotice(path, top + "/autre.sav").find("« bourgade3d --resume " + path + " »") !=
                      std::string::npos,
                  c.outcome == ResumeOutcome::kResumed)
            << "a save that is not the usual one is named";

        CGame fresh{frame, random};
        fresh.NewGame();
        GameHistory history;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(ResumeGame(path, fresh, history, out, err), c.outcome) << c.said;
        const std::string said = out.str() + err.str();
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_NE(said.find(path), std::string::npos) << "the file is named: " << said;
        EXPECT_EQ(fresh.gameOver, 0) << "only a game in progress is taken up";
        EXPECT_EQ(WriteSave(fresh, history) == good, c.outcome == ResumeOutcome::kResumed);

        std::filesystem::remove(kept);
        std::ostringstream keeping;
        KeepOldSave(path, keeping);
        EXPECT_EQ(keeping.str(), c.kept ? "L'ancienne sauvegarde est gardée dans " + kept + ".\n" : "");
        EXPECT_EQ(Contents(kept), c.kept ? c.text : "");
        EXPECT_EQ(std::filesystem::exists(path), !c.kept && !c.text.empty());
    }
}

// Where each start saves, and what it says first.
TEST_F(SaveTest, EachStartChoosesItsSaveAndSaysWhatItFinds)
{
    const std::string usual = top + "/partie.sav";
    const std::string other = top + "/autre.sav";
    const std::string inProgress = WriteSave(game, {});
    game.gameOver = 1;
    const std::string ended = WriteSave(game, {});
    folder.Write("partie.sav", Bytes(inProgress.begin(), inProgress.end()));
    folder.Write("terminee.sav", Bytes(ended.begin(), ended.end()));
    EXPECT_EQ(GameInProgressLabel(usual), "Reprendre : Player 1, Player 2 (tour 1)");
    EXPECT_EQ(GameInProgressLabel(top + "/terminee.sav"), "") << "an ended game is not offered";
    EXPECT_EQ(GameInProgressLabel(other), "") << "nor a missing one";
    CSaveLock running;
    ASSERT_EQ(running.Take(other), CSaveLock::Outcome::kTaken);
    const std::string waiting = "Une partie est enregistrée : « bourgade3d --resume » la reprend.\n";
    const struct { bool resume; std::string file, usual; bool opened, resumed, saving; std::string path, said; } cases[] = {
        {false, "", usual, true, false, true, usual, waiting},
        {true, top + "/terminee.sav", usual, true, false, true, usual,
         "La partie enregistrée dans " + top + "/terminee.sav est terminée : elle ne reprend pas, une "
         "nouvelle partie commence.\n" + waiting},
        {true, "", usual, true, true, true, usual, "Partie reprise depuis " + usual + " : au tour de Player 2.\n"},
        {true, other, usual, false, false, false, "",
         "Impossible de reprendre la partie de " + other + " : une autre partie en cours l'utilise.\n"},
        {false, "", other, true, false, true, top + "/autre-2.sav",
         "La sauvegarde " + other + " sert à une autre partie en cours : celle-ci s'enregistre dans " + top +
             "/autre-2.sav.\n"},
        {false, "", "", true, false, true, "", ""},
    };
    for (const auto& c : cases) {
        CGame fresh{frame, random};
        GameHistory history;
        CSaveLock lock;
        SaveChoice choice;
        std::ostringstream said;
        EXPECT_EQ(OpenSave(c.resume, c.file, c.usual, fresh, history, lock, choice, said, said), c.opened);
        EXPECT_EQ(choice.resumed, c.resumed) << c.said;
        EXPECT_EQ(choice.saving, c.saving) << c.said;
        EXPECT_EQ(choice.savePath, c.path) << c.said;
        EXPECT_EQ(said.str(), c.said);
    }
}
