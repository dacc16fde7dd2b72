#include <algorithm>
#include <set>
#include <numeric>

#include "game_fixture.h"

// A new game puts back every field that a game changes.
TEST_F(GameTest, ANewGameResetsEveryFieldThatAGameChanges)
{
    Start({0, 0, 0});
    for (int i = 0; i < kPlayerSlots; ++i) {
        P(i).square = 10;
        P(i).money = 1;
        P(i).jail = 2;
        P(i).seat = kPlayerSlots - 1 - i;
    }
    for (Property& deed : game.properties) {
        deed.owner = 1;
        deed.mortgaged = 1;
        deed.houses = 3;
    }
    std::fill(std::begin(game.chestOrder), std::end(game.chestOrder), 0);
    std::fill(std::begin(game.chanceOrder), std::end(game.chanceOrder), 0);
    game.showSquare = 0;
    game.moveSteps = 2;
    game.doublesCount = 2;
    game.chestNext = 5;
    game.chanceNext = 5;
    game.jailCardHolder[0] = 1;
    game.jailCardHolder[1] = 2;
    game.rollState = 2;
    game.current = 2;
    game.roundsPlayed = 7;
    game.pendingSale = 3;
    game.pendingSwap = 1;
    game.pendingDeal.asker = 1;
    game.nextDealRound[2] = 9;
    game.proposedDeals.push_back(Deal{});
    game.worthHistory.Record(game);
    game.NewGame();
    for (int i = 0; i < kPlayerSlots; ++i) {
        EXPECT_EQ(P(i).square, 0);
        EXPECT_EQ(P(i).money, kStartMoney);
        EXPECT_EQ(P(i).jail, 0);
        EXPECT_EQ(P(i).seat, i);
    }
    EXPECT_EQ(std::memcmp(game.properties, deedTable, sizeof deedTable), 0) << "every deed the bank's, bare";
    EXPECT_EQ(game.showSquare, 1);
    EXPECT_EQ(game.moveSteps, 0);
    EXPECT_EQ(game.doublesCount, 0);
    EXPECT_EQ(game.chestNext, 0);
    EXPECT_EQ(game.chanceNext, 0);
    EXPECT_EQ(game.jailCardHolder[0], -1);
    EXPECT_EQ(game.jailCardHolder[1], -1);
    EXPECT_EQ(game.rollState, 0);
    EXPECT_EQ(game.current, 0);
    EXPECT_EQ(game.roundsPlayed, 0);
    EXPECT_EQ(game.pendingSale, -1);
    EXPECT_EQ(game.pendingSwap, 0);
    EXPECT_EQ(game.pendingDeal.asker, -1);
    EXPECT_EQ(game.nextDealRound[2], 0);
    EXPECT_TRUE(game.proposedDeals.empty());
    EXPECT_EQ(game.worthHistory.Line(0), std::vector<int64_t>{kStartMoney});
    EXPECT_EQ(game.worthHistory.Turns(), 0);
    EXPECT_EQ(game.setupPlayers[0].seat, 0) << "the set-up records are the console's";
    EXPECT_EQ(CheckConsistency(game, nullptr), "") << "both decks shuffled whole";
}

// A game as made, before any set-up: six named seats at the start with the
// starting money, two blank slots, every deed the bank's.
TEST_F(GameTest, AGameIsMadeWithSixSeatsReadyToPlay)
{
    CGame made(frame, random);
    for (int i = 0; i < kPlayerSlots; ++i) {
        const bool seated = i < kMaxPlayers;
        EXPECT_EQ(made.players[i].name, seated ? "Player " + std::to_string(i + 1) : "") << i;
        EXPECT_EQ(made.players[i].money, seated ? kStartMoney : 0) << i;
        EXPECT_EQ(made.players[i].color, seated ? i : 0) << i;
        EXPECT_EQ(made.players[i].seat, seated ? i : 0) << i;
        EXPECT_EQ(made.players[i].square, 0) << i;
        EXPECT_EQ(made.players[i].jail, 0) << i;
        EXPECT_EQ(made.players[i].computer, 0) << i;
    }
    EXPECT_EQ(std::memcmp(made.properties, deedTable, sizeof deedTable), 0);
}

