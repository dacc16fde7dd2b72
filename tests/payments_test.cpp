#include <algorithm>
#include <functional>

#include "game_fixture.h"

using PaymentTest = GameTest;

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
