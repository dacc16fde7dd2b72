#include <gtest/gtest.h>

#include <sstream>

#include "console_setup.h"
#include "game.h"

// Each row is a whole dialogue: how often it asked for the number of
// players, and the players it made; no players when the input ran out.
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
        {"", 1, {}, {}}, {"abc", 2, {}, {}}, {"3\n", 1, {}, {}}, {"3\nAnne", 1, {}, {}},
        {"3\nAnne xyz", 1, {}, {}},
    };
    for (const auto& c : cases) {
        CNullFrame frame;
        CSeededRandom random{1};
        CGame game{frame, random};
        std::istringstream in(c.input);
        std::ostringstream out;
        EXPECT_EQ(ReadPlayers(in, out, game), !c.names.empty()) << c.input;
        const std::string said = out.str();
        EXPECT_EQ(said.rfind("*******************************\n**", 0), 0u) << "banner first";
        const std::string question = "\nNombre de joueurs (entre 2 et 6): ";
        int asked = 0;
        for (size_t at = said.find(question); at != std::string::npos; at = said.find(question, at + 1))
            ++asked;
        EXPECT_EQ(asked, c.asked) << c.input;
        if (c.names.empty())
            continue;
        ASSERT_EQ(game.playerCount, int(c.names.size())) << c.input;
        for (int i = 0; i < kMaxPlayers; ++i) {
            const bool playing = i < game.playerCount;
            const std::string name = playing ? c.names[i] : "Player " + std::to_string(i + 1);
            EXPECT_EQ(game.players[i].name, name);
            EXPECT_EQ(game.setupPlayers[i].name, name) << "the records start as the players";
            EXPECT_EQ(game.setupPlayers[i].computer, playing ? c.computers[i] : 0) << name;
        }
    }
}

// Full screen unless the answer starts with n; nothing read when the
// input has ended.
TEST(ConsoleSetup, FullScreenUnlessTheAnswerStartsWithN)
{
    const struct { const char* input; bool read, full; } cases[] = {
        {"n\n", true, false}, {"N\n", true, false}, {"non\n", true, false}, {"o\n", true, true},
        {"oui\n", true, true}, {"  x\n", true, true}, {"", false, false},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        std::ostringstream out;
        bool fullScreen = !c.full;  // so that the answer must change it
        EXPECT_EQ(ReadFullScreen(in, out, fullScreen), c.read) << c.input;
        EXPECT_EQ(fullScreen, c.read ? c.full : !c.full) << "untouched when nothing is read";
        EXPECT_EQ(out.str(), "\nJouer en mode Plein Ecran (o/n) : ");
    }
}
