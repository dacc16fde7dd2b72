#include <gtest/gtest.h>

#include <sstream>

#include "console_setup.h"
#include "game.h"

// Each row is a whole dialogue: how often it asked for the number of players, the players
// it made (a star for the computer's; none when the input ran out), full screen (-1: none).
TEST(ConsoleSetup, AsksUntilTheCountIsInRangeThenNamesEachPlayer)
{
    const struct { std::string input; int asked; const char* players; int fullScreen; } cases[] = {
        {"1\n7\n4\na n\nb o\nc N\nd O\nn\n", 3, "a b* c d*", 0},
        // Not numbers, dropped with their line, and a number past 32 bits.
        {"deux joueurs\n99999999999999999999\n4294967300\n2\nAnne n\nBob n\nNon\n", 4, "Anne Bob", 0},
        {"2\nJean xyz o\nLea\nn\n  x\n", 1, "Jean* Lea", 1},  // the rest of a name's line answers
        // Cut to 19 bytes on a character: the é would straddle the 19th.
        {"2\nAbcdefghijklmnopqrstuvwxyz n\nAbcdefghijklmnopqré n\noui\n", 1,
         "Abcdefghijklmnopqrs Abcdefghijklmnopqr", 1},
        {std::string("2\n\0 n\n\x1b[31mBob\x1b[0m n\n", 21), 1, "Joueur 1 Bob", -1},
        {"6\na o\nb n\nc n\nd n\ne n\nf o\nN\n", 1, "a* b c d e f*", 0}, {"", 1, "", -1}, {"abc", 2, "", -1},
        {"3\n", 1, "", -1}, {"3\nAnne", 1, "", -1}, {"3\nAnne xyz", 1, "", -1},
    };
    for (const auto& c : cases) {
        CNullFrame frame;
        CSeededRandom random{1};
        CGame game{frame, random};
        std::istringstream in(c.input);
        std::ostringstream out;
        const bool read = ReadPlayers(in, out, game);
        EXPECT_EQ(read, c.players[0] != '\0') << c.input;
        std::string players;
        for (int i = 0; read && i < game.playerCount; ++i) {
            const Player& setup = game.setupPlayers[i];
            players += (i ? " " : "") + std::string(setup.name) + (setup.computer == 1 ? "*" : "");
            EXPECT_STREQ(game.players[i].name, setup.name) << "the records start as the players";
        }
        EXPECT_EQ(players, c.players) << c.input;
        const std::string said = out.str();
        EXPECT_EQ(said.rfind("*******************************\n**", 0), 0u) << "banner first";
        const std::string question = "\nNombre de joueurs (entre 2 et 6): ";
        int asked = 0;
        for (size_t at = said.find(question); at != std::string::npos; at = said.find(question, at + 1))
            ++asked;
        EXPECT_EQ(asked, c.asked) << c.input;
        if (!read)
            continue;
        EXPECT_NE(said.find("\nNom du joueur 1 : "), std::string::npos) << said;
        std::ostringstream asks;
        bool fullScreen = c.fullScreen != 1;  // so that an answer must change it
        const bool answered = ReadFullScreen(in, asks, fullScreen);
        EXPECT_EQ(answered ? int(fullScreen) : -1, c.fullScreen) << c.input;
        EXPECT_EQ(asks.str(), "\nJouer en mode Plein Ecran (o/n) : ");
    }
}
