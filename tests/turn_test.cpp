#include <algorithm>
#include <set>

#include "game_fixture.h"

TEST_F(GameTest, NewGameResetsEveryPlayerAndProperty)
{
    game.properties[3].owner = 1;
    game.properties[3].houses = 2;
    P(1).jail = 2;
    P(1).money = 5;
    game.chestNext = game.chanceNext = 5;
    Start({0, 0, 0});
    EXPECT_EQ(game.chestNext + game.chanceNext, 0);
    EXPECT_STREQ(P(kMaxPlayers).name, "") << "slots past the sixth stay unnamed";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(P(i).money, 150000);
        EXPECT_EQ(P(i).square, 0);
        EXPECT_EQ(P(i).jail, 0);
    }
    for (const Property& property : game.properties) {
        EXPECT_EQ(property.owner, -1);
        EXPECT_EQ(property.houses, 0);
        EXPECT_EQ(property.mortgaged, 0);
    }
    EXPECT_STREQ(P(0).name, "Player 1");
    EXPECT_EQ(game.current, 0);
    EXPECT_EQ(game.jailCardHolder[0], -1);
}

TEST(Shuffle, DecksArePermutationsWhateverTheSource)
{
    CNullFrame frame;
    for (uint64_t seed = 0; seed < 50; ++seed) {
        CSeededRandom random(seed);
        CGame game(frame, random);
        game.ShuffleDecks();
        std::set<int> chest(game.chestOrder, game.chestOrder + kChestCards);
        std::set<int> chance(game.chanceOrder, game.chanceOrder + kChanceCards);
        EXPECT_EQ(chest.size(), 15u);
        EXPECT_EQ(*chest.rbegin(), 14);
        EXPECT_EQ(chance.size(), 16u);
        EXPECT_EQ(*chance.rbegin(), 15);
    }
    // A source that repeats itself: duplicates are drawn again until new.
    CScriptedRandom repeating;
    for (int i = 0; i < 40; ++i)
        repeating.values.push_back(i % 3 == 0 ? 7 : i);
    CGame game(frame, repeating);
    game.ShuffleDecks();
    std::set<int> chest(game.chestOrder, game.chestOrder + kChestCards);
    EXPECT_EQ(chest.size(), 15u);
    EXPECT_EQ(game.chestOrder[0], 7);
}

TEST(Dice, SeededGamesReplayTheSameThrows)
{
    // SplitMix64 from seed 0 gives 0xE220A8397B1DCDAF, 0x6E789E6AA1B965F4,
    // 0x06C45D188009454F: their top 15 bits, so that a seed replays the
    // same game on every platform and every version.
    CSeededRandom reference(0);
    for (int expected : {28944, 14140, 866})
        EXPECT_EQ(reference.Next(), expected);
    CNullFrame frame;
    CSeededRandom a(42), b(42);
    CGame first(frame, a), second(frame, b);
    for (int i = 0; i < 20; ++i) {
        first.ThrowDice();
        second.ThrowDice();
        EXPECT_EQ(first.die1, second.die1);
        EXPECT_EQ(first.die2, second.die2);
        EXPECT_GE(first.die1, 1);
        EXPECT_LE(first.die1, 6);
        EXPECT_EQ(first.moveSteps, first.die1 + first.die2);
    }
}

// Throws a second apart or less must still differ: a source that started
// afresh from the clock before each throw would repeat the last one, double
// included.
TEST(Dice, ClockThrowsInQuickSuccessionFollowOneSequence)
{
    CNullFrame frame;
    CClockRandom random;
    CGame game(frame, random);
    std::set<int> throws;
    for (int i = 0; i < 30; ++i) {
        game.ThrowDice();
        throws.insert(game.die1 * 10 + game.die2);
    }
    EXPECT_GE(throws.size(), 5u);
}

