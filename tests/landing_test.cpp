#include <algorithm>

#include "game_fixture.h"

class LandingTest : public GameTest {
protected:
    void SetUp() override { Start({0, 0, 0}); }

    // Player 0 stops on a square owned by player 1 and pays; the rent paid.
    int32_t RentOn(int square)
    {
        P(0).money = 150000;
        P(1).money = 150000;
        game.current = 0;
        LandOn(square);
        Check();
        EXPECT_EQ(P(1).money - 150000, 150000 - P(0).money) << "the owner gets what is paid";
        return 150000 - P(0).money;
    }
};

TEST_F(LandingTest, StreetRentDoublesOnAWholeGroupAndFollowsTheBuildings)
{
    Own(1, {1});
    EXPECT_EQ(RentOn(3), 400);
    EXPECT_TRUE(frame.Showed("Player 1 paye 400F a Player 2."));
    Own(1, {0});
    EXPECT_EQ(RentOn(3), 800);
    Build(0, 2);
    Build(1, 2);
    EXPECT_EQ(RentOn(3), 6000);
    Build(0, 5);
    Build(1, 5);
    EXPECT_EQ(RentOn(3), 45000);
    EXPECT_EQ(RentOn(1), 25000);
}

TEST_F(LandingTest, StationRentDoublesWithEveryStationOfTheOwner)
{
    Own(1, {26});
    EXPECT_EQ(RentOn(25), 2500);
    Own(1, {24, 27});
    EXPECT_EQ(RentOn(25), 10000);
    Own(1, {25});
    EXPECT_EQ(RentOn(25), 20000);
    Own(2, {25});
    EXPECT_EQ(RentOn(25), 10000) << "the station of another player does not count";
}

TEST_F(LandingTest, UtilityRentFollowsTheLastThrow)
{
    game.moveSteps = 7;
    Own(1, {22});
    EXPECT_EQ(RentOn(12), 2800);
    Own(1, {23});
    EXPECT_EQ(RentOn(12), 7000);
    EXPECT_EQ(RentOn(28), 7000);
}

TEST_F(LandingTest, MortgagedPropertiesChargeNothing)
{
    Own(1, {0, 1, 24});
    Deed(1).mortgaged = 1;
    Deed(24).mortgaged = 1;
    EXPECT_EQ(RentOn(3), 0);
    EXPECT_EQ(RentOn(5), 0);
    EXPECT_TRUE(frame.messages.empty());
    EXPECT_EQ(RentOn(1), 400) << "the unmortgaged street of the whole group still doubles";
}

TEST_F(LandingTest, OwnPropertyWelcomesHome)
{
    Own(0, {1});
    EXPECT_EQ(RentOn(3), 0);
    EXPECT_TRUE(frame.Showed("Bienvenue a la maison !"));
}

// The payer's bankruptcy compacts the table: the owner, who sat after the
// payer, is credited at its new index, never at its old one.
TEST_F(LandingTest, RentFromABankruptGoesToTheOwnerAtItsNewIndex)
{
    Own(2, {24});
    P(0).money = 1000;
    Throw(2, 3);
    EXPECT_TRUE(frame.Showed("Player 3 prend toutes vos proprietes & 1000F"));
    EXPECT_FALSE(frame.Showed("Player 1 paye 2500F a Player 3."));
    EXPECT_EQ(game.playerCount, 2);
    EXPECT_STREQ(P(1).name, "Player 3");
    EXPECT_EQ(P(1).money, 151000);
    EXPECT_EQ(Deed(24).owner, 1);
    EXPECT_EQ(game.current, 0) << "the turn passes to the player after the bankrupt";
    EXPECT_STREQ(P(0).name, "Player 2");
    Check();
}