TEST_F(GameTest, HumansThrowOnAClickOrAKeyAndTheTurnGoesRound)
{
    Start({0, 0, 0});
    Tick();
    Tick();
    EXPECT_TRUE(frame.Entries("dice").empty()) << "no throw without a click";
    Throw(2, 3);
    EXPECT_EQ(frame.Entries("dice"), Lines{"2:3"});
    EXPECT_EQ(frame.Entries("move"), (Lines{"0:1:0.5", "0:2:0.5", "0:3:0.5", "0:4:0.5", "0:5:0.5"}));
    EXPECT_TRUE(frame.Showed("Acheter GARE MONTPARNASSE pour 20000F ?"));
    EXPECT_EQ(game.current, 0) << "the purchase question holds the turn";
    EXPECT_EQ(frame.turnsOver, 0);
    Tick('n');
    EXPECT_EQ(frame.turnsOver, 1) << "the frame hears of every turn's end";
    Tick();
    EXPECT_EQ(frame.Entries("dice").size(), 1u) << "the release tick throws nothing";
    for (char key : {'t', 'H'}) {
        random.QueueDice(1, 3);
        frame.keys.push_back(key);
        Tick();
    }
    EXPECT_EQ(P(1).square, 4);
    EXPECT_EQ(P(2).square, 4);
    EXPECT_EQ(game.current, 0);
    EXPECT_EQ(frame.Entries("look"), (Lines{"1", "2", "0"}));
    frame.Clear();
    Throw(1, 2);
    const auto picture = std::find(frame.log.begin(), frame.log.end(), "picture:5");
    ASSERT_NE(picture, frame.log.end()) << "the deed it stands on, shown before the throw";
    EXPECT_EQ(*std::next(picture), "redraw");
}

TEST(Random, DecksArePermutationsTheSeededSequenceIsFixedAndClockThrowsDiffer)
{
    CNullFrame frame;
    // A source that repeats itself: duplicates are drawn again until new.
    CScriptedRandom repeating;
    for (int i = 0; i < 40; ++i)
        repeating.values.push_back(i % 3 == 0 ? 7 : i);
    CGame shuffled(frame, repeating);
    shuffled.ShuffleDecks();
    std::vector<int32_t> chest(shuffled.chestOrder, shuffled.chestOrder + kChestCards);
    std::sort(chest.begin(), chest.end());
    std::vector<int32_t> everyChest(kChestCards);
    std::iota(everyChest.begin(), everyChest.end(), 0);
    EXPECT_EQ(chest, everyChest);
    EXPECT_EQ(shuffled.chestOrder[0], 7);

    // SplitMix64 from seed 0 gives 0xE220A8397B1DCDAF, 0x6E789E6AA1B965F4,
    // 0x06C45D188009454F: their top 15 bits, so that a seed replays the
    // same game on every platform and every version.
    CSeededRandom reference(0);
    for (int expected : {28944, 14140, 866})
        EXPECT_EQ(reference.Next(), expected);
    // Throws a second apart or less must still differ: a source that started
    // afresh from the clock before each throw would repeat the last one.
    CClockRandom clock;
    CGame timed(frame, clock);
    std::set<int> throws;
    for (int i = 0; i < 30; ++i) {
        timed.ThrowDice();
        EXPECT_GE(timed.die1, 1);
        EXPECT_LE(timed.die1, 6);
        throws.insert(timed.die1 * 10 + timed.die2);
    }
    EXPECT_GE(throws.size(), 5u);

    // Made, it seeds itself from the clock: it never goes on from a seed
    // that something else left.
    std::srand(1);
    std::vector<int> fromSeedOne;
    for (int i = 0; i < 8; ++i)
        fromSeedOne.push_back(std::rand() % 32768);
    std::srand(1);
    CClockRandom seeded;
    std::vector<int> drawn;
    for (int i = 0; i < 8; ++i)
        drawn.push_back(seeded.Next());
    EXPECT_NE(drawn, fromSeedOne);
}


TEST_F(GameTest, DoublesKeepTheTurnThreeSendToPrisonAndDepartPaysOnce)
{
    Start({0, 0});
    Throw(2, 2);
    EXPECT_TRUE(frame.Showed("Vous avez des doubles!"));
    EXPECT_EQ(frame.turnsOver, 1) << "a double ends a turn too";
    Throw(1, 3);
    Tick('n');
    EXPECT_EQ(game.current, 1);
    EXPECT_EQ(game.doublesCount, 0) << "the next throw is no double";
    Throw(2, 2);
    Throw(3, 3);
    EXPECT_EQ(game.current, 1);
    EXPECT_EQ(P(1).square, 10);
    EXPECT_EQ(P(1).jail, 0) << "visiting only";
    frame.Clear();
    Throw(5, 5);
    EXPECT_TRUE(frame.Showed("3 doubles, Allez en prison !"));
    EXPECT_EQ(frame.Entries("move"), Lines{"1:10:1.5"});
    EXPECT_EQ(P(1).square, 10);
    EXPECT_EQ(P(1).jail, 1);
    EXPECT_EQ(game.current, 0);
    EXPECT_EQ(game.doublesCount, 0);
    EXPECT_EQ(game.moveSteps, 0);

    // DEPART pays once per passage, whether passed or landed on.
    Start({0, 0});
    P(0).square = 36;
    Throw(1, 3);
    EXPECT_EQ(P(0).square, 0);
    EXPECT_EQ(P(0).money, 170000);
    P(1).square = 38;
    Throw(1, 4);
    EXPECT_EQ(P(1).square, 3);
    EXPECT_EQ(P(1).money, 170000);
    EXPECT_EQ(frame.Entries("move")[5], "1:0:0.5");
    // Past DEPART onto the first street, whose picture is shown.
    Tick('n');
    P(0).square = 39;
    Throw(1, 1);
    EXPECT_EQ(P(0).money, 190000);
    EXPECT_EQ(frame.Entries("picture").back(), "1");
}

