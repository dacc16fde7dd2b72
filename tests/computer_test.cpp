#include <vector>

#include "game_fixture.h"

class ComputerTest : public GameTest {
protected:
    void OwnAll(int player)
    {
        for (Property& property : game.properties)
            property.owner = player;
    }
};

TEST_F(ComputerTest, TradeValueCountsGroupsCashPricesAndMortgages)
{
    Start({1, 1});
    Own(0, {0});
    Own(1, {2});
    EXPECT_EQ(game.TradeValue(0, 2), 9000 - 15000);
    EXPECT_EQ(game.TradeValue(2, 0), 6000);

    // A's group 2..4 is counted at 2, the scan jumps to 5 and counts B's.
    Own(0, {2, 3, 4, 24});
    Own(1, {5, 6, 7, 25});
    EXPECT_EQ(game.TradeValue(24, 25), 0);
    Own(2, {7});
    EXPECT_EQ(game.TradeValue(24, 25), -10000);

    P(0).money = 150000;
    P(1).money = 99999;  // A richer by more than 50000
    EXPECT_EQ(game.TradeValue(24, 25), -20000);
    P(1).money = 150500;  // B richer by 500: no change
    EXPECT_EQ(game.TradeValue(24, 25), -10000);
    P(1).money = 150501;
    EXPECT_EQ(game.TradeValue(24, 25), 0);

    game.properties[25].mortgaged = 1;
    EXPECT_EQ(game.TradeValue(24, 25), 11000);
    game.properties[24].mortgaged = 1;
    EXPECT_EQ(game.TradeValue(24, 25), 0);
}

// Stations 24 and 25 are exchanged between players of equal cash, so only
// the whole groups count: 10000 for each, against A's side or for B's.
TEST_F(ComputerTest, TradeValueCountsEveryWholeGroupOncePerSide)
{
    struct Case {
        std::vector<int> ownedByA, ownedByB;
        int expected;
    };
    const std::vector<int> firstFourGroups = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::vector<int> everyStreet;
    for (int p = 0; p < kStreetCount; ++p)
        everyStreet.push_back(p);
    const Case cases[] = {
        {firstFourGroups, {}, -40000},
        {{}, firstFourGroups, 40000},
        {everyStreet, {}, -80000},
        {{2, 3, 4}, {5, 6, 7}, 0},
        {{0, 1, 5, 6, 7}, {2, 3, 4, 8, 9, 10}, 0},
        {{0, 1, 11, 12, 13, 20, 21}, {14, 15, 16}, -20000},
        {{3, 4, 6, 7, 9, 10}, {}, 0},
    };
    for (const Case& c : cases) {
        Start({1, 1});
        Own(0, {24});
        Own(1, {25});
        for (int p : c.ownedByA)
            Own(0, {p});
        for (int p : c.ownedByB)
            Own(1, {p});
        EXPECT_EQ(game.TradeValue(24, 25), c.expected) << ::testing::PrintToString(c.ownedByA)
                                                      << " against "
                                                      << ::testing::PrintToString(c.ownedByB);
    }
}

TEST_F(ComputerTest, LiftsAMortgageOnlyWithMoreThan10000LeftOver)
{
    Start({1, 0});
    Own(0, {4});  // mortgage value 6000, lifted for 6600
    game.properties[4].mortgaged = 1;
    P(0).money = 16000;
    game.ComputerTurnStart();
    EXPECT_EQ(game.properties[4].mortgaged, 1);
    EXPECT_EQ(P(0).money, 16000);
    P(0).money = 16600;
    game.ComputerTurnStart();
    EXPECT_EQ(game.properties[4].mortgaged, 1) << "exactly 10000 left is not enough";

    P(0).money = 30000;
    game.ComputerTurnStart();
    EXPECT_EQ(game.properties[4].mortgaged, 0);
    EXPECT_EQ(P(0).money, 23400);
    EXPECT_TRUE(frame.Showed("Player 1 lève l'hypothèque sur AV. DE LA REPUBLIQUE."));
}

TEST_F(ComputerTest, BuildsEvenlyUntilHotelsOrShortOfCash)
{
    Start({1, 0});
    Own(0, {0, 1});
    game.ComputerTurnStart();
    EXPECT_EQ(game.properties[0].houses, 5);
    EXPECT_EQ(game.properties[1].houses, 5);
    EXPECT_EQ(frame.buildings[1], 5);
    EXPECT_EQ(frame.buildings[3], 5);
    EXPECT_EQ(P(0).money, 100000);
    EXPECT_TRUE(frame.Showed("Player 1 construit un(e) hotel sur RUE LECOURBE."));
    Check();

    Start({1, 0});
    Own(0, {0, 1, 2, 3, 4});
    P(0).money = 12000;
    game.properties[3].mortgaged = 1;
    game.ComputerTurnStart();
    EXPECT_EQ(game.properties[0].houses, 1);
    EXPECT_EQ(game.properties[1].houses, 1);
    EXPECT_EQ(game.properties[2].houses, 0) << "no house beside a mortgaged street";
    EXPECT_EQ(P(0).money, 2000);
}

TEST_F(ComputerTest, TheTurnStartsWithTheDecisionsThenTheDice)
{
    Start({1, 0});
    Own(0, {4});
    game.properties[4].mortgaged = 1;
    P(0).square = 6;
    random.QueueDice(1, 2);
    Tick();
    EXPECT_EQ(frame.log.front(), "picture:6") << "the square it stands on first";
    ASSERT_FALSE(frame.Entries("dice").empty());
    const auto lift = std::find(frame.log.begin(), frame.log.end(),
                                "msg:Player 1 lève l'hypothèque sur AV. DE LA REPUBLIQUE.");
    const auto dice = std::find(frame.log.begin(), frame.log.end(), "dice:1:2");
    EXPECT_LT(lift, dice);
}

