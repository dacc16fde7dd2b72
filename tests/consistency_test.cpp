#include <functional>
#include <utility>

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
    const std::vector<std::pair<const char*, std::function<void()>>> breaks = {
        {"owner out of play", [&] { Deed(24).owner = 3; }},
        {"unknown owner", [&] { Deed(24).owner = -2; }},
        {"building on a split group", [&] { Deed(1).owner = 2; }},
        {"building on a station", [&] { Own(1, {24, 25, 26, 27}); Deed(24).houses = 1; }},
        {"uneven group", [&] { Build({0}, 3); }},
        {"mortgaged built group", [&] { Build({1}, 2); Deed(0).mortgaged = 1; }},
        {"mortgaged street in a group built elsewhere", [&] { Build({0}, 1); Build({1}, 0); Deed(1).mortgaged = 1; }},
        {"more than a hotel", [&] { Build({0}, 6); Build({1}, 5); }},
        {"negative money", [&] { P(2).money = -1; }},
        {"current out of range", [&] { game.current = 3; }},
        {"current below zero", [&] { game.current = -1; }},
        {"too few players", [&] { game.playerCount = 1; }},
        {"prison card of a gone player", [&] { game.jailCardHolder[0] = 3; }},
        {"chest order repeats a card", [&] { game.chestOrder[0] = game.chestOrder[1]; }},
        {"chance order out of range", [&] { game.chanceOrder[2] = 16; }},
        {"chest next out of range", [&] { game.chestNext = kChestCards; }},
        {"chance next negative", [&] { game.chanceNext = -1; }},
        {"board shows a house too many", [&] { frame.buildings[1] = 3; }},
        {"board shows a house on a special square", [&] { frame.buildings[0] = 1; }},
        {"jailed off the prison square", [&] { P(1).jail = 1; }},
        {"seat taken twice", [&] { P(2).seat = 0; }},
        {"pawn off the board", [&] { P(0).square = 40; }},
        {"pawn before the board", [&] { P(0).square = -1; }},
        {"seven players", [&] { game.playerCount = 7; }},
        {"input mode below", [&] { game.inputMode = -1; }},
        {"input mode above", [&] { game.inputMode = kPricedOffer + 1; }},
        {"negative pot", [&] { game.parkingPot = -1; }},
        {"jailed a fourth time", [&] { P(0).square = 10; P(0).jail = 4; }},
        {"negative jail count", [&] { P(0).jail = -1; }},
        {"mortgaged flag neither 0 nor 1", [&] { Deed(24).mortgaged = 2; }},
        {"negative buildings", [&] { Deed(24).houses = -1; }},
        {"seat past the last", [&] { P(2).seat = kMaxPlayers; }},
        {"negative seat", [&] { P(2).seat = -1; }},
        {"prison card held by no one", [&] { game.jailCardHolder[1] = -2; }},
        {"chest order below", [&] { game.chestOrder[0] = -1; }},
        {"chance next at its size", [&] { game.chanceNext = kChanceCards; }},
        {"exchange of a bank's property", [&] { game.inputMode = kTradeOfferedPick; game.tradeWanted = 24; }},
        {"exchange of no property", [&] { game.inputMode = kTradeOfferedPick; game.tradeWanted = -1; }},
        {"exchange past the last", [&] { game.inputMode = kPricedOffer; game.tradeWanted = kPropertyCount; }},
        {"priced offer of nothing", [&] { game.inputMode = kPricedOffer; game.tradeWanted = 0; game.tradeOffered = -1; }},
        {"priced offer past the last", [&] { game.inputMode = kPricedOffer; game.tradeWanted = 0; game.tradeOffered = kPropertyCount; }},
    };
    for (const auto& broken : breaks) {
        SetUp();
        broken.second();
        EXPECT_NE(CheckConsistency(game, frame.buildings), "") << broken.first;
    }
}

TEST_F(ConsistencyTest, TheBoardIsOnlyComparedWhenGiven)
{
    Check();
    frame.buildings[1] = 4;
    EXPECT_EQ(CheckConsistency(game, nullptr), "");
    EXPECT_EQ(CheckConsistency(game, frame.buildings), "square 1 shows 4 buildings, not 2");
}