TEST_F(GameTest, HumanWaitsForTheDiceThenWalksAndPassesTheTurn)
{
    Start({0, 0});
    Tick();
    Tick();
    EXPECT_TRUE(frame.Entries("dice").empty()) << "no throw without a click";

    random.QueueDice(2, 3);
    ClickDie();
    EXPECT_EQ(frame.Entries("dice"), std::vector<std::string>{"2:3"});
    EXPECT_EQ(P(0).square, 5);
    const std::vector<std::string> walk = {"0:1:0.5", "0:2:0.5", "0:3:0.5", "0:4:0.5", "0:5:0.5"};
    EXPECT_EQ(frame.Entries("move"), walk);
    EXPECT_TRUE(frame.Showed("Acheter GARE MONTPARNASSE pour 20000F ?"));
    EXPECT_EQ(game.current, 0) << "the purchase question holds the turn";
    Tick('n');
    EXPECT_EQ(game.current, 1);
    EXPECT_EQ(frame.Entries("look"), std::vector<std::string>{"1"});

    // The release tick starts player 1's turn, who has not asked yet.
    frame.Clear();
    Tick();
    EXPECT_TRUE(frame.Entries("dice").empty());
}

TEST_F(GameTest, TypedThrowKeyRollsTheDice)
{
    Start({0, 0});
    random.QueueDice(1, 2);
    frame.keys.push_back('t');
    Tick();
    EXPECT_EQ(P(0).square, 3);
    Tick('n');
    frame.keys.push_back('H');
    random.QueueDice(1, 3);
    Tick();
    EXPECT_EQ(P(1).square, 4);
}

TEST_F(GameTest, DoublesKeepTheTurnAndThreeSendToPrison)
{
    Start({0, 0});
    random.QueueDice(2, 2);
    ClickDie();
    EXPECT_EQ(game.current, 0);
    EXPECT_TRUE(frame.Showed("Vous avez des doubles!"));
    EXPECT_EQ(P(0).square, 4);

    random.QueueDice(3, 3);
    ClickDie();
    EXPECT_EQ(game.current, 0);
    EXPECT_EQ(P(0).square, 10);
    EXPECT_EQ(P(0).jail, 0) << "visiting only";

    frame.Clear();
    random.QueueDice(5, 5);
    ClickDie();
    EXPECT_EQ(P(0).square, 10);
    EXPECT_EQ(P(0).jail, 1);
    EXPECT_TRUE(frame.Showed("3 doubles, Allez en prison !"));
    EXPECT_EQ(frame.Entries("move"), std::vector<std::string>{"0:10:1.5"});
    EXPECT_EQ(game.current, 1);
    EXPECT_EQ(game.doublesCount, 0);
}

TEST_F(GameTest, PassingAndLandingOnDepartPayOncePerPassage)
{
    Start({0, 0});
    P(0).square = 36;
    random.QueueDice(1, 3);
    ClickDie();
    EXPECT_EQ(P(0).square, 0);
    EXPECT_EQ(P(0).money, 170000);

    P(1).square = 38;
    random.QueueDice(1, 4);
    ClickDie();
    EXPECT_EQ(P(1).square, 3);
    EXPECT_EQ(P(1).money, 170000);
    EXPECT_EQ(frame.Entries("move")[5], "1:0:0.5");

    // Past DEPART onto the first street, whose picture is shown.
    Tick('n');
    frame.Clear();
    P(0).square = 39;
    Throw(1, 1);
    EXPECT_EQ(P(0).money, 190000);
    EXPECT_EQ(frame.Entries("picture").back(), "1");
}

TEST_F(GameTest, TheTurnWrapsFromTheLastPlayerToTheFirst)
{
    Start({0, 0, 0});
    for (int i = 0; i < 3; ++i) {
        random.QueueDice(1, 2);
        ClickDie();
        Tick('n');
    }
    EXPECT_EQ(game.current, 0);
    EXPECT_EQ(frame.Entries("look"), (std::vector<std::string>{"1", "2", "0"}));
}

class PrisonTest : public GameTest {
protected:
    void SetUp() override
    {
        Start({0, 0});
        P(0).square = 10;
        P(0).jail = 1;
    }
};

TEST_F(PrisonTest, ADoubleFreesAndMovesWithoutAnotherTurn)
{
    P(0).money = 4000;  // too poor to be offered the fine
    random.QueueDice(4, 4);
    ClickDie();
    EXPECT_EQ(P(0).jail, 0);
    EXPECT_EQ(P(0).square, 18);
    EXPECT_EQ(game.current, 1);
}

