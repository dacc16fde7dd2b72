// The computer levels, the acts the strong level never commits, the turn
// limit, and what the save keeps of them.
#include <regex>

#include "foolish_acts.h"
#include "game_fixture.h"

// Every level by number, and numbers no level has: its command-line name,
// its label and its strategy.
TEST(Levels, EachLevelHasItsNameLabelAndStrategyAndAnUnknownOnePlaysNormal)
{
    const struct { int32_t level; const char* name; const char* label; const CComputerStrategy& strategy; } levels[] = {
        {kLevelNormal, "normal", "Normal", NormalStrategy()},
        {kLevelEasy, "facile", "Facile", EasyStrategy()},
        {kLevelStrong, "fort", "Fort", StrongStrategy()},
        {-1, "normal", "Normal", NormalStrategy()},
        {kLevelCount, "normal", "Normal", NormalStrategy()},
    };
    for (const auto& l : levels) {
        EXPECT_STREQ(LevelName(l.level), l.name) << l.level;
        EXPECT_STREQ(LevelLabel(l.level), l.label) << l.level;
        EXPECT_EQ(&StrategyOf(l.level), &l.strategy) << l.level;
    }
    for (int32_t level : {kLevelNormal, kLevelEasy, kLevelStrong}) {
        int32_t read = -1;
        EXPECT_TRUE(LevelFromName(LevelName(level), read));
        EXPECT_EQ(read, level);
    }
    int32_t read = kLevelStrong;
    for (const char* name : {"Fort", "", "forte", "normal "})
        EXPECT_FALSE(LevelFromName(name, read)) << name;
    EXPECT_EQ(read, kLevelStrong);
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
    void BuildEach(const std::vector<std::pair<int, int>>& buildings)
    {
        for (const auto& [p, houses] : buildings)
            Build({p}, houses);
    }
    // The buildings on each property, in the order of the deeds.
    std::vector<int> HousesOf(const std::vector<int>& properties)
    {
        std::vector<int> houses;
        for (int p : properties)
            houses.push_back(Deed(p).houses);
        return houses;
    }
    std::vector<int> MortgagedOf(const std::vector<int>& properties)
    {
        std::vector<int> mortgaged;
        for (int p : properties)
            mortgaged.push_back(Deed(p).mortgaged);
        return mortgaged;
    }
};

// The largest rent the second player can charge the first: stations by how
// many one owner holds (a mortgaged one still counts), utilities at a throw
// of 12, streets bare, doubled in a whole group, or built; the first
// player's own properties never count.
TEST_F(LevelsTest, TheLargestRentAgainstAPlayerIsTheDearestOfTheOthers)
{
    const struct { std::vector<int> mine, theirs, mortgaged; std::vector<std::pair<int, int>> built; int32_t rent; } cases[] = {
        {{}, {}, {}, {}, 0},
        {{}, {24}, {}, {}, 2500},
        {{}, {24, 25}, {}, {}, 5000},
        {{}, {24, 25, 26}, {}, {}, 10000},
        {{}, {24, 25, 26, 27}, {}, {}, 20000},
        {{}, {24, 25}, {25}, {}, 5000},
        {{25}, {24}, {}, {}, 2500},
        {{}, {22}, {}, {}, 4800},
        {{23}, {22}, {}, {}, 4800},
        {{}, {22, 23}, {}, {}, 12000},
        {{}, {0}, {}, {}, 200},
        {{}, {1}, {}, {}, 400},
        {{}, {0, 1}, {}, {}, 800},
        {{}, {0, 1}, {1}, {}, 400},
        {{}, {0, 1}, {}, {{0, 1}, {1, 1}}, 2000},
        {{}, {20, 21}, {}, {{20, 5}, {21, 5}}, 200000},
        {{20, 21}, {0}, {}, {{20, 5}, {21, 5}}, 200},
    };
    for (const auto& c : cases) {
        StartAt(kLevelStrong);
        Own(0, c.mine);
        Own(1, c.theirs);
        Mortgage(c.mortgaged);
        BuildEach(c.built);
        EXPECT_EQ(LargestRentAgainst(game, 0), c.rent) << ::testing::PrintToString(c.theirs);
    }
    EXPECT_EQ(GroupPrice(0), 12000);
    EXPECT_EQ(GroupPrice(8), 56000);
    EXPECT_EQ(GroupPrice(24), 0);
    EXPECT_STREQ(kFoolishActNames[kGivesLastStreet], "gives_last_street");
    EXPECT_STREQ(kFoolishActNames[kPaysBelowLargestRent], "pays_below_largest_rent");
}

