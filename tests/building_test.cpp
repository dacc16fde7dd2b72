#include <algorithm>
#include <vector>

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

TEST_F(BuildingTest, ABuildGoesToTheLastOfTheLeastBuiltStreets)
{
    Own(0, {11, 12, 13});
    Build({11}, 1);
    Pick('b', 11);
    EXPECT_EQ(game.inputMode, kNoInput);
    EXPECT_EQ(Deed(11).houses, 1);
    EXPECT_EQ(Deed(12).houses, 0);
    EXPECT_EQ(Deed(13).houses, 1);
    EXPECT_EQ(frame.buildings[24], 1);
    EXPECT_EQ(P(0).money, 135000);
    EXPECT_FALSE(frame.Showed("Player 1 construit un(e) house sur AV. HENRI-MARTIN."))
        << "humans build silently";
    // The group's first street, when it is the least built.
    Start({0, 0});
    Own(0, {0, 1});
    Build({1}, 1);
    Pick('b', 1);
    EXPECT_EQ(Deed(0).houses, 1);
    EXPECT_EQ(Deed(1).houses, 1);
}

// A pick by its key: player 1 owns `mine` (with `houses` on each), player 2
// `others`. The last thing said is the refusal, or the property's name when
// the pick is taken; a refusal costs nothing.
TEST_F(BuildingTest, EveryRefusalNamesItsCause)
{
    const char* const kNotYours = "Cette propriété n'est pas à vous";
    const char* const kTooPoor = "Pas assez d'argent";
    const struct {
        char key;
        int property;
        std::vector<int> mine, others, mortgaged;
        int houses;
        int64_t money;
        const char* said;
        int64_t moneyAfter;
        int mortgagedAfter;
    } cases[] = {
        {'b', 1, {0}, {1}, {}, 0, 150000, kNotYours, 150000, 0},
        {'b', 2, {0, 1}, {}, {}, 0, 150000, kNotYours, 150000, 0},
        {'b', 24, {24, 25, 26, 27}, {}, {}, 0, 150000, "On ne construit que sur les rues", 150000, 0},
        {'b', 22, {22, 23}, {}, {}, 0, 150000, "On ne construit que sur les rues", 150000, 0},
        {'b', 0, {0}, {1}, {}, 0, 0, "Il faut posséder tout le groupe", 0, 0},
        {'b', 0, {0}, {}, {}, 0, 150000, "Il faut posséder tout le groupe", 150000, 0},
        {'b', 0, {0, 1}, {}, {}, 0, 4999, kTooPoor, 4999, 0},
        {'b', 0, {0, 1}, {}, {}, 0, 5000, "BOUL. DE BELLEVILLE", 0, 0},
        {'b', 21, {20, 21}, {}, {}, 4, 20000, "RUE DE LA PAIX", 0, 0},
        {'b', 0, {0, 1}, {}, {}, 5, 150000, "BOUL. DE BELLEVILLE", 150000, 0},
        {'b', 0, {0, 1}, {}, {1}, 0, 150000, "BOUL. DE BELLEVILLE", 150000, 0},
        {'m', 24, {}, {24}, {}, 0, 150000, kNotYours, 150000, 0},
        {'m', 24, {}, {24}, {24}, 0, 150000, kNotYours, 150000, 1},
        {'m', 24, {}, {}, {}, 0, 150000, kNotYours, 150000, 0},
        {'m', 24, {24}, {}, {24}, 0, 150000, "Cette propriété est déjà hypothéquée", 150000, 1},
        {'m', 24, {24}, {}, {}, 0, 150000, "GARE MONTPARNASSE", 160000, 1},
        {'m', 0, {0}, {}, {}, 0, 150000, "BOUL. DE BELLEVILLE", 153000, 1},
        {'u', 24, {}, {24}, {24}, 0, 150000, kNotYours, 150000, 1},
        {'u', 24, {}, {24}, {}, 0, 150000, kNotYours, 150000, 0},
        {'u', 24, {24}, {}, {}, 0, 150000, "Cette propriété n'est pas hypothéquée", 150000, 0},
        {'u', 24, {24}, {}, {24}, 0, 10999, kTooPoor, 10999, 1},
        {'u', 24, {24}, {}, {24}, 0, 11000, "GARE MONTPARNASSE", 0, 0},
        {'u', 0, {0}, {}, {0}, 0, 3300, "BOUL. DE BELLEVILLE", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " on " << c.property << " with " << c.money);
        Start({0, 0});
        P(0).square = 37;  // AV. DES CHAMPS-ELYSEES, never picked here
        P(0).money = c.money;
        Own(0, c.mine);
        Own(1, c.others);
        Mortgage(c.mortgaged);
        Build(c.mine, c.houses);
        Pick(c.key, c.property);
        EXPECT_EQ(frame.messages.back(), c.said);
        EXPECT_EQ(frame.Entries("picture"), Lines{std::to_string(propertySquare[c.property])})
            << "the picked deed only, never the square the player stands on";
        EXPECT_EQ(P(0).money, c.moneyAfter);
        EXPECT_EQ(Deed(c.property).mortgaged, c.mortgagedAfter);
        EXPECT_EQ(game.showSquare, 1) << "the next throw shows its square";
        EXPECT_EQ(P(1).money, kStartMoney);
        EXPECT_EQ(game.inputMode, kNoInput);
    }
    // The value and a tenth of it, rounded down.
    for (auto [p, cost] : {std::pair{0, 3300}, {22, 8250}, {20, 19250}, {25, 11000}})
        EXPECT_EQ(CGame::LiftCost(p), cost) << p;
}

