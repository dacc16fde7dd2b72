#include <functional>
#include <iterator>

#include "game_fixture.h"

class ConsistencyTest : public GameTest {
protected:
    void SetUp() override
    {
        Start({0, 0, 0});
        Own(1, {0, 1});
        Build({0}, 2);
        Build({1}, 1);
    }
};

// Every bound that a sound game may reach, reached at once.
TEST_F(ConsistencyTest, EveryRuleHoldsAtItsEdges)
{
    Start({0, 0, 0, 0, 0, 0});
    game.current = 5;
    P(5).money = 0;
    P(4).square = kSquareCount - 1;
    P(3).square = 10;
    P(3).jail = 3;
    Own(5, {20, 21, 27});
    Build({20}, 4);
    Build({21}, 5);
    Deed(27).mortgaged = 1;
    game.jailCardHolder[0] = 5;
    game.chestNext = kChestCards - 1;
    game.chanceNext = kChanceCards - 1;
    game.inputMode = kPricedOffer;
    game.tradeWanted = kPropertyCount - 1;
    game.tradeOffered = kPropertyCount - 1;
    Check();
}

// Each case breaks one rule of a sound game; the check must name a problem.
TEST_F(ConsistencyTest, EachBrokenRuleIsFound)
{
    const std::function<void()> breaks[] = {
        [&] { Deed(24).owner = 3; }, [&] { Deed(24).owner = -2; }, [&] { Deed(1).owner = 2; },
        [&] { Own(1, {24, 25, 26, 27}); Deed(24).houses = 1; }, [&] { Build({0}, 3); },
        [&] { Build({1}, 2); Deed(0).mortgaged = 1; },
        [&] { Build({0}, 1); Build({1}, 0); Deed(1).mortgaged = 1; },
        [&] { Build({0}, 6); Build({1}, 5); }, [&] { P(2).money = -1; }, [&] { game.current = 3; },
        [&] { game.current = -1; }, [&] { game.playerCount = 1; },
        [&] { game.jailCardHolder[0] = 3; }, [&] { game.chestOrder[0] = game.chestOrder[1]; },
        [&] { game.chanceOrder[2] = 16; }, [&] { game.chestNext = kChestCards; },
        [&] { game.chanceNext = -1; }, [&] { frame.buildings[1] = 3; },
        [&] { frame.buildings[0] = 1; }, [&] { P(1).jail = 1; }, [&] { P(2).seat = 0; },
        [&] { P(0).square = 40; }, [&] { P(0).square = -1; }, [&] { game.playerCount = 7; },
        [&] { game.inputMode = -1; }, [&] { game.inputMode = kPricedOffer + 1; },
        [&] { game.parkingPot = -1; }, [&] { P(0).square = 10; P(0).jail = 4; },
        [&] { P(0).jail = -1; }, [&] { Deed(24).mortgaged = 2; }, [&] { Deed(24).houses = -1; },
        [&] { P(2).seat = kMaxPlayers; }, [&] { P(2).seat = -1; },
        [&] { game.jailCardHolder[1] = -2; }, [&] { game.chestOrder[0] = -1; },
        [&] { game.chanceNext = kChanceCards; },
        [&] { game.inputMode = kTradeOfferedPick; game.tradeWanted = 24; },
        [&] { game.inputMode = kTradeOfferedPick; game.tradeWanted = -1; },
        [&] { game.inputMode = kPricedOffer; game.tradeWanted = kPropertyCount; },
        [&] { game.inputMode = kPricedOffer; game.tradeWanted = 0; game.tradeOffered = -1; },
        [&] { game.inputMode = kPricedOffer; game.tradeWanted = 0; game.tradeOffered = kPropertyCount; },
    };
    for (size_t i = 0; i < std::size(breaks); ++i) {
        SetUp();
        breaks[i]();
        EXPECT_NE(CheckConsistency(game, frame.buildings), "") << "break " << i;
    }
    // The board is only compared when given.
    SetUp();
    Check();
    frame.buildings[1] = 4;
    EXPECT_EQ(CheckConsistency(game, nullptr), "");
    EXPECT_EQ(CheckConsistency(game, frame.buildings), "square 1 shows 4 buildings, not 2");
}
