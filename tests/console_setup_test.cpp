#include <gtest/gtest.h>

#include <sstream>

#include "console_setup.h"
#include "game.h"

namespace {

struct Dialogue {
    CNullFrame frame;
    CSeededRandom random{1};
    CGame game{frame, random};
    std::ostringstream out;

    bool Players(const std::string& input)
    {
        std::istringstream in(input);
        return ReadPlayers(in, out, game);
    }
    int Count(const std::string& question) const
    {
        int count = 0;
        for (size_t at = out.str().find(question); at != std::string::npos;
             at = out.str().find(question, at + 1))
            ++count;
        return count;
    }
};

}  // namespace

TEST(ConsoleSetup, AsksUntilTheCountIsInRange)
{
    Dialogue d;
    ASSERT_TRUE(d.Players("1\n7\n4\na n\nb o\nc N\nd O\n"));
    EXPECT_EQ(d.game.playerCount, 4);
    EXPECT_EQ(d.Count("\nNombre de joueurs (entre 2 et 6): "), 3);
    EXPECT_EQ(d.out.str().rfind("*******************************\n**", 0), 0u) << "banner first";
    EXPECT_EQ(d.game.players[1].computer, 1);
    EXPECT_EQ(d.game.players[3].computer, 1);
    EXPECT_EQ(d.game.players[2].computer, 0);
    EXPECT_STREQ(d.game.setupPlayers[3].name, "d");
    EXPECT_STREQ(d.game.setupPlayers[5].name, "Player 6") << "unused slots keep their defaults";
}

TEST(ConsoleSetup, NonNumbersAreDroppedWithTheirLine)
{
    Dialogue d;
    ASSERT_TRUE(d.Players("deux joueurs\n99999999999999999999\n2\nAnne n\nBob n\n"));
    EXPECT_EQ(d.game.playerCount, 2);
    EXPECT_EQ(d.Count("Nombre de joueurs"), 3);
    EXPECT_STREQ(d.game.players[0].name, "Anne");
}

TEST(ConsoleSetup, TheRestOfTheNameLineAnswersTheComputerQuestion)
{
    Dialogue d;
    ASSERT_TRUE(d.Players("2\nJean xyz o\nLea\nn\n"));
    EXPECT_STREQ(d.game.players[0].name, "Jean");
    EXPECT_EQ(d.game.players[0].computer, 1) << "the o after the second word answered";
    EXPECT_STREQ(d.game.players[1].name, "Lea");
    EXPECT_EQ(d.game.players[1].computer, 0);
}

TEST(ConsoleSetup, LongNamesAreCutToNineteenBytesOnACharacter)
{
    Dialogue d;
    ASSERT_TRUE(d.Players("2\nAbcdefghijklmnopqrstuvwxyz n\nAbcdefghijklmnopqré n\n"));
    EXPECT_STREQ(d.game.players[0].name, "Abcdefghijklmnopqrs");
    // The é would straddle the 19th byte: it is dropped whole.
    EXPECT_STREQ(d.game.players[1].name, "Abcdefghijklmnopqr");
}

TEST(ConsoleSetup, NamesReachTheRecordsCleaned)
{
    Dialogue d;
    ASSERT_TRUE(d.Players(std::string("2\n\0 n\n\x1b[31mBob\x1b[0m n\n", 21)));
    EXPECT_STREQ(d.game.players[0].name, "Joueur 1");
    EXPECT_STREQ(d.game.players[1].name, "Bob");
    EXPECT_STREQ(d.game.setupPlayers[1].name, "Bob");
}

TEST(ConsoleSetup, EndOfInputAtAnyQuestionFails)
{
    for (const char* input : {"", "abc", "3\n", "3\nAnne", "3\nAnne xyz"}) {
        Dialogue d;
        EXPECT_FALSE(d.Players(input)) << "input: " << input;
    }
}

TEST(ConsoleSetup, FullScreenUnlessTheAnswerStartsWithN)
{
    for (const auto& [input, full] : std::vector<std::pair<std::string, bool>>{
             {"n\n", false}, {"N\n", false}, {"non\n", false}, {"o\n", true}, {"oui\n", true},
             {"  x\n", true}}) {
        std::istringstream in(input);
        std::ostringstream out;
        bool fullScreen = !full;
        ASSERT_TRUE(ReadFullScreen(in, out, fullScreen)) << input;
        EXPECT_EQ(fullScreen, full) << input;
        EXPECT_EQ(out.str(), "\nJouer en mode Plein Ecran (o/n) : ");
    }
    std::istringstream empty("");
    std::ostringstream out;
    bool fullScreen = false;
    EXPECT_FALSE(ReadFullScreen(empty, out, fullScreen));
}
