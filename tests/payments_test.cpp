#include <algorithm>
#include <functional>

#include "game_fixture.h"

using PaymentTest = GameTest;

// The payer stands on a street whose deed stays hidden while money is
// raised: the board is redrawn for each sale and mortgage, no deed shown.
TEST_F(PaymentTest, CashFirstThenLooseMortgagesThenBuildingsThenTheGroup)
{
    Start({0, 0});
    P(0).square = 39;
    P(0).money = 1000;
    Own(0, {0, 1, 24});
    EXPECT_EQ(game.Pay(4000, kBank), 4000);
    EXPECT_EQ(frame.messages, Lines{"Hypothèque de GARE MONTPARNASSE pour 10000F."});
    EXPECT_EQ(P(0).money, 7000);
    EXPECT_EQ(Deed(0).mortgaged, 0) << "the group is untouched";
    EXPECT_EQ(Deed(1).mortgaged, 0);

    frame.Clear();
    EXPECT_EQ(game.Pay(10000, kBank), 10000);
    EXPECT_EQ(frame.messages, Lines{"Hypothèque de BOUL. DE BELLEVILLE pour 3000F."});
    EXPECT_EQ(P(0).money, 0);
    EXPECT_TRUE(frame.Entries("picture").empty());
    EXPECT_EQ(game.showSquare, 1) << "the next throw shows its square again";
    Check();

    // Loose properties go in the order of the deeds, the first one first.
    Own(1, {1});
    Deed(0).mortgaged = 0;
    Deed(24).mortgaged = 0;
    frame.Clear();
    EXPECT_EQ(game.Pay(1000, kBank), 1000);
    EXPECT_EQ(frame.messages, Lines{"Hypothèque de BOUL. DE BELLEVILLE pour 3000F."});

    // A bare whole group is mortgaged before another group's buildings go.
    Start({0, 0});
    P(0).money = 0;
    Own(0, {0, 1, 2, 3, 4});
    Build({2, 3, 4}, 1);
    EXPECT_EQ(game.Pay(3000, kBank), 3000);
    EXPECT_EQ(frame.messages, Lines{"Hypothèque de BOUL. DE BELLEVILLE pour 3000F."});

    // Buildings are sold one at a time, then the streets mortgaged.
    Start({0, 0});
    P(0).square = 39;
    P(0).money = 0;
    Own(0, {20, 21});
    Build({20, 21}, 5);
    EXPECT_EQ(game.Pay(115000, 1), 115000);
    Lines expected;
    for (const char* sale : {"Hotel retire de ", "Maison retirée de ", "Maison retirée de ", "Maison retirée de ",
                             "Maison retirée de "})
        for (const char* street : {"AV. DES CHAMPS-ELYSEES.", "RUE DE LA PAIX."})
            expected.push_back(std::string(sale) + street);
    expected.push_back("Hypothèque de AV. DES CHAMPS-ELYSEES pour 17500F.");
    EXPECT_EQ(frame.messages, expected);
    EXPECT_EQ(P(0).money, 2500);
    EXPECT_EQ(P(1).money, 150000) << "the caller credits";
    EXPECT_EQ(frame.buildings[37], 0);
    EXPECT_EQ(frame.buildings[39], 0);
    EXPECT_TRUE(frame.Entries("picture").empty());
    Check();

    // Nor when a sale is the last step.
    Start({0, 0});
    P(0).money = 0;
    Own(0, {20, 21});
    Build({20, 21}, 1);
    EXPECT_EQ(game.Pay(10000, kBank), 10000);
    EXPECT_EQ(frame.messages, Lines{"Maison retirée de AV. DES CHAMPS-ELYSEES."});
    EXPECT_EQ(game.showSquare, 1);
}

