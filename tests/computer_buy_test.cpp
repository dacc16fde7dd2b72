#include <algorithm>

#include "game_fixture.h"

class ComputerBuyTest : public GameTest {
protected:
    void SetUp() override { Start({1, 0}); }
};

TEST_F(ComputerBuyTest, ShortOfMoneyAtTwentyThousandOrBelowTheRentsItFaces)
{
    P(0).money = 20000;
    EXPECT_TRUE(game.MoneyTight());
    P(0).money = 20001;
    EXPECT_FALSE(game.MoneyTight());

    // An opponent's hotel on its whole group's dearest street.
    P(0).money = 150000;
    Own(1, {20, 21});
    Build({20}, 5);
    Build({21}, 5);
    EXPECT_TRUE(game.MoneyTight()) << "200000 F of rent against 150000 F";
    P(0).money = 200000;
    EXPECT_FALSE(game.MoneyTight());

    // Its own buildings are no danger to it.
    P(0).money = 150000;
    Own(0, {20, 21});
    EXPECT_FALSE(game.MoneyTight());
}

TEST_F(ComputerBuyTest, WithMoneyToSpareItBuysWithoutAsking)
{
    Throw(2, 3);
    EXPECT_EQ(Deed(24).owner, 0);
    EXPECT_EQ(P(0).money, 130000);
    EXPECT_EQ(std::count(frame.log.begin(), frame.log.end(), "yesno"), 0);
    EXPECT_EQ(game.current, 1);
    Check();
}

TEST_F(ComputerBuyTest, ShortOfMoneyItBuysOnlyToCompleteOrToBlockAGroup)
{
    P(0).money = 20000;
    LandOn(5);
    EXPECT_TRUE(frame.Showed("Player 1 n'en veut pas"));
    EXPECT_EQ(Deed(24).owner, -1);

    Own(0, {0});
    LandOn(3);
    EXPECT_EQ(Deed(1).owner, 0) << "completes its own group";
    EXPECT_EQ(P(0).money, 14000);

    Own(1, {2, 3});
    LandOn(9);
    EXPECT_EQ(Deed(4).owner, 0) << "keeps player 2 from completing its group";
    EXPECT_EQ(P(0).money, 2000);
    Check();
}

TEST_F(ComputerBuyTest, WithoutTheCashItBuysByMortgageOnlyToCompleteAGroup)
{
    P(0).money = 4000;
    Own(0, {0, 24});
    LandOn(6);
    EXPECT_TRUE(frame.Showed("Player 1 n'en veut pas")) << "blocking is not enough here";
    Own(1, {2, 3});
    LandOn(9);
    EXPECT_EQ(Deed(4).owner, -1);

    LandOn(3);
    EXPECT_EQ(Deed(1).owner, 0);
    EXPECT_TRUE(frame.Showed("Hypothèque de GARE MONTPARNASSE pour 10000F."));
    EXPECT_EQ(P(0).money, 8000);
    Check();
}

TEST_F(ComputerBuyTest, TooPoorEvenByMortgageItIsRefused)
{
    P(0).money = 1000;
    Own(0, {0});
    LandOn(3);
    EXPECT_TRUE(frame.Showed("Vous n'avez pas assez d'argent pour acheter RUE LECOURBE"));
    EXPECT_EQ(Deed(1).owner, -1);
}
