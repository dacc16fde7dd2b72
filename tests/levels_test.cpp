// The computer levels, the acts the strong level never commits, the turn
// limit, and what the save keeps of them.
#include <regex>

#include "foolish_acts.h"
#include "game_fixture.h"

TEST(Levels, NamesReadBackAndAnUnknownLevelPlaysNormal)
{
    for (int32_t level : {kLevelNormal, kLevelEasy, kLevelStrong}) {
        int32_t read = -1;
        EXPECT_TRUE(LevelFromName(LevelName(level), read));
        EXPECT_EQ(read, level);
    }
    int32_t read = kLevelStrong;
    for (const char* name : {"Fort", "", "forte", "normal "})
        EXPECT_FALSE(LevelFromName(name, read)) << name;
    EXPECT_EQ(&StrategyOf(7), &NormalStrategy());
    EXPECT_STREQ(LevelLabel(-1), "Normal");
}

class LevelsTest : public GameTest {
protected:
    // Two computer players, the first at `level`.
    void StartAt(int32_t level)
    {
        Start({1, 1});
        P(0).level = level;
    }
    const CComputerStrategy& Strong() { return StrongStrategy(); }
    void Hold(int player, const std::vector<int>& properties)
    {
        for (int p : properties)
            Deed(p).owner = player;
    }
    int Houses(std::initializer_list<int> streets)
    {
        int houses = 0;
        for (int p : streets)
            houses += Deed(p).houses;
        return houses;
    }
};

// Player 0 gives `gives` for `gets` and receives `cash`; the second player
// holds `theirs`, the first `mine` besides `gives`.
TEST_F(LevelsTest, FoolishSwapsAreTheOnesThatGiveAwayOrBreakAGroupOrLeaveTooLittleCash)
{
    const unsigned last = 1u << kGivesLastStreet;
    const unsigned breaks = 1u << kBreaksTwoThirds;
    const unsigned poor = 1u << kPaysBelowLargestRent;
    const struct { std::vector<int> mine, theirs; int gives, gets, cash; unsigned acts; } cases[] = {
        {{}, {0, 24}, 1, 24, 0, last},
        {{}, {0, 24}, 1, 24, 12000, 0},  // paid the group's price
        {{6, 7}, {0, 5}, 1, 5, 0, 0},    // completes a dearer group in return
        {{6, 7}, {0, 5}, 1, 5, -1000, 0},
        {{2}, {24}, 3, 24, 0, breaks},
        {{}, {2, 3, 24}, 4, 24, 0, last},
        {{}, {20, 21, 24}, 25, 24, -1000, 0},
    };
    for (const auto& c : cases) {
        StartAt(kLevelStrong);
        Own(0, {c.gives});
        Hold(0, c.mine);
        Hold(1, c.theirs);
        EXPECT_EQ(FoolishSwap(game, 0, c.gives, c.gets, c.cash), c.acts) << c.gives << " for " << c.gets;
    }
    StartAt(kLevelStrong);
    Own(0, {25});
    Own(1, {20, 21, 24});
    Build({20, 21}, 5);
    EXPECT_EQ(LargestRentAgainst(game, 0), 200000);
    EXPECT_EQ(FoolishSwap(game, 0, 25, 24, -1000), poor);
}

TEST_F(LevelsTest, LiftingALooseMortgageIsFoolishOnlyBelowThreeHousesInAWholeGroup)
{
    const struct { int houses; int lifted; bool foolish; } cases[] = {
        {2, 24, true}, {3, 24, false}, {5, 24, false}, {0, 1, false},
    };
    for (const auto& c : cases) {
        StartAt(kLevelStrong);
        Own(0, {0, 1, 24});
        Build({0, 1}, c.houses);
        Deed(c.lifted).mortgaged = 1;
        EXPECT_EQ(FoolishLift(game, c.lifted), c.foolish) << c.houses << " " << c.lifted;
    }
}

// Orange whole and three loose properties, 30000 F and nothing to fear: it
// mortgages the loose ones, the least rent first, to build, keeping 5000.
TEST_F(LevelsTest, StrongMortgagesLooseToBuildAndKeepsHalfTheLargestRent)
{
    StartAt(kLevelStrong);
    Own(0, {8, 9, 10, 22, 24, 25});
    P(0).money = 30000;
    game.ComputerTurnStart();
    EXPECT_EQ(Houses({8, 9, 10}), 5);
    EXPECT_EQ(P(0).money, 7500);
    EXPECT_EQ(Deed(22).mortgaged + Deed(24).mortgaged + Deed(25).mortgaged, 3);
    EXPECT_TRUE(frame.Showed("Player 1 hypothèque COMPAGNIE D'ELECTRICITE pour construire."));
    Check();

    StartAt(kLevelStrong);
    Own(0, {8, 9, 10});
    Own(1, {20, 21});
    Build({20, 21}, 5);
    game.ComputerTurnStart();
    EXPECT_EQ(Houses({8, 9, 10}), 5);
    EXPECT_EQ(P(0).money, 100000) << "half of the 200000 F of RUE DE LA PAIX kept";
}

