#include <numeric>

#include "game_fixture.h"

class ComputerTest : public GameTest {
protected:
    void OwnAll(int player)
    {
        for (Property& property : game.properties)
            property.owner = player;
    }
};

// The value to A of giving `a` for B's `b`: the prices, every whole group
// (10000 each, against A's side or for B's), the cash and the mortgages.
TEST_F(ComputerTest, TradeValueCountsGroupsCashPricesAndMortgages)
{
    const std::vector<int> firstFour = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::vector<int> everyStreet(kStreetCount);
    std::iota(everyStreet.begin(), everyStreet.end(), 0);
    const struct { std::vector<int> ownedByA, ownedByB; int a, b; int64_t moneyOfB; std::vector<int> mortgaged;
                   int expected; } cases[] = {
        {{0}, {2}, 0, 2, 150000, {}, 9000 - 15000}, {{0}, {2}, 2, 0, 150000, {}, 6000},
        // A's group 2..4 is counted at 2, the scan jumps to 5 and counts B's.
        {{2, 3, 4}, {5, 6, 7}, 24, 25, 150000, {}, 0},
        {{2, 3, 4}, {5, 6}, 24, 25, 150000, {}, -10000},
        {{2, 3, 4}, {5, 6}, 24, 25, 99999, {}, -20000},  // A richer by more than 50000
        {{2, 3, 4}, {5, 6}, 24, 25, 100000, {}, -10000},  // but not by exactly 50000
        {{2, 3, 4}, {5, 6}, 24, 25, 150500, {}, -10000},  // B richer by 500
        {{2, 3, 4}, {5, 6}, 24, 25, 150501, {}, 0}, {{2, 3, 4}, {5, 6}, 24, 25, 150501, {25}, 11000},
        {{2, 3, 4}, {5, 6}, 24, 25, 150501, {24, 25}, 0},
        {firstFour, {}, 24, 25, 150000, {}, -40000}, {{}, firstFour, 24, 25, 150000, {}, 40000},
        {everyStreet, {}, 24, 25, 150000, {}, -80000},
        {{0, 1, 5, 6, 7}, {2, 3, 4, 8, 9, 10}, 24, 25, 150000, {}, 0},
        {{0, 1, 11, 12, 13, 20, 21}, {14, 15, 16}, 24, 25, 150000, {}, -20000},
        {{3, 4, 6, 7, 9, 10}, {}, 24, 25, 150000, {}, 0},
    };
    for (const auto& c : cases) {
        Start({1, 1});
        Own(0, {24});
        Own(1, {25});
        Own(0, c.ownedByA);
        Own(1, c.ownedByB);
        Mortgage(c.mortgaged);
        P(1).money = c.moneyOfB;
        EXPECT_EQ(game.TradeValue(c.a, c.b), c.expected)
            << ::testing::PrintToString(c.ownedByA) << " against "
            << ::testing::PrintToString(c.ownedByB) << ", " << c.moneyOfB;
    }
}

TEST_F(ComputerTest, LiftsAMortgageOnlyWithMoreThan10000LeftOverBeforeTheDice)
{
    Start({1, 0});
    Own(0, {4});  // mortgage value 6000, lifted for 6600
    for (auto [money, after] : {std::pair{16000, 16000}, {16600, 16600}, {30000, 23400}}) {
        Deed(4).mortgaged = 1;
        P(0).money = money;
        game.ComputerTurnStart();
        EXPECT_EQ(P(0).money, after) << money;
        EXPECT_EQ(Deed(4).mortgaged, money == after) << money;
    }
    EXPECT_TRUE(frame.Showed("Player 1 lève l'hypothèque sur AV. DE LA REPUBLIQUE."));

    // A turn makes these decisions first, then throws the dice.
    frame.Clear();
    Deed(4).mortgaged = 1;
    P(0).square = 6;
    random.QueueDice(1, 2);
    Tick();
    EXPECT_EQ(frame.log.front(), "picture:6") << "the square it stands on first";
    const auto lift = std::find(frame.log.begin(), frame.log.end(),
                                "msg:Player 1 lève l'hypothèque sur AV. DE LA REPUBLIQUE.");
    const auto dice = std::find(frame.log.begin(), frame.log.end(), "dice:1:2");
    EXPECT_LT(lift, dice);
    EXPECT_NE(dice, frame.log.end());
}

