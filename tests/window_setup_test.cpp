// A game set up in the window: the form's keys and clicks, and the game
// they set up.
#include <gtest/gtest.h>

#include <string>

#include "game_setup.h"
#include "input_event.h"
#include "fake_frame.h"
#include "setup_form.h"

namespace {

constexpr unsigned char kEnter = 13;
constexpr unsigned char kBackspace = 8;
constexpr unsigned char kTab = 9;

}  // namespace

// Enter at once starts "Joueur 1", a person, against the computer's
// "Joueur 2"; every row moves with the arrows and wraps.
TEST(SetupForm, EnterStartsTheDefaultGameAndTheArrowsGoRound)
{
    GameSetup setup;
    CSetupForm form(setup);
    EXPECT_EQ(form.Key(kEnter), CSetupForm::Outcome::kStart);
    EXPECT_EQ(setup.count, 2);
    EXPECT_EQ(setup.names[0], "Joueur 1");
    EXPECT_EQ(setup.computer[0], 0);
    EXPECT_EQ(setup.computer[1], 1);
    EXPECT_EQ(form.Rows().size(), 9u);
    form.Special(kKeyUp);
    EXPECT_EQ(form.Focus(), 8) << "up from the first row: the last";
    form.Special(kKeyDown);
    form.Special(kKeyDown);
    EXPECT_EQ(form.Focus(), 1) << "down one row, round to the first";
    EXPECT_EQ(form.Rows()[8], "Commencer la partie (Entrée)");
    EXPECT_EQ(form.Key(27), CSetupForm::Outcome::kBack);
}

// The count goes round 2 to 6; a player goes round human and the three
// levels; the speed, the limit and the screen change in place.
TEST(SetupForm, ValuesChangeWithTheArrowsAndTheClicks)
{
    GameSetup setup;
    CSetupForm form(setup);
    form.Special(kKeyLeft);
    EXPECT_EQ(setup.count, 6);
    form.Special(kKeyRight);
    EXPECT_EQ(setup.count, 2);
    const char* const kinds[] = {"  ordinateur Normal", "  ordinateur Facile", "  ordinateur Fort", "  humain"};
    for (const char* kind : kinds) {
        form.Click(2);
        EXPECT_EQ(form.Rows()[2], kind);
    }
    EXPECT_EQ(setup.computer[0], 0) << "round the three levels back to a person";
    form.Click(5);
    EXPECT_EQ(setup.speed, Speed::kFast);
    for (const int32_t limit : {50, 100, 200, 500, 0}) {
        form.Click(6);
        EXPECT_EQ(setup.turnLimit, limit);
    }
    form.Special(kKeyLeft);
    EXPECT_EQ(setup.turnLimit, 500) << "left from none: the longest";
    form.Special(kKeyUp);
    form.Key(' ');
    EXPECT_EQ(setup.speed, Speed::kFaster) << "the space bar steps a value by one";
    form.Click(7);
    EXPECT_TRUE(setup.fullScreen);
    EXPECT_EQ(form.Click(8), CSetupForm::Outcome::kStart);
    form.Click(0);
    EXPECT_EQ(setup.count, 3) << "a click on the first row";
    // A limit from the command line that the form does not offer.
    setup.turnLimit = 1;
    EXPECT_EQ(form.Rows()[8], "Limite : 1 tours");
    form.Click(8);
    EXPECT_EQ(setup.turnLimit, 50) << "on from the first";
}

// A name is typed over the one offered, accents included, at most as long
// as a record holds, and Backspace takes a whole letter away.
TEST(SetupForm, NamesAreTypedWithTheirAccents)
{
    GameSetup setup;
    CSetupForm form(setup);
    form.Key(kTab);
    form.Key('Z');
    form.Key('o');
    form.Key(0xE9);  // é, as the window hands it over
    EXPECT_EQ(setup.names[0], "Zoé");
    form.Key(kBackspace);
    EXPECT_EQ(setup.names[0], "Zo");
    form.Key(' ');
    form.Key('A');
    EXPECT_EQ(setup.names[0], "Zo A") << "spaces are kept";
    form.Key(' ');
    for (int k = 0; k < 30; ++k)
        form.Key('x');
    EXPECT_EQ(setup.names[0].size(), static_cast<size_t>(kNameSize - 1));
}

// With six players each name row and each kind row reaches its own player,
// and the rows after them keep their fields.
TEST(SetupForm, EachPlayersRowsReachThatPlayerAtSix)
{
    GameSetup setup;
    setup.count = 6;
    CSetupForm form(setup);
    for (int player = 0; player < 6; ++player) {
        SCOPED_TRACE(player);
        form.Click(2 * player + 1);
        form.Key('Q');
        EXPECT_EQ(setup.names[player], "Q");
        const std::string kind = form.Rows()[2 * player + 2];
        form.Click(2 * player + 2);
        EXPECT_NE(form.Rows()[2 * player + 2], kind);
    }
    form.Click(13);
    EXPECT_EQ(setup.speed, Speed::kFast);
    form.Click(14);
    EXPECT_EQ(setup.turnLimit, 50);
    form.Click(15);
    EXPECT_TRUE(setup.fullScreen);
    EXPECT_EQ(form.Click(16), CSetupForm::Outcome::kStart);
}

TEST(SetupForm, TheSetUpGameSeatsItsPlayersWithTheirLevels)
{
    GameSetup setup;
    setup.count = 3;
    setup.names[0] = "Marie Claire";
    setup.computer[0] = 1;
    setup.level[0] = kLevelEasy;
    setup.computer[2] = 1;
    setup.level[2] = kLevelStrong;
    setup.turnLimit = 100;
    CNullFrame frame;
    CScriptedRandom random;
    CGame game(frame, random);
    ApplySetup(setup, game);
    EXPECT_EQ(game.playerCount, 3);
    EXPECT_STREQ(game.players[0].name, "Marie Claire");
    EXPECT_STREQ(game.setupPlayers[0].name, "Marie Claire");
    EXPECT_EQ(game.players[0].computer, 1);
    EXPECT_EQ(game.players[2].computer, 1);
    EXPECT_EQ(game.players[0].level, kLevelEasy);
    EXPECT_EQ(game.players[1].level, kLevelNormal);
    EXPECT_EQ(game.players[2].level, kLevelStrong);
    EXPECT_EQ(game.setupPlayers[2].level, kLevelStrong);
    EXPECT_EQ(game.setupPlayers[2].color, game.players[2].color) << "a new game seats them alike";
    EXPECT_EQ(game.turnLimit, 100);
    EXPECT_EQ(game.confirmSales, 1) << "on in a game set up in the window";
}