// With 24999 F, dark blue bare cannot take a house and dark blue at three
// houses takes no more: the mortgage of 3300 F is lifted only in the second.
TEST_F(LevelsTest, StrongLiftsLooseMortgagesOnlyOnceItsGroupsHaveThreeHouses)
{
    for (int houses : {0, 3}) {
        StartAt(kLevelStrong);
        Own(0, {20, 21, 0});
        Build({20, 21}, houses);
        Deed(0).mortgaged = 1;
        P(0).money = 24999;
        game.ComputerTurnStart();
        EXPECT_EQ(Deed(0).mortgaged, houses == 0) << houses;
        EXPECT_EQ(Houses({20, 21}), 2 * houses);
    }
}

TEST_F(LevelsTest, StrongBuysWhatCompletesOrBlocksAGroupAndElseKeepsItsReserve)
{
    const struct { std::vector<int> mine, theirs; int p; int64_t money; bool buys, buysShort; } cases[] = {
        {{0}, {}, 1, 7000, true, true},
        {{24}, {2, 3}, 4, 13000, true, true},
        {{}, {}, 24, 25000, true, false},
        {{}, {}, 24, 24999, false, false},
        {{0, 1}, {}, 24, 34999, false, false},  // a house on each brown street first
        {{0, 1}, {}, 24, 35000, true, false},
        {{}, {2, 3}, 4, 5000, true, false},     // nothing to mortgage for it
    };
    for (const auto& c : cases) {
        StartAt(kLevelStrong);
        Hold(0, c.mine);
        Hold(1, c.theirs);
        P(0).money = c.money;
        EXPECT_EQ(Strong().Buys(game, c.p), c.buys) << c.p << " " << c.money;
        EXPECT_EQ(Strong().BuysShort(game, c.p), c.buysShort) << c.p << " " << c.money;
    }
}

// Player 0 is asked to give `gives` for `gets` and `cash`.
TEST_F(LevelsTest, StrongAcceptsOnlySwapsThatAreWorthItsSide)
{
    const struct { std::vector<int> mine, theirs; int gives, gets, cash; bool accepts; } cases[] = {
        {{}, {0, 24}, 1, 24, 0, false},
        {{}, {0, 24}, 1, 24, 12000, false},  // paid, but it still hands brown over
        {{11, 12}, {0, 13}, 1, 13, 0, true},    // red for brown
        {{0}, {11, 12, 1}, 13, 1, 0, false},    // brown for red
        {{}, {26}, 25, 26, 0, true},
        {{}, {0}, 25, 0, 0, false},             // a station for a cheaper street
        {{}, {0}, 25, 0, 21000, true},
    };
    for (const auto& c : cases) {
        StartAt(kLevelStrong);
        Own(0, {c.gives});
        Hold(0, c.mine);
        Hold(1, c.theirs);
        EXPECT_EQ(Strong().AcceptsSwap(game, 0, c.gives, c.gets, c.cash), c.accepts)
            << c.gives << " for " << c.gets << " and " << c.cash;
    }
}

// It buys the last orange street from another computer, giving a station
// and at least the group's price; never from a human.
TEST_F(LevelsTest, StrongBuysTheLastStreetOfAGroupFromAComputerAtTheGroupsPrice)
{
    for (int computer : {1, 0}) {
        Start({1, computer});
        P(0).level = kLevelStrong;
        Own(0, {8, 9, 25});
        Own(1, {10, 24});
        game.ComputerTurnStart();
        EXPECT_EQ(Deed(10).owner, computer ? 0 : 1);
        EXPECT_EQ(Deed(25).owner, computer ? 1 : 0);
        EXPECT_GE(P(1).money - kStartMoney, computer ? GroupPrice(8) : 0);
        Check();
    }
}

TEST_F(LevelsTest, StrongStaysInPrisonOnceRentsAreDear)
{
    StartAt(kLevelStrong);
    EXPECT_TRUE(Strong().UsesJailCard(game));
    EXPECT_TRUE(Strong().PaysJail(game));
    Own(1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21});
    Build({20, 21}, 3);
    EXPECT_FALSE(Strong().UsesJailCard(game));
    EXPECT_FALSE(Strong().PaysJail(game));
}

