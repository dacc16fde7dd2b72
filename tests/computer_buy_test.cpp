#include <algorithm>

#include "game_fixture.h"

// The danger is the rent of the last street of every whole group an
// opponent has built on: RUE DE LA PAIX with AV. DES CHAMPS-ELYSEES (player
// 2) and BOUL. DES CAPUCINES with its group (player 3), each with `houses`
// on every street; owner 0 holds them itself, -1 leaves them to the bank.
TEST_F(GameTest, ComputerIsShortOfMoneyAtTwentyThousandOrBelowTheRentsItFaces)
{
    const struct { int owner; int houses; int64_t money; bool tight; } cases[] = {
        {-1, 0, 20000, true},   {-1, 0, 20001, false},  {0, 5, 20001, false},   {1, 0, 20001, false},
        {1, 1, 34999, true},    {1, 1, 35000, false},   {1, 2, 104999, true},   {1, 2, 105000, false},
        {1, 3, 239999, true},   {1, 3, 240000, false},  {1, 4, 289999, true},   {1, 4, 290000, false},
        {1, 5, 339999, true},   {1, 5, 340000, false},
    };
    for (const auto& c : cases) {
        Start({1, 0, 0});
        P(0).money = c.money;
        if (c.owner >= 0) {
            Own(c.owner, {20, 21});
            Own(c.owner == 0 ? 0 : 2, {17, 18, 19});
        }
        Build({17, 18, 19, 20, 21}, c.houses);
        EXPECT_EQ(game.MoneyTight(), c.tight) << c.owner << " " << c.houses << " " << c.money;
    }
}

// With money to spare it buys without asking; short of money only to
// complete or to block a group; by mortgage only to complete one.
TEST_F(GameTest, ComputerBuysWhatItCanAffordOrWhatCompletesAGroup)
{
    const struct { int buyer; int64_t money; std::vector<int> owned, othersOwned; int square; bool bought;
                   int64_t moneyAfter; const char* shown; } cases[] = {
        {0, 150000, {}, {}, 5, true, 130000, ""},
        {0, 20000, {}, {}, 5, false, 20000, "Player 1 n'en veut pas"},
        {0, 20000, {0}, {}, 3, true, 14000, ""},
        {0, 20000, {}, {2, 3}, 9, true, 8000, ""},
        {1, 20000, {}, {2, 3}, 9, true, 8000, ""},  // blocking the first seat too
        {0, 4000, {0, 24}, {}, 6, false, 4000, "Player 1 n'en veut pas"},
        {0, 4000, {0, 24}, {2, 3}, 9, false, 4000, "Player 1 n'en veut pas"},
        {0, 4000, {0, 24}, {}, 3, true, 8000, "Hypothèque de GARE MONTPARNASSE pour 10000F."},
        {0, 1000, {0}, {}, 3, false, 1000, "Vous n'avez pas assez d'argent pour acheter RUE LECOURBE"},
    };
    for (const auto& c : cases) {
        Start({1, 1});
        game.current = c.buyer;
        P(c.buyer).money = c.money;
        Own(c.buyer, c.owned);
        Own(1 - c.buyer, c.othersOwned);
        LandOn(c.square);
        const int p = squareToProperty[c.square];
        EXPECT_EQ(Deed(p).owner, c.bought ? c.buyer : -1) << c.money << " on " << c.square;
        EXPECT_EQ(P(c.buyer).money, c.moneyAfter) << c.money << " on " << c.square;
        EXPECT_TRUE(!*c.shown || frame.Showed(c.shown)) << c.shown;
        EXPECT_EQ(std::count(frame.log.begin(), frame.log.end(), "yesno"), 0);
        Check();
    }
}