TEST_F(PaymentTest, ABankruptsEstateGoesToTheCreditorOrTheBankAndTheTableCloses)
{
    const auto broke = [this](int64_t cash) {
        P(0).money = cash;
        Own(0, {22});
        Deed(22).mortgaged = 1;
    };
    Start({0, 0, 0});
    broke(0);
    game.jailCardHolder[1] = 0;
    EXPECT_EQ(game.PayFrom(0, 2500, 1), 0);
    EXPECT_EQ(frame.messages, (Lines{"Player 1 doit 2.500 F à Player 2 et ne peut pas payer : faillite",
                                     "Votre propriete COMPAGNIE D'ELECTRICITE va a Player 2",
                                     "Player 2 prend toutes vos proprietes"}));
    EXPECT_EQ(frame.Entries("remove"), Lines{"0:3"});
    EXPECT_STREQ(P(0).name, "Player 2");
    // The deed is renumbered with its new owner, who takes it with its mortgage.
    EXPECT_EQ(game.playerCount, 2);
    EXPECT_EQ(Deed(22).owner, 0);
    EXPECT_EQ(Deed(22).mortgaged, 1);
    EXPECT_EQ(game.jailCardHolder[1], 0);
    EXPECT_EQ(game.playerEliminated, 1);
    EXPECT_EQ(game.gameOver, 0);
    Start({0, 0, 0});
    broke(1);
    game.PayFrom(0, 2500, 1);
    EXPECT_EQ(frame.messages.back(), "Player 2 prend toutes vos proprietes & 1F") << "the last franc named";

    // The bank takes back everything free of mortgage.
    Start({0, 0, 0});
    game.current = 1;
    P(1).square = 39;
    P(1).money = 2000;
    Own(1, {0, 1});
    Build({0, 1}, 1);
    game.jailCardHolder[0] = 1;
    game.jailCardHolder[1] = 2;
    // 2000 F in hand, two houses sold for 2500 each, two streets mortgaged
    // for 3000 each: 13000 F of the 20000.
    EXPECT_EQ(game.Pay(20000, kBank), 13000);
    for (int p : {0, 1}) {
        EXPECT_EQ(Deed(p).owner, kBank) << p;
        EXPECT_EQ(Deed(p).mortgaged, 0) << p;
        EXPECT_EQ(Deed(p).houses, 0) << p;
    }
    EXPECT_TRUE(frame.Showed("Votre propriete BOUL. DE BELLEVILLE va a la banque"));
    EXPECT_TRUE(frame.Showed("La banque prend toutes vos proprietes"));
    EXPECT_TRUE(frame.Entries("picture").empty());
    // The bankrupt's card goes back into its deck, the other's holder moves down one place, and
    // so does the turn, so that it passes to the player after.
    EXPECT_EQ(game.jailCardHolder[0], -1);
    EXPECT_EQ(game.jailCardHolder[1], 1);
    EXPECT_EQ(game.current, 0);
    EXPECT_STREQ(P(1).name, "Player 3");
    Check();

    // With two players the other wins and the game stops.
    Start({0, 0});
    broke(100);
    EXPECT_EQ(game.Pay(42000, 1, {"de loyer", 21}), 100);
    EXPECT_EQ(frame.messages, (Lines{"Player 1 doit 42.000 F de loyer à Player 2 (RUE DE LA PAIX) et ne peut pas payer : faillite",
                                     "Player 2 a gagne!!!"}));
    EXPECT_EQ(game.gameOver, 1);
    EXPECT_FALSE(game.EndedOnLimit()) << "a game with no limit ends on a bankruptcy";
    EXPECT_EQ(game.playerCount, 2);
    EXPECT_EQ(Deed(22).owner, 0) << "nothing is handed over";
    EXPECT_EQ(P(0).money, 0) << "the bankrupt keeps no cash";
    EXPECT_EQ(game.current, 1) << "the panel marks the winner";
    Check();
    frame.Clear();
    Throw(1, 2);
    EXPECT_TRUE(frame.log.empty());

    // The table is compacted during a game: every record gets back the set-up of
    // its own seat, not that of the slot it moved into.
    Start({0, 1, 0, 1});
    std::snprintf(game.setupPlayers[2].name, kNameSize, "Zoe");
    game.PayFrom(1, 200000, kBank);
    EXPECT_STREQ(P(1).name, "Player 3");
    std::snprintf(P(1).name, kNameSize, "changed");
    P(1).computer = 1;
    P(1).level = kLevelStrong;
    P(1).color = 5;
    game.RestoreSetupPlayers();
    EXPECT_STREQ(P(0).name, "Player 1");
    EXPECT_STREQ(P(1).name, "Zoe");
    EXPECT_STREQ(P(2).name, "Player 4");
    EXPECT_EQ(P(1).computer, 0);
    EXPECT_EQ(P(1).seat, 2);
    EXPECT_EQ(P(1).level, game.setupPlayers[2].level);
    EXPECT_EQ(P(1).color, game.setupPlayers[2].color);
    EXPECT_EQ(P(2).computer, 1);
}

// A game that no one can lose goes on paying "DEPART" every lap, so cash
// grows without end; it must stay whole past 2^31 and past 2^32 F, and the
// rules that compare sums must still read it right.
TEST_F(PaymentTest, FortunesBeyondTwoBillionStayWhole)
{
    constexpr int64_t kRich = 3000000000;
    // What is played, and the first player's cash afterwards.
    const struct { const char* what; std::function<void()> play; int64_t expected; } cases[] = {
        {"passing DEPART", [this] { game.AdvanceOneSquare(0); }, kRich + 20000},
        {"receiving rent",
         [this] {
             game.current = 1;
             LandOn(1);
         },
         kRich + 200},
        {"paying rent",
         [this] {
             Own(1, {1});
             LandOn(3);
         },
         kRich - 400},
    };
    for (const auto& c : cases) {
        Start({0, 0});
        P(0).money = kRich;
        P(0).square = kSquareCount - 1;
        Own(0, {0});
        c.play();
        EXPECT_EQ(P(0).money, c.expected) << c.what;
        Check();
    }

    Start({1, 1});
    P(0).money = kRich;
    Own(0, {24});
    Own(1, {25});
    EXPECT_EQ(game.TradeValue(24, 25), -10000) << "the richer side pays more";
    P(0).money = int64_t{1} << 32;
    EXPECT_FALSE(game.MoneyTight());
}