// Player 0 gives `gives` for `gets` and receives `cash`; it holds `mine`
// besides `gives` and `money`, the second player holds `theirs`.
TEST_F(LevelsTest, FoolishSwapsAreTheOnesThatGiveAwayOrBreakAGroupOrLeaveTooLittleCash)
{
    const unsigned last = 1u << kGivesLastStreet;
    const unsigned breaks = 1u << kBreaksTwoThirds;
    const unsigned poor = 1u << kPaysBelowLargestRent;
    const struct { std::vector<int> mine, theirs; int gives, gets, cash; int64_t money; unsigned acts; } cases[] = {
        {{}, {0, 24}, 1, 24, 0, kStartMoney, last},
        {{}, {0, 24}, 1, 24, 12000, kStartMoney, 0},  // paid the group's price
        {{}, {0, 24}, 1, 24, 11999, kStartMoney, last},
        {{6, 7}, {0, 5}, 1, 5, 0, kStartMoney, 0},    // completes a dearer group in return
        {{6, 7}, {0, 5}, 1, 5, -1000, kStartMoney, 0},
        {{0}, {5, 7, 1}, 6, 1, 32000, kStartMoney, 0},  // a cheaper group and the difference
        {{0}, {5, 7, 1}, 6, 1, 31999, kStartMoney, last},
        {{}, {1}, 0, 1, 0, kStartMoney, last},       // its own group back is no group in return
        {{2}, {24}, 3, 24, 0, kStartMoney, breaks},
        {{2, 4}, {24}, 3, 24, 0, kStartMoney, 0},     // the whole group is not two thirds
        {{}, {24}, 3, 24, 0, kStartMoney, 0},
        {{2}, {4}, 3, 4, 0, kStartMoney, 0},          // two of the three kept
        {{}, {2, 3, 24}, 4, 24, 0, kStartMoney, last},
        {{}, {20, 21, 24}, 25, 24, -1000, kStartMoney, 0},
        {{}, {24}, 25, 24, -1000, 3500, 0},           // left with the 2500 F of the station
        {{}, {24}, 25, 24, -1001, 3500, poor},
        {{}, {24}, 25, 24, 0, 2000, 0},
    };
    for (const auto& c : cases) {
        StartAt(kLevelStrong);
        Own(0, {c.gives});
        Own(0, c.mine);
        Own(1, c.theirs);
        P(0).money = c.money;
        EXPECT_EQ(FoolishSwap(game, 0, c.gives, c.gets, c.cash), c.acts)
            << c.gives << " for " << c.gets << " and " << c.cash;
    }
    StartAt(kLevelStrong);
    Own(1, {0, 24});
    EXPECT_EQ(FoolishSwap(game, 0, 1, 24, 0), 0u) << "what it does not hold, it does not give";
}

TEST_F(LevelsTest, LiftingALooseMortgageIsFoolishOnlyBelowThreeHousesInAWholeGroup)
{
    const struct { int owner, houses, lifted; bool foolish; } cases[] = {
        {0, 2, 24, true}, {0, 3, 24, false}, {0, 5, 24, false}, {0, 0, 1, false}, {1, 0, 24, false},
    };
    for (const auto& c : cases) {
        StartAt(kLevelStrong);
        Own(c.owner, {0, 1});
        Own(0, {24});
        Build({0, 1}, c.houses);
        Deed(c.lifted).mortgaged = 1;
        EXPECT_EQ(FoolishLift(game, c.lifted), c.foolish) << c.owner << " " << c.houses << " " << c.lifted;
    }
}

