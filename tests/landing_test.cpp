#include <tuple>

#include "game_fixture.h"

class LandingTest : public GameTest {
protected:
    void SetUp() override { Start({0, 0, 0}); }
};

// Player 1 stops on a square of player 2's after a throw of 7; player 3 may
// own some of the rest.
TEST_F(LandingTest, RentFollowsGroupsBuildingsStationsThrowsMortgagesAndBankruptcies)
{
    const struct {
        std::vector<int> owned, othersOwned, mortgaged;
        int houses, square, rent;  // the houses stand on every street owned
    } cases[] = {
        {{1}, {}, {}, 0, 3, 400}, {{0, 1}, {}, {}, 0, 3, 800}, {{0, 1}, {}, {}, 2, 3, 6000},
        {{0, 1}, {}, {}, 5, 3, 45000}, {{0, 1}, {}, {}, 5, 1, 25000}, {{26}, {}, {}, 0, 25, 2500},
        {{24, 26, 27}, {}, {}, 0, 25, 10000}, {{24, 25, 26, 27}, {}, {}, 0, 25, 20000},
        {{24, 26, 27}, {25}, {}, 0, 25, 10000}, {{22}, {}, {}, 0, 12, 2800},
        {{22, 23}, {}, {}, 0, 12, 7000}, {{22, 23}, {}, {}, 0, 28, 7000},
        {{0, 1, 24}, {}, {1, 24}, 0, 3, 0}, {{0, 1, 24}, {}, {1, 24}, 0, 5, 0},
        {{0, 1, 24}, {}, {1, 24}, 0, 1, 400},
    };
    for (const auto& c : cases) {
        Start({0, 0, 0});
        game.moveSteps = 7;
        for (int p : c.owned) {
            Own(1, {p});
            Build({p}, c.houses);
        }
        for (int p : c.othersOwned)
            Own(2, {p});
        for (int p : c.mortgaged)
            Deed(p).mortgaged = 1;
        LandOn(c.square);
        SCOPED_TRACE(::testing::PrintToString(c.owned) + " on " + std::to_string(c.square));
        EXPECT_EQ(std::tie(P(0).money, P(1).money), std::make_tuple(150000 - c.rent, 150000 + c.rent));
        const Lines said = {"Player 1 paye " + std::to_string(c.rent) + "F a Player 2."};
        EXPECT_EQ(frame.messages, c.rent ? said : Lines{});
        Check();
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
    EXPECT_STREQ(P(1).name, "Player 3");
    EXPECT_EQ(std::tie(game.playerCount, P(1).money, Deed(24).owner), std::make_tuple(2, 151000, 1));
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
    EXPECT_EQ(std::make_tuple(P(0).money + P(1).money, game.parkingPot),
              std::make_tuple(130000 + 142500, 27500));
    Check();

    P(2).square = 14;
    Throw(2, 4);
    EXPECT_TRUE(frame.Showed("Player 3 recoit 27500F du Parc Gratuit!"));
    EXPECT_EQ(std::tie(P(2).money, game.parkingPot), std::make_tuple(177500, 0));
    frame.Clear();
    P(0).square = 14;
    Throw(2, 4);
    EXPECT_TRUE(frame.messages.empty()) << "an empty pot gives nothing";
    EXPECT_EQ(P(0).money, 130000);

    // A tax that bankrupts feeds no pot.
    std::tie(P(1).money, P(1).square) = std::make_tuple(5000, 0);
    Throw(1, 3);
    EXPECT_TRUE(frame.Showed("La banque prend toutes vos proprietes"));
    EXPECT_EQ(std::tie(game.playerCount, game.parkingPot), std::make_tuple(2, 0));
    Check();

    // Square thirty sends to prison and ends a double.
    Start({0, 0, 0});
    P(0).square = 28;
    Throw(1, 1);
    EXPECT_TRUE(frame.Showed("Allez en Prison!"));
    EXPECT_EQ(std::tie(P(0).square, P(0).jail, P(0).money, game.current),
              std::make_tuple(10, 1, 150000, 1));
    EXPECT_EQ(frame.Entries("move").back(), "0:10:1.0");
    Check();
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
    EXPECT_EQ(std::tie(Deed(24).owner, P(0).money, game.current), std::make_tuple(0, 130000, 1));
    Check();

    // A short buyer is offered a mortgage only when it could raise the price.
    Start({0, 0, 0});
    const char kAsk[] = "Voulez vous hypothequer pour acheter BOUL. DE BELLEVILLE pour 6000F ?";
    P(0).money = 6000;
    LandOn(1);
    EXPECT_TRUE(frame.Showed("Acheter BOUL. DE BELLEVILLE pour 6000F ?")) << "the exact price";
    const auto refuse = [this] { game.answer = 'n'; LandOn(1); };
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
    EXPECT_EQ(std::tie(Deed(0).owner, P(0).money), std::make_tuple(0, 8000));
    Check();
}