TEST_F(PrisonTest, TheThirdFailedThrowPaysTheFineAndMoves)
{
    P(0).money = 4000;  // too poor to be offered the fine
    game.properties[24].owner = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        random.QueueDice(1, 2);
        ClickDie();
        EXPECT_EQ(P(0).square, 10);
        EXPECT_EQ(game.current, 1);
        game.current = 0;
    }
    EXPECT_EQ(P(0).jail, 3);
    random.QueueDice(2, 3);
    ClickDie();
    EXPECT_EQ(P(0).jail, 0);
    EXPECT_TRUE(frame.Showed("Hypothèque de GARE MONTPARNASSE pour 10000F."));
    EXPECT_EQ(P(0).money, 4000 - 5000 + 10000);
    EXPECT_EQ(P(0).square, 15);
}

TEST_F(PrisonTest, AFineThatCannotBePaidEndsTheGame)
{
    P(0).money = 4000;
    P(0).jail = 3;
    random.QueueDice(2, 3);
    ClickDie();
    EXPECT_TRUE(frame.Showed("Player 2 a gagne!!!"));
    EXPECT_EQ(game.gameOver, 1);
    EXPECT_EQ(P(0).square, 10) << "a bankrupt player does not move";
    frame.Clear();
    ClickDie();
    EXPECT_TRUE(frame.log.empty()) << "nothing happens once the game is over";
}

TEST_F(PrisonTest, FineQuestionIsAnsweredOnALaterTick)
{
    ClickDie();
    EXPECT_EQ(game.inputMode, kYesNo);
    EXPECT_TRUE(frame.Showed("Voulez-vous sortir de prison pour 5000F ?"));
    EXPECT_TRUE(frame.Entries("dice").empty());

    // Ticks without an answer keep asking and never throw.
    Tick();
    EXPECT_EQ(game.inputMode, kYesNo);
    EXPECT_TRUE(frame.Entries("dice").empty());

    random.QueueDice(1, 2);
    Tick('y');
    EXPECT_EQ(P(0).jail, 0);
    EXPECT_EQ(P(0).money, 145000);
    EXPECT_EQ(P(0).square, 13);
    Tick('n');
    EXPECT_EQ(game.current, 1);
}

TEST_F(PrisonTest, RefusedCardIsNotOfferedAgainWhileTheFineIsAsked)
{
    game.jailCardHolder[1] = 0;
    ClickDie();
    EXPECT_TRUE(frame.Showed("Voulez-vous utiliser la carte Sortie de Prison?"));
    frame.Clear();
    Tick('n');
    EXPECT_TRUE(frame.Showed("Voulez-vous sortir de prison pour 5000F ?"));
    frame.Clear();
    Tick();
    EXPECT_FALSE(frame.Showed("Voulez-vous utiliser la carte Sortie de Prison?"));
    random.QueueDice(1, 3);
    Tick('n');
    EXPECT_EQ(P(0).jail, 2) << "stayed and failed to throw a double";
    EXPECT_EQ(game.jailCardHolder[1], 0);
    EXPECT_EQ(game.current, 1);
}

TEST_F(PrisonTest, AcceptedCardGoesBackToItsDeckTheChanceCardFirst)
{
    game.jailCardHolder[0] = 0;
    game.jailCardHolder[1] = 0;
    ClickDie();
    EXPECT_FALSE(frame.Showed("Voulez-vous sortir de prison pour 5000F ?")) << "one question at a time";
    random.QueueDice(2, 1);
    Tick('Y');
    EXPECT_EQ(game.jailCardHolder[1], -1);
    EXPECT_EQ(game.jailCardHolder[0], 0);
    EXPECT_EQ(P(0).jail, 0);
    EXPECT_EQ(P(0).square, 13);
    EXPECT_EQ(P(0).money, 150000);

    // With the chest's card alone, that card goes back.
    Tick('n');
    game.current = 0;
    P(0).square = 10;
    P(0).jail = 1;
    ClickDie();
    random.QueueDice(2, 1);
    Tick('y');
    EXPECT_EQ(game.jailCardHolder[0], -1);
    EXPECT_EQ(P(0).square, 13);
}

TEST_F(PrisonTest, TheFineIsOfferedToWhoeverHasItsAmount)
{
    P(0).money = 5000;
    ClickDie();
    EXPECT_TRUE(frame.Showed("Voulez-vous sortir de prison pour 5000F ?"));
    random.QueueDice(1, 2);
    Tick('N');
    EXPECT_EQ(P(0).jail, 2);
    EXPECT_EQ(P(0).money, 5000);
}