TEST_F(LandingTest, TaxesFeedThePotThatTheNextVisitorTakes)
{
    Throw(1, 3);
    EXPECT_TRUE(frame.Showed("Player 1 paye 20000F pour le Parc Gratuit."));
    P(1).square = 33;
    Throw(2, 3);
    EXPECT_TRUE(frame.Showed("Player 2 paye 7500 pour le Parc Gratuit"));
    EXPECT_EQ(P(0).money, 130000);
    EXPECT_EQ(P(1).money, 142500);
    EXPECT_EQ(game.parkingPot, 27500);
    Check();

    P(2).square = 14;
    Throw(2, 4);
    EXPECT_TRUE(frame.Showed("Player 3 recoit 27500F du Parc Gratuit!"));
    EXPECT_EQ(P(2).money, 177500);
    EXPECT_EQ(game.parkingPot, 0);

    frame.Clear();
    P(0).square = 14;
    Throw(2, 4);
    EXPECT_TRUE(frame.messages.empty()) << "an empty pot gives nothing";
    EXPECT_EQ(P(0).money, 130000);
    Check();
}

TEST_F(LandingTest, ATaxThatBankruptsFeedsNoPot)
{
    P(0).money = 5000;
    Throw(1, 3);
    EXPECT_TRUE(frame.Showed("La banque prend toutes vos proprietes"));
    EXPECT_EQ(game.playerCount, 2);
    EXPECT_EQ(game.parkingPot, 0);
    Check();
}

TEST_F(LandingTest, SquareThirtySendsToPrisonAndEndsADouble)
{
    P(0).square = 28;
    Throw(1, 1);
    EXPECT_TRUE(frame.Showed("Allez en Prison!"));
    EXPECT_EQ(P(0).square, 10);
    EXPECT_EQ(P(0).jail, 1);
    EXPECT_EQ(P(0).money, 150000);
    EXPECT_EQ(frame.Entries("move").back(), "0:10:1.0");
    EXPECT_EQ(game.current, 1);
    Check();
}

TEST_F(LandingTest, AnsweredPurchaseBuysARefusedOneStaysWithTheBank)
{
    const std::string question = "Acheter GARE MONTPARNASSE pour 20000F ?";
    Throw(2, 3);
    // Shown (and held) once, then put with OUI NON at every tick it waits.
    EXPECT_EQ(std::count(frame.messages.begin(), frame.messages.end(), question), 2);
    EXPECT_EQ(game.inputMode, kYesNo);
    Check();
    frame.Release();
    frame.Clear();
    Tick();
    EXPECT_EQ(frame.messages, std::vector<std::string>{question});
    EXPECT_EQ(game.inputMode, kYesNo) << "no answer yet";
    Tick('y');
    EXPECT_EQ(Deed(24).owner, 0);
    EXPECT_EQ(P(0).money, 130000);
    EXPECT_EQ(game.current, 1);

    Throw(1, 2);
    EXPECT_TRUE(frame.Showed("Acheter RUE LECOURBE pour 6000F ?"));
    Tick('n');
    EXPECT_EQ(Deed(1).owner, -1);
    EXPECT_EQ(P(1).money, 150000);
    EXPECT_EQ(game.current, 2);
    Check();
}

TEST_F(LandingTest, AShortBuyerIsOfferedAMortgageOnlyWhenItCouldRaiseThePrice)
{
    P(0).money = 4000;
    Own(0, {24});
    Deed(24).mortgaged = 1;
    LandOn(1);
    EXPECT_TRUE(frame.Showed("Vous n'avez pas assez d'argent pour acheter BOUL. DE BELLEVILLE"));
    EXPECT_EQ(std::count(frame.log.begin(), frame.log.end(), "yesno"), 0);
    EXPECT_EQ(game.inputMode, kNoInput);

    // Worth exactly the price once everything is mortgaged is enough.
    P(0).money = 3000;
    Own(0, {1});
    LandOn(1);
    EXPECT_TRUE(frame.Showed("Voulez vous hypothequer pour acheter BOUL. DE BELLEVILLE pour 6000F ?"));
    game.answer = 'n';
    LandOn(1);
    Own(-1, {1});
    P(0).money = 4000;
    frame.Clear();

    Deed(24).mortgaged = 0;
    LandOn(1);
    EXPECT_TRUE(frame.Showed("Voulez vous hypothequer pour acheter BOUL. DE BELLEVILLE pour 6000F ?"));
    EXPECT_EQ(game.inputMode, kYesNo);
    game.answer = 'y';
    LandOn(1);
    EXPECT_TRUE(frame.Showed("Hypothèque de GARE MONTPARNASSE pour 10000F."));
    EXPECT_EQ(Deed(0).owner, 0);
    EXPECT_EQ(P(0).money, 8000);
    Check();
}