TEST_F(BuildingTest, TheMortgagePickIsTitledAndABuiltStreetIsMortgagedBare)
{
    Own(0, {0});
    Pick('m', 0);
    const auto title = std::find(frame.log.begin(), frame.log.end(), "msg:Hypothequer");
    ASSERT_NE(title, frame.log.end());
    EXPECT_EQ(Lines(title + 1, title + 4), (Lines{"redraw", "msg:Choisissez la propriete", "redraw"}))
        << "the title is drawn before the prompt takes its place";
    Pick('u', 0);
    EXPECT_TRUE(frame.Showed("Lever l'hypotheque"));

    // A street is mortgaged bare: the group's buildings are all sold first, so
    // that no mortgaged group carries buildings.
    Start({0, 0});
    P(0).money = 0;
    Own(0, {20, 21});
    Build({20, 21}, 2);
    Pick('m', 21);
    EXPECT_EQ(Deed(21).mortgaged, 1);
    EXPECT_EQ(Deed(20).mortgaged, 0);
    EXPECT_EQ(Deed(20).houses, 0);
    EXPECT_EQ(Deed(21).houses, 0);
    EXPECT_EQ(P(0).money, 4 * 10000 + 20000);
    EXPECT_EQ(game.inputMode, kNoInput);
}

// Nothing is landed on, or thrown, while the pick waits.
TEST_F(BuildingTest, AThrowTypedDuringAPickWaitsForThePick)
{
    P(0).square = 4;  // IMPOTS SUR LE REVENU
    for (auto [key, mode] : {std::pair{'m', kMortgagePick}, {'u', kLiftPick}}) {
        frame.keys.push_back(key);
        Tick();
        frame.mouse = {470, 470, false};  // over DEPART, no click
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
    const struct { char key; int property; size_t thrown; } picks[] = {
        {'m', 25, 0}, {'m', 0, 1}, {'u', 25, 1}, {'u', 0, 2},
    };
    for (const auto& [key, p, thrown] : picks) {
        game.current = 0;
        frame.mouse = {700, 300, false};
        frame.keys.push_back(key);
        Tick();
        frame.keys.push_back('t');
        random.QueueDice(1, 2);
        PressOn(p);
        Tick();
        frame.Release();
        EXPECT_EQ(frame.Entries("dice").size(), thrown);
    }
}

// With confirmations on, a mortgage that would sell the group's buildings
// asks first: a no keeps everything, a yes sells and mortgages. A purchase
// that needs mortgages names them.
TEST_F(BuildingTest, ConfirmationsAskBeforeSellingOrMortgaging)
{
    game.confirmSales = 1;
    // Five houses on the first group.
    Own(0, {0, 1});
    Build({0}, 2);
    Build({1}, 3);
    for (const char answer : {'n', 'y'}) {
        frame.Clear();
        Pick('m', 0);
        EXPECT_EQ(game.inputMode, kYesNo) << answer;
        EXPECT_EQ(frame.messages.back(), "Hypothéquer BOUL. DE BELLEVILLE vend les maisons et hôtels de son groupe : d'accord ?");
        EXPECT_EQ(Deed(1).houses, 3) << "nothing sold before the answer";
        Tick(answer);
        EXPECT_EQ(game.pendingSale, -1) << "answered once";
        EXPECT_EQ(frame.Showed("Annulé"), answer == 'n') << answer;
        Check();
    }
    EXPECT_FALSE(frame.Showed("Annulé")) << "the last answer was yes";
    EXPECT_EQ(Deed(0).mortgaged, 1);
    EXPECT_EQ(Deed(1).houses, 0);

    Start({0, 0});
    game.confirmSales = 1;
    P(0).money = 1000;
    Own(0, {0, 1, 5});
    LandOn(propertySquare[2]);
    // A loose street first, then a whole group without buildings, as the
    // payment itself takes them.
    EXPECT_EQ(frame.messages.back(),
              "Hypothéquer BOUL. DE LA VILLETTE, BOUL. DE BELLEVILLE pour acheter RUE DE VAUGIRARD pour 10000F ?");
    // Exactly the price is enough.
    P(0).money = 3000;
    LandOn(propertySquare[2]);
    EXPECT_EQ(frame.messages.back(), "Hypothéquer BOUL. DE LA VILLETTE pour acheter RUE DE VAUGIRARD pour 10000F ?");
    // A loose street is named once, though its group would be bare too.
    Start({0, 0});
    game.confirmSales = 1;
    P(0).money = 1000;
    Own(0, {0, 2, 3, 4});
    LandOn(propertySquare[8]);
    EXPECT_EQ(frame.messages.back(), "Hypothéquer BOUL. DE BELLEVILLE, RUE DE VAUGIRARD, RUE DE COURCELLES, "
                                     "AV. DE LA REPUBLIQUE pour acheter AVENUE MOZART pour 18000F ?");
}

// A press beside every property leaves the build, mortgage, lift and
// exchange picks with one line, and the turn goes on; the click on the
// pick's own icon does not leave it.
TEST_F(GameTest, APressBesideThePropertiesLeavesEveryPick)
{
    const struct {
        char key;
        int32_t mode;
    } picks[] = {{'b', kBuildPick}, {'m', kMortgagePick}, {'u', kLiftPick}, {'q', kTradeWantedPick}};
    for (const auto& pick : picks) {
        Start({0, 0});
        frame.keys.push_back(pick.key);
        Tick();
        ASSERT_EQ(game.inputMode, pick.mode) << pick.key;
        frame.Press(250, 250);
        frame.Clear();
        Tick();
        EXPECT_EQ(game.inputMode, kNoInput) << pick.key;
        ASSERT_FALSE(frame.messages.empty()) << pick.key;
        EXPECT_EQ(frame.messages.back(), "Annulé") << pick.key;
    }
    Start({0, 0});
    frame.Press(kBuildX, kBuildY);
    Tick();
    EXPECT_EQ(game.inputMode, kBuildPick) << "the icon's own click";
}