TEST_F(PrisonTest, ComputerUsesItsCardUnlessDearStreetsAreBuilt)
{
    P(0).computer = 1;
    game.jailCardHolder[1] = 0;
    game.properties[20].houses = 5;  // a hotel on the dear side
    random.QueueDice(1, 2);
    Tick();
    EXPECT_EQ(game.jailCardHolder[1], 0) << "keeps the card";
    EXPECT_EQ(P(0).money, 150000) << "and does not pay";
    EXPECT_EQ(P(0).jail, 2);

    game.current = 0;
    game.properties[20].houses = 0;
    random.QueueDice(1, 2);
    Tick();
    EXPECT_TRUE(frame.Showed("Player 1 utilise la carte Sortie de Prison"));
    EXPECT_EQ(P(0).square, 13);
    EXPECT_EQ(P(0).money, 150000 - 14000) << "no fine, only the street it stopped on";
}

TEST_F(GameTest, AClickDuringAComputersTurnActsForThatTurn)
{
    Start({0, 1});
    game.current = 1;
    frame.Press(kBuildX, kBuildY);
    Tick();
    EXPECT_EQ(game.inputMode, kBuildPick);
    EXPECT_EQ(game.current, 1);
    EXPECT_EQ(frame.Entries("dice").size(), 0u);
}

TEST_F(GameTest, InspectModeEndsOnAClickOffTheProperties)
{
    Start({0, 0});
    P(0).square = 3;  // its own square's picture is not shown by a look
    frame.keys.push_back('i');
    Tick();
    EXPECT_EQ(game.inputMode, kInspectPick);
    EXPECT_EQ(game.action, kActionInspect) << "the window flies to the overview";

    // Chosen by a click, the look outlives the click on its icon.
    game.inputMode = kNoInput;
    frame.Press(150, 540);
    Tick();
    EXPECT_EQ(game.inputMode, kInspectPick);
    frame.Release();
    Tick();
    EXPECT_EQ(game.inputMode, kInspectPick);

    frame.mouse = {420, 470, false};  // over BOUL. DE BELLEVILLE, released
    Tick();
    EXPECT_TRUE(frame.Showed("BOUL. DE BELLEVILLE"));
    EXPECT_EQ(game.inputMode, kInspectPick);
    frame.Press(420, 470);  // and pressed: the first property is a property
    Tick();
    EXPECT_EQ(game.inputMode, kInspectPick);
    EXPECT_EQ(frame.Entries("picture"), (std::vector<std::string>{"1", "1"}));
    frame.Press(470, 470);  // DEPART
    Tick();
    EXPECT_EQ(game.inputMode, kNoInput);
}

// The icons of the lower strip, corner to corner, and the two halves of the
// mortgage icon.
TEST_F(GameTest, EachIconAnswersOverItsWholeZone)
{
    const struct {
        int x, y;
        int32_t action, mode;
    } cases[] = {
        {18, 530, kActionOverview, kNoInput},      {58, 565, kActionOverview, kNoInput},
        {82, 530, kActionOptions, kNoInput},       {122, 565, kActionOptions, kNoInput},
        {144, 530, kActionInspect, kInspectPick},  {184, 565, kActionInspect, kInspectPick},
        {195, 530, kActionThrow, kNoInput},        {235, 565, kActionThrow, kNoInput},
        {255, 530, kActionThrow, kNoInput},        {295, 565, kActionThrow, kNoInput},
        {325, 530, kNoAction, kTradeWantedPick},   {365, 565, kNoAction, kTradeWantedPick},
        {369, 530, kNoAction, kBuildPick},         {409, 565, kNoAction, kBuildPick},
        {434, 515, kNoAction, kMortgagePick},      {474, 550, kNoAction, kMortgagePick},
        {434, 551, kNoAction, kLiftPick},          {474, 586, kNoAction, kLiftPick},
        {17, 530, kNoAction, kNoInput},            {18, 529, kNoAction, kNoInput},
    };
    for (const auto& c : cases) {
        Start({0, 0});
        frame.Press(c.x, c.y);
        game.ReadHumanAction();
        EXPECT_EQ(game.action, c.action) << c.x << "," << c.y;
        EXPECT_EQ(game.inputMode, c.mode) << c.x << "," << c.y;
    }
}