TEST_F(ComputerTest, BuildsEvenlyUntilHotelsOrShortOfCash)
{
    Start({1, 0});
    Own(0, {0, 1});
    P(0).square = 6;
    game.ComputerTurnStart();
    EXPECT_TRUE(frame.Entries("picture").empty()) << "no picture for each building";
    EXPECT_EQ(Deed(0).houses, 5);
    EXPECT_EQ(Deed(1).houses, 5);
    EXPECT_EQ(frame.buildings[1], 5);
    EXPECT_EQ(frame.buildings[3], 5);
    EXPECT_EQ(P(0).money, 100000);
    const auto& said = frame.messages;
    EXPECT_EQ(std::count(said.begin(), said.end(), "Player 1 construit une maison sur BOUL. DE BELLEVILLE."), 4);
    EXPECT_EQ(std::count(said.begin(), said.end(), "Player 1 construit un hôtel sur RUE LECOURBE."), 1);
    Check();
    frame.Clear();
    random.QueueDice(1, 2);
    Tick();
    EXPECT_EQ(frame.log.front(), "picture:6") << "a turn that builds throws as any other";

    Start({1, 0});
    Own(0, {0, 1, 2, 3, 4});
    P(0).money = 10000;
    Deed(3).mortgaged = 1;
    game.ComputerTurnStart();
    EXPECT_EQ(Deed(0).houses, 1);
    EXPECT_EQ(Deed(1).houses, 1);
    EXPECT_EQ(Deed(2).houses, 0) << "no house beside a mortgaged street";
    EXPECT_EQ(P(0).money, 0);
}

TEST_F(ComputerTest, SwapsCompleteGroupsAreAnnouncedAndRefusedWhenEitherSideCannotPay)
{
    Start({1, 1});
    Own(0, {0, 2});
    Own(1, {1, 3, 4});
    game.ComputerTrades();
    EXPECT_EQ(Deed(1).owner, 0);
    EXPECT_EQ(Deed(2).owner, 1);
    // The owner of RUE LECOURBE pays the difference of the prices.
    EXPECT_EQ(P(0).money, 156000);
    EXPECT_EQ(P(1).money, 144000);
    Check();
    EXPECT_EQ(frame.messages, (Lines{"Player 2 échange RUE LECOURBE a Player 1",
                                     "Player 1 échange RUE DE VAUGIRARD a Player 2 pour 6000F"}));

    Start({1, 1});  // the same exchange, asked by the second seat of the first
    game.current = 1;
    Own(1, {0, 2});
    Own(0, {1, 3, 4});
    game.ComputerTrades();
    EXPECT_EQ(Deed(1).owner, 1);
    EXPECT_EQ(Deed(2).owner, 0);

    Start({1, 1});
    Own(0, {24, 26});
    Own(1, {0, 25});
    game.SwapProperties(24, 0);
    EXPECT_EQ(Deed(24).owner, 1);
    EXPECT_EQ(frame.messages, (Lines{"Player 1 échange GARE MONTPARNASSE a Player 2 pour 21000F",
                                     "Player 2 échange BOUL. DE BELLEVILLE a Player 1"}));
    EXPECT_EQ(P(0).money, 171000);
    EXPECT_EQ(P(1).money, 129000);

    frame.Clear();
    P(0).money = 150000;
    P(1).money = 150000;
    game.SwapProperties(26, 25);
    EXPECT_EQ(frame.log, (Lines{"msg:Player 1 échange GARE DU NORD a Player 2", "redraw",
                                "msg:Player 2 échange GARE DE LYON a Player 1"}));

    frame.Clear();
    // Back from player 2 to player 1, who owes 21000 - 10000 (much poorer)
    // and has exactly that: it must have more.
    P(0).money = 11000;
    game.SwapProperties(24, 0);
    EXPECT_EQ(Deed(24).owner, 1);
    EXPECT_EQ(P(0).money, 11000);
    EXPECT_TRUE(frame.log.empty());
}

