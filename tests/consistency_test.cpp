#include <numeric>
#include <utility>
#include <vector>

#include "game_fixture.h"

// Three players; the second owns the brown group, built 2 and 1; both
// decks lie in the order of their cards.
class ConsistencyTest : public GameTest {
protected:
    void SetUp() override
    {
        Start({0, 0, 0});
        P(2).level = kLevelNormal;  // a new game keeps each seat's level
        Own(1, {0, 1});
        Build({0}, 2);
        Build({1}, 1);
        game.tradeWanted = -1;
        game.tradeOffered = -1;
        std::iota(std::begin(game.chestOrder), std::end(game.chestOrder), 0);
        std::iota(std::begin(game.chanceOrder), std::end(game.chanceOrder), 0);
    }
};

// Each bound of each rule, at the bound and one past it: the fields set,
// then what the check says ("" while every rule holds).
TEST_F(ConsistencyTest, EachRuleHoldsAtItsBoundAndNamesItselfOnePast)
{
    using Edits = std::vector<std::pair<int32_t*, int32_t>>;
    const struct { Edits edits; std::string broken; } cases[] = {
        {{{&game.playerCount, 2}}, ""}, {{{&game.playerCount, 1}}, "playerCount 1 out of range"},
        {{{&game.playerCount, 6}}, ""}, {{{&game.playerCount, 7}}, "playerCount 7 out of range"},
        {{{&game.current, 2}}, ""}, {{{&game.current, 3}}, "current 3 out of range"},
        {{{&game.current, -1}}, "current -1 out of range"},
        {{{&game.inputMode, -1}}, "inputMode -1 out of range"}, {{{&game.inputMode, kLiftPick}}, ""},
        {{{&game.inputMode, kPricedOffer}}, "exchange pending on property -1, which no player owns"},
        {{{&game.inputMode, kPricedOffer + 1}}, "inputMode 9 out of range"},
        {{{&game.parkingPot, -1}}, "parkingPot -1 negative"}, {{{&P(2).square, 39}}, ""},
        {{{&P(2).square, 40}}, "player 2 on square 40"}, {{{&P(2).square, -1}}, "player 2 on square -1"},
        {{{&P(2).square, 10}, {&P(2).jail, 3}}, ""},
        {{{&P(2).square, 10}, {&P(2).jail, 4}}, "player 2 jail count 4"},
        {{{&P(2).jail, -1}}, "player 2 jail count -1"},
        {{{&P(2).square, 11}, {&P(2).jail, 1}}, "player 2 in prison on square 11"},
        {{{&P(2).square, 9}, {&P(2).jail, 1}}, "player 2 in prison on square 9"}, {{{&P(2).seat, 5}}, ""},
        {{{&P(2).seat, 6}}, "player 2 seat 6 out of range or taken twice"},
        {{{&P(2).seat, -1}}, "player 2 seat -1 out of range or taken twice"},
        {{{&P(2).seat, 1}}, "player 2 seat 1 out of range or taken twice"},
        {{{&P(2).level, kLevelCount - 1}}, ""}, {{{&P(2).level, kLevelCount}}, "player 2 level 3"},
        {{{&P(2).level, -1}}, "player 2 level -1"}, {{{&Deed(24).owner, 2}}, ""},
        {{{&Deed(24).owner, 3}}, "property 24 owned by 3"},
        {{{&Deed(24).owner, -2}}, "property 24 owned by -2"}, {{{&Deed(24).mortgaged, 1}}, ""},
        {{{&Deed(24).mortgaged, 2}}, "property 24 mortgaged flag 2"},
        {{{&Deed(24).mortgaged, -1}}, "property 24 mortgaged flag -1"},
        {{{&Deed(0).houses, 5}, {&Deed(1).houses, 4}}, ""},
        {{{&Deed(0).houses, 6}, {&Deed(1).houses, 5}}, "property 0 has 6 buildings"},
        {{{&Deed(1).houses, -1}}, "property 1 has -1 buildings"},
        {{{&Deed(0).houses, 3}}, "group of property 0 built unevenly (1 to 3)"},
        {{{&Deed(2).houses, 1}}, "property 2 built outside a whole group"},
        {{{&Deed(1).owner, 2}}, "property 0 built outside a whole group"},
        {{{&Deed(24).owner, 1}, {&Deed(24).houses, 1}}, "property 24 built outside a whole group"},
        {{{&Deed(22).owner, 1}, {&Deed(23).owner, 1}, {&Deed(22).houses, 1}},
         "property 22 built outside a whole group"},
        {{{&Deed(0).mortgaged, 1}}, "property 0 mortgaged with buildings"},
        {{{&Deed(0).houses, 1}, {&Deed(1).houses, 0}, {&Deed(1).mortgaged, 1}},
         "group of property 0 built with a mortgaged street"},
        {{{&Deed(5).mortgaged, 1}}, ""}, {{{&game.jailCardHolder[0], 2}}, ""},
        {{{&game.jailCardHolder[0], 3}}, "prison card held by 3"},
        {{{&game.jailCardHolder[1], -2}}, "prison card held by -2"},
        {{{&game.chestOrder[1], 0}}, "chest order is not a permutation at 1"},
        {{{&game.chestOrder[14], 15}}, "chest order is not a permutation at 14"},
        {{{&game.chestOrder[0], -1}}, "chest order is not a permutation at 0"},
        {{{&game.chanceOrder[0], 15}, {&game.chanceOrder[15], 0}}, ""},
        {{{&game.chanceOrder[15], 16}}, "chance order is not a permutation at 15"},
        {{{&game.chestNext, 14}}, ""}, {{{&game.chestNext, 15}}, "chest next position 15 out of range"},
        {{{&game.chanceNext, 15}}, ""}, {{{&game.chanceNext, 16}}, "chance next position 16 out of range"},
        {{{&game.chanceNext, -1}}, "chance next position -1 out of range"},
        {{{&game.tradeWanted, -1}, {&game.inputMode, kTradeWantedPick}}, ""},
        {{{&game.tradeWanted, 0}, {&game.inputMode, kTradeOfferedPick}}, ""},
        {{{&game.tradeWanted, -1}, {&game.inputMode, kTradeOfferedPick}},
         "exchange pending on property -1, which no player owns"},
        {{{&game.tradeWanted, 24}, {&game.inputMode, kTradeOfferedPick}},
         "exchange pending on property 24, which no player owns"},
        {{{&game.tradeWanted, 27}, {&Deed(27).owner, 2}, {&game.inputMode, kTradeOfferedPick}}, ""},
        {{{&game.tradeWanted, 28}, {&game.inputMode, kTradeOfferedPick}},
         "exchange pending on property 28, which no player owns"},
        {{{&game.tradeWanted, 0}, {&game.tradeOffered, 0}, {&game.inputMode, kPricedOffer}}, ""},
        {{{&game.tradeWanted, 0}, {&game.tradeOffered, 27}, {&game.inputMode, kPricedOffer}}, ""},
        {{{&game.tradeWanted, 0}, {&game.tradeOffered, -1}, {&game.inputMode, kPricedOffer}},
         "priced offer of property -1"},
        {{{&game.tradeWanted, 0}, {&game.tradeOffered, 28}, {&game.inputMode, kPricedOffer}},
         "priced offer of property 28"},
    };
    for (const auto& c : cases) {
        SetUp();
        for (const auto& [field, value] : c.edits)
            *field = value;
        EXPECT_EQ(CheckConsistency(game, nullptr), c.broken);
    }
    SetUp();
    P(2).money = 0;
    EXPECT_EQ(CheckConsistency(game, nullptr), "");
    P(2).money = -1;
    EXPECT_EQ(CheckConsistency(game, nullptr), "player 2 has -1F");
}

// The board is only compared when given, square by square.
TEST_F(ConsistencyTest, TheBoardShowsEverySquaresBuildings)
{
    Check();
    frame.buildings[1] = 4;
    EXPECT_EQ(CheckConsistency(game, nullptr), "");
    EXPECT_EQ(CheckConsistency(game, frame.buildings), "square 1 shows 4 buildings, not 2");
    frame.buildings[1] = 2;
    frame.buildings[0] = 1;
    EXPECT_EQ(CheckConsistency(game, frame.buildings), "square 0 shows 1 buildings, not 0");
    frame.buildings[0] = 0;
    frame.buildings[39] = 1;
    EXPECT_EQ(CheckConsistency(game, frame.buildings), "square 39 shows 1 buildings, not 0");
}