TEST_F(ComputerTest, SwapCompletingAGroupOnBothSides)
{
    Start({1, 1});
    Own(0, {0, 2});
    Own(1, {1, 3, 4});
    game.ComputerTrades();
    EXPECT_EQ(game.properties[1].owner, 0);
    EXPECT_EQ(game.properties[2].owner, 1);
    // The owner of RUE LECOURBE pays the difference of the prices.
    EXPECT_EQ(P(0).money, 156000);
    EXPECT_EQ(P(1).money, 144000);
    Check();
    EXPECT_EQ(frame.messages, (std::vector<std::string>{
                                  "Player 2 échange RUE LECOURBE a Player 1",
                                  "Player 1 échange RUE DE VAUGIRARD a Player 2 for 6000F",
                              }));
}

TEST_F(ComputerTest, SwapAnnouncementsAndRefusalWhenEitherSideCannotPay)
{
    Start({1, 1});
    Own(0, {24, 26});
    Own(1, {0, 25});
    game.SwapProperties(24, 0);
    EXPECT_EQ(game.properties[24].owner, 1);
    EXPECT_EQ(frame.messages, (std::vector<std::string>{
                                  "Player 1 échange GARE MONTPARNASSE a Player 2 pour 21000F",
                                  "Player 2 échange BOUL. DE BELLEVILLE a Player 1",
                              }));
    EXPECT_EQ(P(0).money, 171000);
    EXPECT_EQ(P(1).money, 129000);

    frame.Clear();
    P(0).money = P(1).money = 150000;
    game.SwapProperties(26, 25);
    EXPECT_EQ(frame.log, (std::vector<std::string>{
                             "msg:Player 1 échange GARE DU NORD a Player 2",
                             "redraw",
                             "msg:Player 2 échange GARE DE LYON a Player 1",
                         }));

    frame.Clear();
    // Back from player 2 to player 1, who owes 21000 - 10000 (much poorer)
    // and has exactly that: it must have more.
    P(1).money = 150000;
    P(0).money = 11000;
    game.SwapProperties(24, 0);
    EXPECT_EQ(game.properties[24].owner, 1);
    EXPECT_EQ(P(0).money, 11000);
    EXPECT_TRUE(frame.log.empty());
}

// Every property is owned, by player 1, so that the random step is reached
// and no group can be completed; an attempt whose partner is the current
// player draws no more. What is left queued counts the draws.
TEST_F(ComputerTest, RandomExchangeAttemptsGrowWithThePlayerCount)
{
    struct Case {
        std::initializer_list<int> players;
        int gate;  // the first draw, which only games of four or more make
        size_t draws;
    };
    const Case cases[] = {
        {{1, 1}, 0, 0},
        {{1, 1, 1}, 0, 1},
        {{1, 1, 1, 1}, 2, 1},           // 2 % 6: no attempt
        {{1, 1, 1, 1}, 7, 2},           // 7 % 6 = 1: one attempt
        {{1, 1, 1, 1, 1}, 5, 3},        // 5 % 5 = 0: two attempts
        {{1, 1, 1, 1, 1, 1}, 1, 4},     // three attempts
        {{1, 1, 1, 1, 1, 1}, 6, 1},     // 6 % 4 = 2: none
    };
    for (const Case& c : cases) {
        Start(c.players);
        OwnAll(1);
        const int players = static_cast<int>(c.players.size());
        if (players > 3)
            random.values.push_back(c.gate);
        for (int i = 0; i < 8; ++i)
            random.values.push_back(0);  // the current player: no partner
        const size_t queued = random.values.size();
        game.ComputerTrades();
        EXPECT_EQ(queued - random.values.size(), c.draws) << players << " players";
    }
}

TEST_F(ComputerTest, RandomExchangeSwapsTwoLooseProperties)
{
    Start({1, 1, 1});
    OwnAll(2);
    Own(0, {24});
    Own(1, {25});
    random.values = {1, 24, 25};
    game.ComputerTrades();
    EXPECT_EQ(game.properties[24].owner, 1);
    EXPECT_EQ(game.properties[25].owner, 0);
    EXPECT_TRUE(random.values.empty());
}

TEST_F(ComputerTest, NoRandomExchangeWhileTheBankHoldsAProperty)
{
    Start({1, 1, 1});
    OwnAll(1);
    game.properties[27].owner = -1;
    random.values = {1, 24, 25};
    game.ComputerTrades();
    EXPECT_EQ(random.values.size(), 3u);
}

TEST_F(ComputerTest, PrisonDecisionsWatchTheDearStreets)
{
    Start({1, 0});
    P(0).money = 20000;
    game.properties[7].houses = 5;  // cheap streets do not count
    EXPECT_TRUE(game.ComputerPaysJail());
    EXPECT_TRUE(game.ComputerUsesJailCard());
    P(0).money = 19999;
    EXPECT_FALSE(game.ComputerPaysJail());
    P(0).money = 20000;
    game.properties[8].houses = 2;
    EXPECT_FALSE(game.ComputerPaysJail());
    EXPECT_TRUE(game.ComputerUsesJailCard());
    game.properties[21].houses = 3;
    EXPECT_FALSE(game.ComputerUsesJailCard());
}