// The first pair, in the order of the deeds, that completes a group on each
// side, traded with a computer only: player 1 plays, player 2 is the other.
// The bank keeps the rest, so that no random exchange follows.
TEST_F(ComputerTest, AnExchangeCompletingAGroupOnEachSideIsTheFirstFound)
{
    const struct {
        std::vector<int> mine, others;
        bool otherComputer;
        std::vector<int> mineAfter;
    } cases[] = {
        {{0, 2, 3}, {1, 4}, true, {2, 3, 4}},
        {{0, 2, 3}, {1, 4}, false, {0, 2, 3}},
        {{0, 2}, {1, 3, 4}, true, {0, 1}},
        {{1, 4}, {0, 2, 3}, true, {0, 1}},
        {{0, 5, 6}, {1, 7, 2, 3}, true, {5, 6, 7}},
        {{0}, {1}, true, {0}},
        {{2, 3}, {1}, true, {2, 3}},
        {{0, 1, 2, 3, 4}, {}, true, {0, 1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.mine) + " against " + ::testing::PrintToString(c.others));
        Start({1, c.otherComputer});
        Own(0, c.mine);
        Own(1, c.others);
        game.ComputerTrades();
        std::vector<int> mineAfter;
        for (int p = 0; p < kPropertyCount; ++p)
            if (Deed(p).owner == 0)
                mineAfter.push_back(p);
        EXPECT_EQ(mineAfter, c.mineAfter);
        EXPECT_EQ(frame.messages.empty(), c.mine == c.mineAfter);
    }
}

// Every property is owned, by player 1, so that the random step is reached
// and no group can be completed; an attempt whose partner is the current
// player draws no more. What is left queued counts the draws.
TEST_F(ComputerTest, RandomExchangeAttemptsGrowWithThePlayerCount)
{
    // The gate is the first draw, which only games of four or more make: 2 % 6
    // makes no attempt, 7 % 6 = 1 one, 5 % 5 = 0 two, 1 three, 6 % 4 = 2 none.
    const struct { int players, gate; size_t draws; } cases[] = {
        {2, 0, 0}, {3, 0, 1}, {4, 2, 1}, {4, 7, 2}, {5, 5, 3}, {6, 1, 4}, {6, 6, 1},
    };
    for (const auto& c : cases) {
        Start(std::vector<int>(c.players, 1));
        OwnAll(1);
        if (c.players > 3)
            random.values.push_back(c.gate);
        random.values.resize(random.values.size() + 8, 0);  // the current player: no partner
        const size_t queued = random.values.size();
        game.ComputerTrades();
        EXPECT_EQ(queued - random.values.size(), c.draws) << c.players << " players";
    }
}

TEST_F(ComputerTest, RandomExchangeSwapsTwoLoosePropertiesOnceTheBankHoldsNone)
{
    Start({1, 1, 1});
    OwnAll(1);
    Deed(27).owner = -1;
    random.values = {1, 24, 25};
    game.ComputerTrades();
    EXPECT_EQ(random.values.size(), 3u);

    OwnAll(2);
    Own(0, {24});
    Own(1, {25});
    game.ComputerTrades();
    EXPECT_EQ(Deed(24).owner, 1);
    EXPECT_EQ(Deed(25).owner, 0);
    EXPECT_TRUE(random.values.empty());

    Start({1, 0, 1});  // the same draws, but a human is never swapped with unasked
    OwnAll(2);
    Own(0, {24});
    Own(1, {25});
    random.values = {1, 24, 25};
    game.ComputerTrades();
    EXPECT_EQ(Deed(24).owner, 0);
    EXPECT_EQ(Deed(25).owner, 1);
}

TEST_F(ComputerTest, PrisonDecisionsWatchTheDearStreets)
{
    Start({1, 0});
    P(0).money = 20000;
    Deed(7).houses = 5;  // cheap streets do not count
    EXPECT_TRUE(game.ComputerPaysJail());
    EXPECT_TRUE(game.ComputerUsesJailCard());
    P(0).money = 19999;
    EXPECT_FALSE(game.ComputerPaysJail());
    P(0).money = 20000;
    Deed(8).houses = 2;
    EXPECT_FALSE(game.ComputerPaysJail());
    EXPECT_TRUE(game.ComputerUsesJailCard());
    Deed(21).houses = 3;
    EXPECT_FALSE(game.ComputerUsesJailCard());
}
