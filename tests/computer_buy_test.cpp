#include <algorithm>

#include "game_fixture.h"

// Hotels on the dearest group, whose dearer street asks 200000 F, are a danger
// when an opponent's (-1: none built), never when its own.
TEST_F(GameTest, ComputerIsShortOfMoneyAtTwentyThousandOrBelowTheRentsItFaces)
{
    const struct { int hotelsOwner; int64_t money; bool tight; } cases[] = {
        {-1, 20000, true}, {-1, 20001, false}, {1, 150000, true}, {1, 200000, false}, {0, 150000, false},
    };
    for (const auto& c : cases) {
        Start({1, 0});
        P(0).money = c.money;
        if (c.hotelsOwner >= 0) {
            Own(c.hotelsOwner, {20, 21});
            Build({20, 21}, 5);
        }
        EXPECT_EQ(game.MoneyTight(), c.tight) << c.hotelsOwner << " " << c.money;
    }
}

// With money to spare it buys without asking; short of money only to
// complete or to block a group; by mortgage only to complete one.
TEST_F(GameTest, ComputerBuysWhatItCanAffordOrWhatCompletesAGroup)
{
    const struct { int64_t money; std::vector<int> owned, othersOwned; int square; bool bought;
                   int64_t moneyAfter; const char* shown; } cases[] = {
        {150000, {}, {}, 5, true, 130000, ""},
        {20000, {}, {}, 5, false, 20000, "Player 1 n'en veut pas"},
        {20000, {0}, {}, 3, true, 14000, ""},
        {20000, {}, {2, 3}, 9, true, 8000, ""},
        {4000, {0, 24}, {}, 6, false, 4000, "Player 1 n'en veut pas"},
        {4000, {0, 24}, {2, 3}, 9, false, 4000, "Player 1 n'en veut pas"},
        {4000, {0, 24}, {}, 3, true, 8000, "Hypothèque de GARE MONTPARNASSE pour 10000F."},
        {1000, {0}, {}, 3, false, 1000, "Vous n'avez pas assez d'argent pour acheter RUE LECOURBE"},
    };
    for (const auto& c : cases) {
        Start({1, 0});
        P(0).money = c.money;
        for (int p : c.owned)
            Own(0, {p});
        for (int p : c.othersOwned)
            Own(1, {p});
        LandOn(c.square);
        const int p = squareToProperty[c.square];
        EXPECT_EQ(Deed(p).owner, c.bought ? 0 : -1) << c.money << " on " << c.square;
        EXPECT_EQ(P(0).money, c.moneyAfter) << c.money << " on " << c.square;
        EXPECT_TRUE(!*c.shown || frame.Showed(c.shown)) << c.shown;
        EXPECT_EQ(std::count(frame.log.begin(), frame.log.end(), "yesno"), 0);
        Check();
    }
}