TEST_F(LevelsTest, EasyNeverTradesFirstAndBuysOnlyWithCashToSpare)
{
    StartAt(kLevelEasy);
    Own(0, {0, 2});
    Own(1, {1, 3, 4});
    game.ComputerTurnStart();
    EXPECT_EQ(Deed(1).owner * 10 + Deed(2).owner, 10) << "the exchange Normal makes is left";
    P(0).money = 74000;
    EXPECT_TRUE(EasyStrategy().Buys(game, 5));
    P(0).money = 73999;
    EXPECT_FALSE(EasyStrategy().Buys(game, 5));
    EXPECT_FALSE(EasyStrategy().BuysShort(game, 5));
    Own(0, {6, 7});
    EXPECT_TRUE(EasyStrategy().Buys(game, 5)) << "a street that completes a group";
}

// Two computers, one round each: the second's turn ends the first round.
TEST_F(LevelsTest, TheTurnLimitEndsTheGameWithTheRichestByWorthAsWinner)
{
    const struct { int limit; int64_t secondMoney; bool over; int winner; } cases[] = {
        {1, 150001, true, 1}, {1, 149999, true, 0}, {1, 150000, true, 0}, {2, 200000, false, -1},
    };
    for (const auto& c : cases) {
        Start({1, 1});
        game.turnLimit = c.limit;
        P(1).money = c.secondMoney;
        // Both only visit the prison.
        random.QueueDice(4, 6);
        random.QueueDice(4, 6);
        Tick();
        EXPECT_FALSE(game.gameOver);
        Tick();
        EXPECT_EQ(game.roundsPlayed, 1);
        EXPECT_EQ(game.EndedOnLimit(), c.over) << c.limit << " " << c.secondMoney;
        if (!c.over)
            continue;
        EXPECT_EQ(game.current, c.winner) << c.secondMoney;
        const std::string winner = std::string(P(c.winner).name) + " a gagne!!!";
        EXPECT_EQ(frame.messages.back(), winner);
        EXPECT_TRUE(frame.Showed("Partie terminée : limite de 1 tours"));
        Check();
    }
}

namespace {

std::string WithoutLines(const std::string& save, const std::string& pattern)
{
    const std::string body = std::regex_replace(save, std::regex(pattern), "");
    const std::string fields = body.substr(0, body.rfind("checksum "));
    return fields + "checksum " + SaveChecksum(fields) + "\n";
}

}  // namespace

TEST_F(LevelsTest, TheSaveKeepsLevelsAndLimitAndReadsOldSavesWithoutThem)
{
    Start({1, 1, 0});
    P(0).level = kLevelStrong;
    P(1).level = kLevelEasy;
    game.setupPlayers[0].level = kLevelStrong;
    game.turnLimit = 50;
    game.roundsPlayed = 7;
    GameHistory history;
    const std::string save = WriteSave(game, history);
    CNullFrame frame2;
    CSeededRandom random2{1};
    CGame copy{frame2, random2};
    ASSERT_EQ(ReadSave(save, copy, history), "");
    EXPECT_EQ((std::vector<int32_t>{copy.players[0].level, copy.players[1].level, copy.players[2].level,
                                    copy.setupPlayers[0].level, copy.turnLimit, copy.roundsPlayed}),
              (std::vector<int32_t>{kLevelStrong, kLevelEasy, kLevelNormal, kLevelStrong, 50, 7}));

    ASSERT_EQ(ReadSave(WithoutLines(save, "(player|setup)\\.\\d\\.level \\d\n|turnLimit \\d+\n|roundsPlayed \\d+\n"),
                       copy, history),
              "");
    EXPECT_EQ(copy.players[0].level * 1000 + copy.turnLimit + copy.roundsPlayed, 0);

    const struct { const char* from; const char* to; const char* refusal; } bad[] = {
        {"player.0.level 2", "player.0.level 3", "player.0.level vaut 3"},
        {"setup.0.level 2", "setup.0.level -1", "setup.0.level vaut -1"},
        {"roundsPlayed 7", "roundsPlayed 50", "round 50 past the limit of 50"},
        {"turnLimit 50", "turnLimit -2", "turnLimit vaut -2"},
    };
    for (const auto& b : bad) {
        const std::string edited = WithoutLines(std::regex_replace(save, std::regex(b.from), b.to), "^$");
        const std::string refusal = ReadSave(edited, copy, history);
        EXPECT_NE(refusal.find(b.refusal), std::string::npos) << refusal;
    }
}