// The strong player's turn, before the dice, with nothing to trade: it
// frees its whole groups, builds the best-paying group first up to three
// houses (mortgaging loose properties, the cheapest in rent first, to do
// so), beyond three only with 15000 F more than its reserve, and lifts
// loose mortgages once every whole group has three houses.
TEST_F(LevelsTest, StrongBuildsTheBestGroupFirstAndKeepsItsReserve)
{
    const std::vector<int> board = {0, 1, 8, 9, 10, 20, 21, 22, 24, 25};
    const struct {
        const char* what;
        std::vector<int> mine, theirs, mortgaged;
        std::vector<std::pair<int, int>> built;
        int64_t money;
        std::vector<int> houses, mortgagedAfter;  // of `board`
        int64_t moneyAfter;
    } cases[] = {
        {"dark blue first, and no further", {0, 1, 20, 21}, {}, {}, {}, 50000,
         {0, 0, 0, 0, 0, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 10000},
        {"a group below three before one above", {0, 1, 20, 21}, {}, {}, {{20, 3}, {21, 3}}, 30000,
         {3, 2, 0, 0, 0, 3, 3, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 5000},
        {"a fourth house with the cushion", {0, 1}, {}, {}, {{0, 3}, {1, 3}}, 25000,
         {4, 3, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 20000},
        {"none without it", {0, 1}, {}, {}, {{0, 3}, {1, 3}}, 24999,
         {3, 3, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 24999},
        {"hotels everywhere", {0, 1}, {}, {}, {{0, 5}, {1, 5}}, 150000,
         {5, 5, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 150000},
        {"loose ones mortgaged to build", {8, 9, 10, 22, 24, 25}, {}, {}, {}, 30000,
         {0, 0, 2, 1, 2, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 1, 1, 1}, 7500},
        {"but not beyond three", {0, 1, 24}, {}, {}, {{0, 3}, {1, 3}}, 20000,
         {3, 3, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 20000},
        {"half the largest rent kept", {8, 9, 10}, {20, 21}, {}, {{20, 5}, {21, 5}}, 150000,
         {0, 0, 2, 1, 2, 5, 5, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 100000},
        {"a group freed", {0, 1}, {}, {0}, {}, 8300,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 5000},
        {"a group left mortgaged", {0, 1}, {}, {0}, {}, 8299,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 8299},
        {"a loose mortgage lifted", {0, 1, 24}, {}, {24}, {{0, 5}, {1, 5}}, 31000,
         {5, 5, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 20000},
        {"and kept", {0, 1, 24}, {}, {24}, {{0, 5}, {1, 5}}, 30999,
         {5, 5, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 1, 0}, 30999},
        {"lifted once every group has three", {20, 21, 24}, {}, {24}, {{20, 3}, {21, 3}}, 31000,
         {0, 0, 0, 0, 0, 3, 3, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 20000},
        {"a mortgaged group is not built", {0, 1, 24}, {}, {0}, {}, 8299,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 8299},
        {"lifted with no group at all", {24}, {}, {24}, {}, 31000,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 20000},
        {"the first street mortgaged too", {0, 20, 21}, {}, {}, {}, 22000,
         {0, 0, 0, 0, 0, 1, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 5000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartAt(kLevelStrong);
        Own(0, c.mine);
        Own(1, c.theirs);
        Mortgage(c.mortgaged);
        BuildEach(c.built);
        P(0).money = c.money;
        P(0).square = 6;
        game.ComputerTurnStart();
        EXPECT_EQ(HousesOf(board), c.houses);
        EXPECT_EQ(MortgagedOf(board), c.mortgagedAfter);
        EXPECT_EQ(P(0).money, c.moneyAfter);
        EXPECT_TRUE(frame.Entries("picture").empty()) << "no picture while it builds";
        EXPECT_EQ(game.showSquare, 1) << "the next throw shows its square";
        Check();
    }
    // The loose properties go by the rent they lose per franc raised.
    StartAt(kLevelStrong);
    Own(0, {8, 9, 10, 22, 24, 25});
    P(0).money = 30000;
    game.ComputerTurnStart();
    const Lines mortgages = {"Player 1 hypothèque GARE MONTPARNASSE pour construire.",
                             "Player 1 hypothèque GARE DE LYON pour construire.",
                             "Player 1 hypothèque COMPAGNIE D'ELECTRICITE pour construire."};
    Lines said;
    for (const std::string& message : frame.messages)
        if (message.find("hypothèque") != std::string::npos)
            said.push_back(message);
    EXPECT_EQ(said, mortgages);
}

TEST_F(LevelsTest, StrongBuysWhatCompletesOrBlocksAGroupAndElseKeepsItsReserve)
{
    const struct { std::vector<int> mine, theirs; std::vector<std::pair<int, int>> built; int p; int64_t money;
                   bool buys, buysShort; } cases[] = {
        {{0}, {}, {}, 1, 7000, true, true},
        {{0}, {}, {}, 1, 3000, true, true},   // its street's 3000 F mortgage makes the price
        {{0}, {}, {}, 1, 2999, true, false},
        {{0, 2, 3, 4}, {}, {}, 1, 2999, true, false},  // a whole group is not mortgaged for it
        {{24}, {2, 3}, {}, 4, 13000, true, true},
        {{}, {}, {}, 24, 25000, true, false},
        {{}, {}, {}, 24, 24999, false, false},
        {{0, 1}, {}, {}, 24, 34999, false, false},  // a house on each brown street first
        {{0, 1}, {}, {}, 24, 35000, true, false},
        {{0, 1}, {}, {{0, 3}, {1, 3}}, 24, 25000, true, false},
        {{}, {2, 3}, {}, 4, 5000, true, false},     // nothing to mortgage for it
        {{}, {20, 21}, {{20, 2}, {21, 2}}, 24, 50000, true, false},  // half of 60000 F kept
        {{}, {20, 21}, {{20, 2}, {21, 2}}, 24, 49999, false, false},
    };
    for (const auto& c : cases) {
        StartAt(kLevelStrong);
        Own(0, c.mine);
        Own(1, c.theirs);
        BuildEach(c.built);
        P(0).money = c.money;
        EXPECT_EQ(Strong().Buys(game, c.p), c.buys) << c.p << " " << c.money;
        EXPECT_EQ(Strong().BuysShort(game, c.p), c.buysShort) << c.p << " " << c.money;
    }
}

// Player 0 is asked to give `gives` for `gets` and `cash`.
TEST_F(LevelsTest, StrongAcceptsOnlySwapsThatAreWorthItsSide)
{
    const struct { std::vector<int> mine, theirs, mortgaged; int gives, gets, cash; bool accepts; } cases[] = {
        {{}, {0, 24}, {}, 1, 24, 0, false},
        {{}, {0, 24}, {}, 1, 24, 12000, false},  // paid, but it still hands brown over
        {{}, {0, 10}, {}, 1, 10, 12000, false},  // for a better street that completes nothing
        {{11, 12}, {0, 13}, {}, 1, 13, 0, true},    // red for brown
        {{0}, {11, 12, 1}, {}, 13, 1, 0, false},    // brown for red
        {{}, {26}, {}, 25, 26, 0, true},
        {{}, {0}, {}, 25, 0, 0, false},             // a station for a cheaper street
        {{}, {0}, {}, 25, 0, 21000, true},
        {{}, {0}, {}, 25, 0, 20999, false},
        {{}, {22}, {}, 20, 22, 67500, true},        // dark blue's half-price for its last but one
        {{}, {22}, {}, 20, 22, 67499, false},
        {{}, {25}, {25}, 24, 25, 11000, true},      // less the mortgage to lift
        {{}, {25}, {25}, 24, 25, 10999, false},
    };
    for (const auto& c : cases) {
        StartAt(kLevelStrong);
        Own(0, {c.gives});
        Own(0, c.mine);
        Own(1, c.theirs);
        Mortgage(c.mortgaged);
        EXPECT_EQ(Strong().AcceptsSwap(game, 0, c.gives, c.gets, c.cash), c.accepts)
            << c.gives << " for " << c.gets << " and " << c.cash;
    }
}

// It buys the street missing from its best group from another computer,
// giving the cheapest property that commits no foolish act, and paying the
// group's price, or the difference of the prices when what it gives
// completes a group in return; never from a human, and only with the
// price, the largest rent, 30000 F and half of three houses a street left.
TEST_F(LevelsTest, StrongBuysTheLastStreetOfAGroupFromAComputerAtTheGroupsPrice)
{
    const struct {
        const char* what;
        std::vector<int> mine, theirs, built;  // built: one house on each
        int other;  // the second player is a computer
        int64_t money;
        int wanted, given;  // -1: no exchange
        int64_t theirMoney;
    } cases[] = {
        {"a station for orange", {8, 9, 25}, {10, 24}, {}, 1, kStartMoney, 10, 25, 206000},
        {"never from a human", {8, 9, 25}, {10, 24}, {}, 0, kStartMoney, -1, -1, kStartMoney},
        {"with just enough cash", {8, 9, 25}, {10, 24}, {}, 1, 133500, 10, 25, 206000},
        {"and not a franc less", {8, 9, 25}, {10, 24}, {}, 1, 133499, -1, -1, kStartMoney},
        {"the first of two as dear", {8, 9, 22, 24}, {10}, {}, 1, kStartMoney, 10, 22, 206000},
        {"orange before brown, for brown", {0, 8, 9, 25}, {1, 10}, {}, 1, kStartMoney, 10, 0, 194000},
        {"nothing of a built group", {0, 1, 8, 9}, {10}, {0, 1}, 1, kStartMoney, -1, -1, kStartMoney},
        {"two of three kept", {8, 9, 2, 3}, {10, 4}, {}, 1, kStartMoney, -1, -1, kStartMoney},
        {"two in one turn", {0, 5, 8, 9, 11, 12}, {10, 13}, {}, 1, 300000, 13, 5, 274000},
        {"the first street", {1, 24}, {0}, {}, 1, kStartMoney, 0, 24, 162000},
        {"a better street that helps no one", {0, 10}, {1}, {}, 1, kStartMoney, 1, 10, 162000},
        {"a dearer group for a better one, and the difference", {8, 9, 20}, {10, 21}, {}, 1, kStartMoney, 10, 20,
         131000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start({1, c.other});
        P(0).level = kLevelStrong;
        Own(0, c.mine);
        Own(1, c.theirs);
        Build(c.built, 1);
        P(0).money = c.money;
        game.ComputerTurnStart();
        if (c.wanted >= 0) {
            EXPECT_EQ(Deed(c.wanted).owner, 0);
            EXPECT_EQ(Deed(c.given).owner, 1);
        }
        EXPECT_EQ(P(1).money, c.theirMoney);
        Check();
    }
}

// Out of prison while four streets or more are the bank's or no rent
// reaches 15000 F; the fine is paid only with its reserve left.
TEST_F(LevelsTest, StrongStaysInPrisonOnceRentsAreDear)
{
    const std::vector<int> streets = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    const struct { size_t sold; std::vector<std::pair<int, int>> built; std::vector<int> utilities, mine; int64_t money;
                   bool usesCard, pays; } cases[] = {
        {0, {}, {}, {}, kStartMoney, true, true},
        {18, {{5, 2}, {6, 2}, {7, 1}}, {}, {}, kStartMoney, true, true},
        {19, {{5, 2}, {6, 2}, {7, 1}}, {}, {}, kStartMoney, false, false},
        {18, {{5, 2}, {6, 2}, {7, 1}}, {}, {21}, kStartMoney, false, false},  // its own is not the bank's
        {19, {{5, 2}, {6, 1}, {7, 1}}, {}, {}, kStartMoney, false, false},
        {19, {{5, 1}, {6, 1}, {7, 1}}, {22, 23}, {}, kStartMoney, true, true},
        {19, {}, {22, 23}, {}, 11000, true, true},
        {19, {}, {22, 23}, {}, 10999, true, false},
        {0, {}, {}, {}, 10000, true, true},
        {0, {}, {}, {}, 9999, true, false},
    };
    for (const auto& c : cases) {
        StartAt(kLevelStrong);
        Own(1, std::vector<int>(streets.begin(), streets.begin() + static_cast<std::ptrdiff_t>(c.sold)));
        Own(1, c.utilities);
        Own(0, c.mine);
        BuildEach(c.built);
        P(0).money = c.money;
        EXPECT_EQ(Strong().UsesJailCard(game), c.usesCard) << c.sold << " " << c.money;
        EXPECT_EQ(Strong().PaysJail(game), c.pays) << c.sold << " " << c.money;
    }
}

// A human asks the strong computer for one of its streets: it offers the
// exchange only when giving it breaks nothing of its own.
TEST_F(LevelsTest, StrongAnswersAHumanOnlyWithAnExchangeThatIsNotFoolish)
{
    const struct { int32_t level; std::vector<int> computers, humans; int asked; Lines offers; } cases[] = {
        {kLevelNormal, {9, 10, 3, 4}, {8, 2}, 9, {"1:0:9:2:12000"}},
        {kLevelNormal, {9, 10, 1}, {8, 0}, 9, {"1:0:9:0:18000"}},  // the first street asked in return
        {kLevelNormal, {9, 10}, {8}, 9, {}},
        {kLevelStrong, {9, 10, 3, 4}, {8, 2}, 9, {}},
        {kLevelStrong, {3, 4, 24}, {2, 8}, 24, {"1:0:24:2:15000"}},
        {kLevelStrong, {1, 24}, {0}, 24, {"1:0:24:0:21000"}},  // the first street in return
    };
    for (const auto& c : cases) {
        Start({0, 1});
        P(1).level = c.level;
        Own(1, c.computers);
        Own(0, c.humans);
        game.inputMode = kTradeWantedPick;
        game.ComputerAnswerTrade(c.asked);
        EXPECT_EQ(frame.Entries("offer"), c.offers) << c.level;
        EXPECT_EQ(game.inputMode, c.offers.empty() ? kNoInput : kPricedOffer);
        EXPECT_EQ(frame.Showed("Player 2 ne veut pas echanger"), c.offers.empty());
    }
}

// Easy builds only what leaves it 50000 F, buys what leaves it 60000 F
// or completes a group, never short of cash, and never trades first.
TEST_F(LevelsTest, EasyNeverTradesFirstAndBuysOnlyWithCashToSpare)
{
    const struct { int64_t money; int first, second; int64_t moneyAfter; } builds[] = {
        {60000, 1, 1, 50000}, {59999, 1, 0, 54999}, {54999, 0, 0, 54999},
    };
    for (const auto& b : builds) {
        StartAt(kLevelEasy);
        Own(0, {0, 1});
        P(0).money = b.money;
        game.ComputerTurnStart();
        EXPECT_EQ(Deed(0).houses, b.first) << b.money;
        EXPECT_EQ(Deed(1).houses, b.second) << b.money;
        EXPECT_EQ(P(0).money, b.moneyAfter);
    }
    StartAt(kLevelEasy);
    Own(0, {0, 2, 24});
    Own(1, {1, 3, 4});
    Deed(24).mortgaged = 1;
    game.ComputerTurnStart();
    EXPECT_EQ(Deed(1).owner, 1) << "the exchange Normal makes is left";
    EXPECT_EQ(Deed(2).owner, 0);
    EXPECT_EQ(Deed(24).mortgaged, 0) << "a mortgage is lifted as Normal lifts it";
    P(0).money = 74000;
    EXPECT_TRUE(EasyStrategy().Buys(game, 5));
    P(0).money = 73999;
    EXPECT_FALSE(EasyStrategy().Buys(game, 5));
    EXPECT_FALSE(EasyStrategy().BuysShort(game, 5));
    Own(0, {6, 7});
    EXPECT_TRUE(EasyStrategy().Buys(game, 5)) << "a street that completes a group";
    EXPECT_FALSE(EasyStrategy().BuysShort(game, 5));
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
        P(2).money = 900000;  // a seat no one plays is in no ranking
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
    EXPECT_EQ(copy.players[0].level, kLevelStrong);
    EXPECT_EQ(copy.players[1].level, kLevelEasy);
    EXPECT_EQ(copy.players[2].level, kLevelNormal);
    EXPECT_EQ(copy.setupPlayers[0].level, kLevelStrong);
    EXPECT_EQ(copy.turnLimit, 50);
    EXPECT_EQ(copy.roundsPlayed, 7);

    ASSERT_EQ(ReadSave(WithoutLines(save, "(player|setup)\\.\\d\\.level \\d\n|turnLimit \\d+\n|roundsPlayed \\d+\n"),
                       copy, history),
              "");
    EXPECT_EQ(copy.players[0].level, kLevelNormal);
    EXPECT_EQ(copy.setupPlayers[0].level, kLevelNormal);
    EXPECT_EQ(copy.turnLimit, 0);
    EXPECT_EQ(copy.roundsPlayed, 0);

    const struct { const char* from; const char* to; const char* refusal; } bad[] = {
        {"player.0.level 2", "player.0.level 3", "player.0.level vaut 3"},
        {"setup.0.level 2", "setup.0.level -1", "setup.0.level vaut -1"},
        {"roundsPlayed 7", "roundsPlayed 50", "tour 50 au-delà de la limite de 50"},
        {"turnLimit 50", "turnLimit -2", "turnLimit vaut -2"},
    };
    for (const auto& b : bad) {
        const std::string edited = WithoutLines(std::regex_replace(save, std::regex(b.from), b.to), "^$");
        const std::string refusal = ReadSave(edited, copy, history);
        EXPECT_NE(refusal.find(b.refusal), std::string::npos) << refusal;
    }
}
