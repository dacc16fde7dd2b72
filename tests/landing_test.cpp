#include "game_fixture.h"

class LandingTest : public GameTest {
protected:
    void SetUp() override { Start({0, 0, 0}); }

    // Player 1, rich enough for any rent, stops on property p, player 2's,
    // after a throw of 7, and pays the rent.
    void StopOn(int p, int32_t rent)
    {
        P(0).money = 1000000;
        game.moveSteps = 7;
        LandOn(propertySquare[p]);
        EXPECT_EQ(P(0).money, 1000000 - rent);
        EXPECT_EQ(P(1).money, kStartMoney + rent);
        const Lines said = {"Player 1 paye " + std::to_string(rent) + "F a Player 2."};
        EXPECT_EQ(frame.messages, rent != 0 ? said : Lines{});
        Check();
    }
};

// Every street's rent, for every number of buildings, from the deed: bare
// land asks double of a player who holds the whole group.
TEST_F(LandingTest, EveryStreetAsksItsDeedsRentFromBareLandToAHotel)
{
    for (int p = 0; p < kStreetCount; ++p) {
        const Property& deed = deedTable[p];
        SCOPED_TRACE(deed.name);
        Start({0, 0, 0});
        Own(1, {p});
        StopOn(p, deed.rent[0]);
        for (int houses = 0; houses <= 5; ++houses) {
            SCOPED_TRACE(std::to_string(houses) + " buildings in the whole group");
            Start({0, 0, 0});
            for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q) {
                Own(1, {q});
                Build({q}, houses);
            }
            StopOn(p, houses == 0 ? 2 * deed.rent[0] : deed.rent[houses]);
        }
    }
}

// Stations by how many the owner holds, utilities by the throw and whether
// one owner holds both; a mortgaged property asks nothing. Player 3 may own
// some of the rest.
TEST_F(LandingTest, StationsUtilitiesAndMortgagesFollowTheirOwners)
{
    const struct {
        std::vector<int> owned, othersOwned, mortgaged;
        int property, rent;
    } cases[] = {
        {{24}, {}, {}, 24, 2500},
        {{24, 25}, {}, {}, 25, 5000},
        {{24, 25, 27}, {}, {}, 24, 10000},
        {{24, 25, 26, 27}, {}, {}, 27, 20000},
        {{24, 26, 27}, {25}, {}, 26, 10000},
        {{24, 25}, {}, {25}, 24, 5000},
        {{22}, {}, {}, 22, 2800},
        {{23}, {22}, {}, 23, 2800},
        {{22, 23}, {}, {}, 22, 7000},
        {{22, 23}, {}, {}, 23, 7000},
        {{0, 1, 24}, {}, {1, 24}, 1, 0},
        {{0, 1, 24}, {}, {1, 24}, 24, 0},
        {{0, 1, 24}, {}, {1, 24}, 0, 400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.owned) + " on " + std::to_string(c.property));
        Start({0, 0, 0});
        Own(1, c.owned);
        Own(2, c.othersOwned);
        Mortgage(c.mortgaged);
        StopOn(c.property, c.rent);
    }
    Start({0, 0, 0});
    Own(0, {1});
    LandOn(3);
    EXPECT_EQ(P(0).money, 150000);
    EXPECT_EQ(frame.messages, Lines{"Bienvenue a la maison !"});

    // The payer's bankruptcy compacts the table: the owner, who sat after the
    // payer, is credited at its new index, never at its old one.
    Start({0, 0, 0});
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

TEST_F(LandingTest, TaxesFeedThePotThatTheNextVisitorTakesAndSquareThirtyJails)
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

    // A tax that bankrupts feeds no pot.
    P(1).money = 5000;
    P(1).square = 0;
    Throw(1, 3);
    EXPECT_TRUE(frame.Showed("La banque prend toutes vos proprietes"));
    EXPECT_EQ(game.playerCount, 2);
    EXPECT_EQ(game.parkingPot, 0);
    Check();

    // Square thirty sends to prison and ends a double.
    Start({0, 0, 0});
    P(0).square = 28;
    Throw(1, 1);
    EXPECT_TRUE(frame.Showed("Allez en Prison!"));
    EXPECT_EQ(P(0).square, 10);
    EXPECT_EQ(P(0).jail, 1);
    EXPECT_EQ(P(0).money, 150000);
    EXPECT_EQ(game.current, 1);
    EXPECT_EQ(frame.Entries("move").back(), "0:10:1.0");
    Check();

    Start({0, 0, 0});
    game.parkingPot = 1;
    LandOn(20);
    EXPECT_EQ(P(0).money, 150001) << "a pot pays however little it holds";
}

TEST_F(LandingTest, AnsweredPurchaseBuysAndAShortBuyerMayMortgageToBuy)
{
    const std::string question = "Acheter GARE MONTPARNASSE pour 20000F ?";
    Throw(2, 3);
    // Shown (and held) once, then put with OUI NON at every tick it waits.
    EXPECT_EQ(std::count(frame.messages.begin(), frame.messages.end(), question), 2);
    Check();
    frame.Clear();
    Tick();
    EXPECT_EQ(frame.messages, Lines{question});
    EXPECT_EQ(game.inputMode, kYesNo) << "no answer yet";
    Tick('y');
    EXPECT_EQ(Deed(24).owner, 0);
    EXPECT_EQ(P(0).money, 130000);
    EXPECT_EQ(game.current, 1);
    Check();

    // A short buyer is offered a mortgage only when it could raise the price.
    Start({0, 0, 0});
    const char kAsk[] = "Voulez vous hypothequer pour acheter BOUL. DE BELLEVILLE pour 6000F ?";
    P(0).money = 6000;
    LandOn(1);
    EXPECT_TRUE(frame.Showed("Acheter BOUL. DE BELLEVILLE pour 6000F ?")) << "the exact price";
    const auto refuse = [this] {
        game.answer = 'n';
        LandOn(1);
    };
    refuse();
    frame.Clear();
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
    EXPECT_TRUE(frame.Showed(kAsk));
    refuse();
    Own(-1, {1});
    P(0).money = 4000;
    frame.Clear();

    Deed(24).mortgaged = 0;
    LandOn(1);
    EXPECT_TRUE(frame.Showed(kAsk));
    EXPECT_EQ(game.inputMode, kYesNo);
    game.answer = 'y';
    LandOn(1);
    EXPECT_TRUE(frame.Showed("Hypothèque de GARE MONTPARNASSE pour 10000F."));
    EXPECT_EQ(Deed(0).owner, 0);
    EXPECT_EQ(P(0).money, 8000);
    Check();
}
