#include <algorithm>
#include <tuple>

#include "game_fixture.h"

class BuildingTest : public GameTest {
protected:
    void SetUp() override { Start({0, 0}); }

    // The pick, then a check of every rule of the game state.
    void Pick(char key, int p)
    {
        PickWith(key, p);
        Check();
    }
};

TEST_F(BuildingTest, ABuildGoesToTheLeastBuiltStreetAndARefusedOneChargesNothing)
{
    Own(0, {11, 12, 13});
    Build({11}, 1);
    Pick('b', 11);
    EXPECT_EQ(std::tie(game.inputMode, Deed(13).houses, Deed(11).houses, frame.buildings[24], P(0).money),
              std::make_tuple(kNoInput, 1, 1, 1, 135000)) << "the last of the least built";
    EXPECT_FALSE(frame.Showed("Player 1 construit un(e) house sur AV. HENRI-MARTIN."))
        << "humans build silently";

    // Refused builds charge nothing.
    Start({0, 0});
    Own(0, {0, 1, 25});
    Build({0, 1}, 5);
    Pick('b', 0);
    EXPECT_EQ(std::tie(P(0).money, game.inputMode), std::make_tuple(150000, kNoInput)) << "hotels everywhere";
    Build({0, 1}, 0);
    Deed(1).mortgaged = 1;
    Pick('b', 0);
    EXPECT_EQ(Deed(0).houses, 0) << "a mortgaged street in the group";
    Deed(1).mortgaged = 0;
    P(0).money = 4999;
    Pick('b', 0);
    EXPECT_EQ(Deed(0).houses, 0) << "too poor";
    EXPECT_TRUE(frame.Showed("Pas assez d'argent"));
    P(0).money = 150000;
    Own(1, {1});
    Pick('b', 0);
    EXPECT_EQ(Deed(0).houses, 0);
    EXPECT_TRUE(frame.Showed("Il faut posséder tout le groupe"));
    Pick('b', 1);
    EXPECT_EQ(Deed(1).houses, 0);
    EXPECT_TRUE(frame.Showed("Cette propriété n'est pas à vous"));
    Pick('b', 25);
    EXPECT_TRUE(frame.Showed("On ne construit que sur les rues"));
    EXPECT_EQ(P(0).money, 150000);
}

TEST_F(BuildingTest, MortgageAndLiftAcceptTheirOwnPropertiesOnlyAndABuiltStreetIsSoldBare)
{
    Own(0, {0});
    Own(1, {25});
    Pick('m', 25);
    const auto title = std::find(frame.log.begin(), frame.log.end(), "msg:Hypothequer");
    ASSERT_NE(title, frame.log.end());
    EXPECT_EQ(Lines(title + 1, title + 4), (Lines{"redraw", "msg:Choisissez la propriete", "redraw"}))
        << "the title is drawn before the prompt takes its place";
    EXPECT_EQ(std::tie(Deed(25).mortgaged, game.inputMode), std::make_tuple(0, kNoInput)) << "another's";
    Pick('m', 0);
    EXPECT_EQ(std::tie(Deed(0).mortgaged, P(0).money), std::make_tuple(1, 153000)) << "the first property";
    Pick('m', 0);
    EXPECT_EQ(P(0).money, 153000) << "already mortgaged";
    EXPECT_TRUE(frame.Showed("Cette propriété est déjà hypothéquée"));
    Pick('u', 25);
    EXPECT_TRUE(frame.Showed("Cette propriété n'est pas à vous"));

    P(0).money = 3299;
    Pick('u', 0);
    EXPECT_EQ(std::tie(Deed(0).mortgaged, game.inputMode), std::make_tuple(1, kNoInput)) << "too poor";
    EXPECT_TRUE(frame.Showed("Pas assez d'argent"));
    P(0).money = 3300;
    Pick('u', 0);
    EXPECT_TRUE(frame.Showed("Lever l'hypotheque"));
    EXPECT_EQ(std::tie(Deed(0).mortgaged, P(0).money), std::make_tuple(0, 0));
    // The value and a tenth of it, rounded down.
    for (auto [p, cost] : {std::pair{0, 3300}, {22, 8250}, {20, 19250}, {25, 11000}})
        EXPECT_EQ(CGame::LiftCost(p), cost) << p;

    // A street is mortgaged bare: the group's buildings are all sold first, so
    // that no mortgaged group carries buildings.
    Own(0, {20, 21});
    Build({20, 21}, 2);
    Pick('m', 21);
    EXPECT_EQ(std::make_tuple(Deed(21).mortgaged, Deed(20).houses + Deed(21).houses, P(0).money,
                              game.inputMode),
              std::make_tuple(1, 0, 4 * 10000 + 20000, kNoInput));
}

// Nothing is landed on, or thrown, while the pick waits.
TEST_F(BuildingTest, AThrowTypedDuringAPickWaitsForThePick)
{
    P(0).square = 4;  // IMPOTS SUR LE REVENU
    for (auto [key, mode] : {std::pair{'m', kMortgagePick}, {'u', kLiftPick}}) {
        frame.keys.push_back(key);
        Tick();
        frame.Press(470, 470);  // DEPART
        Tick();
        frame.keys.push_back('t');
        random.QueueDice(1, 2);
        Tick();
        EXPECT_EQ(game.inputMode, mode) << key;
        EXPECT_TRUE(frame.Entries("dice").empty()) << "a typed throw waits for the pick";
        game.inputMode = kNoInput;
    }
    EXPECT_EQ(P(0).money, 150000);

    // A throw typed with the click of a pick: a pick made lets the turn start
    // on the same tick, a refused one ends the tick.
    Own(0, {0});
    Own(1, {25});
    for (auto [p, thrown] : {std::pair{25, 0u}, {0, 1u}}) {
        frame.mouse = {700, 300, false};
        frame.keys.push_back('m');
        Tick();
        frame.keys.push_back('t');
        random.QueueDice(1, 2);
        PressOn(p);
        Tick();
        frame.Release();
        EXPECT_EQ(frame.Entries("dice").size(), thrown);
    }
}
