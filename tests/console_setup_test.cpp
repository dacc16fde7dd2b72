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
};

}  // namespace

// Each row is a whole dialogue: the players it makes, and how often it
// asked for their number.
TEST(ConsoleSetup, AsksUntilTheCountIsInRangeThenNamesEachPlayer)
{
    const struct {
        std::string input;
        int asked;
        std::vector<std::string> names;
        std::vector<int> computers;
    } cases[] = {
        {"1\n7\n4\na n\nb o\nc N\nd O\n", 3, {"a", "b", "c", "d"}, {0, 1, 0, 1}},
        // Not numbers, dropped with their line, and a number past 32 bits.
        {"deux joueurs\n99999999999999999999\n4294967300\n2\nAnne n\nBob n\n", 4, {"Anne", "Bob"},
         {0, 0}},
        // The rest of the name's line answers the computer question.
        {"2\nJean xyz o\nLea\nn\n", 1, {"Jean", "Lea"}, {1, 0}},
        // Cut to 19 bytes on a character: the é would straddle the 19th.
        {"2\nAbcdefghijklmnopqrstuvwxyz n\nAbcdefghijklmnopqré n\n", 1,
         {"Abcdefghijklmnopqrs", "Abcdefghijklmnopqr"}, {0, 0}},
        {std::string("2\n\0 n\n\x1b[31mBob\x1b[0m n\n", 21), 1, {"Joueur 1", "Bob"}, {0, 0}},
    };
    for (const auto& c : cases) {
        Dialogue d;
        ASSERT_TRUE(d.Players(c.input)) << c.input;
        const std::string said = d.out.str();
        EXPECT_EQ(said.rfind("*******************************\n**", 0), 0u) << "banner first";
        const std::string question = "\nNombre de joueurs (entre 2 et 6): ";
        size_t asked = 0;
        for (size_t at = said.find(question); at != std::string::npos; at = said.find(question, at + 1))
            ++asked;
        EXPECT_EQ(asked, size_t(c.asked)) << c.input;
        ASSERT_EQ(d.game.playerCount, int(c.names.size())) << c.input;
        for (int i = 0; i < kMaxPlayers; ++i) {
            const bool playing = i < d.game.playerCount;
            const std::string name = playing ? c.names[i] : "Player " + std::to_string(i + 1);
            EXPECT_EQ(d.game.players[i].name, name);
            EXPECT_EQ(d.game.setupPlayers[i].name, name) << "the records start as the players";
            EXPECT_EQ(d.game.setupPlayers[i].computer, playing ? c.computers[i] : 0) << name;
        }
    }
}

TEST(ConsoleSetup, EndOfInputAtAnyQuestionFails)
{
    for (const char* input : {"", "abc", "3\n", "3\nAnne", "3\nAnne xyz"}) {
        Dialogue d;
        EXPECT_FALSE(d.Players(input)) << "input: " << input;
    }
    std::istringstream empty("");
    std::ostringstream out;
    bool fullScreen = false;
    EXPECT_FALSE(ReadFullScreen(empty, out, fullScreen));
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
}