// A player in prison throws, answering the questions in turn; '-' is a tick
// without an answer.
TEST_F(GameTest, PrisonIsLeftByADoubleTheFineOrACardAndComputersWeighTheCard)
{
    const char kCard[] = "Voulez-vous utiliser la carte Sortie de Prison?";
    const char kFine[] = "Voulez-vous sortir de prison pour 5000F ?";
    const char kBuy13[] = "Acheter AVENUE DE NEUILLY pour 14000F ?";
    const struct {
        const char* what;
        int jail, cards[2], mortgage;  // a station to mortgage, or -1
        int64_t money; int die1, die2; const char* answers;
        int square, jailAfter, cardsAfter[2]; int64_t moneyAfter; Lines asked;
    } cases[] = {
        {"double", 1, {-1, -1}, -1, 4000, 4, 4, "", 18, 0, {-1, -1}, 4000, {}},
        {"fine refused", 1, {-1, -1}, -1, 5000, 1, 2, "N", 10, 2, {-1, -1}, 5000, {kFine}},
        {"fine paid later", 1, {-1, -1}, -1, 150000, 1, 2, "-yn", 13, 0, {-1, -1}, 145000,
         {kFine, kBuy13}},
        {"fine unpaid", 3, {-1, -1}, -1, 4000, 2, 3, "", 10, 0, {-1, -1}, 0, {}},
        {"third throw pays", 3, {-1, -1}, 24, 4000, 2, 3, "", 15, 0, {-1, -1}, 9000, {}},
        {"card refused", 1, {-1, 0}, -1, 150000, 1, 3, "n-n", 10, 2, {-1, 0}, 150000, {kCard, kFine}},
        {"chance first", 1, {0, 0}, -1, 150000, 2, 1, "Yn", 13, 0, {0, -1}, 150000, {kCard, kBuy13}},
        {"chest card", 1, {0, -1}, -1, 150000, 2, 1, "yn", 13, 0, {-1, -1}, 150000, {kCard, kBuy13}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start({0, 0});
        P(0).square = kPrisonSquare;
        P(0).jail = c.jail;
        P(0).money = c.money;
        std::copy(c.cards, c.cards + 2, game.jailCardHolder);
        if (c.mortgage >= 0)
            Own(0, {c.mortgage});
        random.QueueDice(c.die1, c.die2);
        ClickDie();
        for (const char* a = c.answers; *a; ++a)
            Tick(*a == '-' ? 0 : *a);
        EXPECT_EQ(P(0).square, c.square);
        EXPECT_EQ(P(0).jail, c.jailAfter);
        EXPECT_EQ(P(0).money, c.moneyAfter);
        EXPECT_EQ(game.current, 1);
        EXPECT_EQ(game.jailCardHolder[0], c.cardsAfter[0]);
        EXPECT_EQ(game.jailCardHolder[1], c.cardsAfter[1]);
        EXPECT_EQ(frame.turnsOver, 1) << "the turn's end, or the game's, is told once";
        // A question is asked when its OUI NON buttons come with it.
        Lines asked;
        for (size_t i = 1; i < frame.log.size(); ++i)
            if (frame.log[i - 1] == "yesno" && (asked.empty() || asked.back() != frame.log[i].substr(4)))
                asked.push_back(frame.log[i].substr(4));
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(frame.Showed("Hypothèque de GARE MONTPARNASSE pour 10000F."), c.mortgage >= 0);
        EXPECT_EQ(game.gameOver, frame.Showed("Player 2 a gagne!!!"));
        EXPECT_EQ(game.gameOver, c.moneyAfter == 0);
    }

    // Ruined by the fine at a table of three, the prisoner walks no further.
    Start({0, 0, 0});
    P(0).square = kPrisonSquare;
    P(0).jail = 3;
    P(0).money = 4000;
    random.QueueDice(2, 3);
    ClickDie();
    EXPECT_EQ(game.playerCount, 2);
    EXPECT_TRUE(frame.Entries("move").empty());

    // A computer uses its prison card unless dear streets are built.
    Start({1, 0});
    P(0).square = kPrisonSquare;
    P(0).jail = 1;
    game.jailCardHolder[1] = 0;
    Deed(20).houses = 5;  // a hotel on the dear side
    random.QueueDice(1, 2);
    Tick();
    EXPECT_EQ(game.jailCardHolder[1], 0) << "keeps the card";
    EXPECT_EQ(P(0).money, 150000) << "and does not pay";
    EXPECT_EQ(P(0).jail, 2);

    game.current = 0;
    Deed(20).houses = 0;
    random.QueueDice(1, 2);
    Tick();
    EXPECT_TRUE(frame.Showed("Player 1 utilise la carte Sortie de Prison"));
    EXPECT_EQ(game.jailCardHolder[1], -1) << "the card goes back";
    EXPECT_EQ(P(0).square, 13);
    EXPECT_EQ(P(0).money, 150000 - 14000) << "no fine, only the street it stopped on";
}

TEST_F(GameTest, InspectModeEndsOffThePropertiesAndEachIconAnswersOverItsZone)
{
    Start({0, 0});
    P(0).square = 3;  // its own square's picture is not shown by a look
    frame.keys.push_back('i');
    Tick();
    EXPECT_EQ(game.inputMode, kInspectPick);
    EXPECT_EQ(game.action, kActionInspect);

    // Chosen by a click, the look outlives the click on its icon.
    game.inputMode = kNoInput;
    frame.Press(150, 540);
    Tick();
    frame.Release();
    Tick();
    EXPECT_EQ(game.inputMode, kInspectPick);
    frame.mouse = {420, 470, false};  // over BOUL. DE BELLEVILLE, released
    Tick();
    EXPECT_TRUE(frame.Showed("BOUL. DE BELLEVILLE"));
    frame.Press(420, 470);  // and pressed: the first property is a property
    Tick();
    EXPECT_EQ(game.inputMode, kInspectPick);
    EXPECT_EQ(frame.Entries("picture"), (Lines{"1", "1"}));
    frame.Press(470, 470);  // DEPART
    Tick();
    EXPECT_EQ(game.inputMode, kNoInput);

    // The keys, and the icons of the lower strip, corner to corner (each zone by
    // its top-left corner, 40 wide and 35 high), and the two halves of the
    // mortgage icon.
    const struct { int x, y; int32_t action, mode; } zones[] = {
        {18, 530, kActionOverview, kNoInput}, {82, 530, kActionOptions, kNoInput},
        {144, 530, kActionInspect, kInspectPick}, {195, 530, kActionThrow, kNoInput},
        {255, 530, kActionThrow, kNoInput}, {325, 530, kNoAction, kTradeWantedPick},
        {369, 530, kNoAction, kBuildPick}, {434, 515, kNoAction, kMortgagePick},
        {434, 551, kNoAction, kLiftPick},
    };
    const char keys[] = "doithqbmu";
    for (int action = 0; action < kActionCount; ++action) {
        EXPECT_EQ(ChosenAction({}, keys[action]), action) << keys[action];
        EXPECT_EQ(ChosenAction({}, static_cast<char>(keys[action] - 32)), action);
    }
    const auto expectAt = [this](int x, int y, int32_t action, int32_t mode) {
        Start({0, 0});
        frame.Press(x, y);
        game.ReadHumanAction();
        EXPECT_EQ(game.action, action) << x << "," << y;
        EXPECT_EQ(game.inputMode, mode) << x << "," << y;
        const bool picksOnTheBoard = mode != kNoInput && mode != kInspectPick;
        EXPECT_EQ(std::count(frame.log.begin(), frame.log.end(), "overview"), picksOnTheBoard ? 1 : 0);
    };
    for (const auto& z : zones)
        for (int corner : {0, 1})
            expectAt(z.x + 40 * corner, z.y + 35 * corner, z.action, z.mode);
    expectAt(17, 530, kNoAction, kNoInput);
    expectAt(18, 529, kNoAction, kNoInput);
    expectAt(59, 565, kNoAction, kNoInput);

    // A click during a computer's turn acts for that turn.
    Start({0, 1});
    game.current = 1;
    frame.Press(kBuildX, kBuildY);
    Tick();
    EXPECT_EQ(game.inputMode, kBuildPick);
    EXPECT_EQ(game.current, 1);
    EXPECT_TRUE(frame.Entries("dice").empty());
}
