// Where the player's presses and keys go: a press read by one step only,
// picks that can be left, waits that a click skips without spending an
// answer, keys that die with their turn, and what the screen says of it.
#include <gtest/gtest.h>

#include <string>

#include "game_fixture.h"
#include "guidance_line.h"
#include "message_layout.h"
#include "option_rows.h"
#include "pace.h"
#include "press_reader.h"
#include "prompt_zones.h"
#include "router.h"
#include "screen.h"
#include "speed_control.h"
#include "tooltips.h"
#include "turn_number.h"

namespace {

constexpr int kStreet = 3;

// A game driven as the application drives it: each loop turn hands the
// rules the press made since the last step, if any, for one step.
class PressesTest : public GameTest {
protected:
    void Step(char key = 0)
    {
        if (key != 0)
            frame.keys.push_back(key);
        frame.mouse = reader.Seen();
        game.Step();
        reader.StepRead();
    }

    void PressProperty(int p)
    {
        const PickRect& rect = pickRects[p];
        reader.Press({(rect.xFrom + rect.xTo) / 2, (rect.yFrom + rect.yTo) / 2, true});
    }

    CPressReader reader;
};

InputEvent Event(InputKind kind, int x, int y)
{
    InputEvent event;
    event.kind = kind;
    event.x = x;
    event.y = y;
    return event;
}

InputEvent KeyEvent(unsigned char key)
{
    InputEvent event;
    event.kind = InputKind::kKey;
    event.key = key;
    return event;
}

// A clock that only moves when told.
struct CFakeClock : CClock {
    uint32_t now = 1000;
    uint32_t Milliseconds() override { return now; }
    void Sleep(uint32_t milliseconds) override { now += milliseconds; }
};

}  // namespace

// Once read, a press is gone, even while the button is still down: between
// presses the rules see no button and a point on no zone.
TEST(PressReader, APressIsReadByTheOneStepAfterIt)
{
    CPressReader reader;
    EXPECT_FALSE(reader.Seen().pressed);
    reader.Press({188, 315, true});
    EXPECT_EQ(reader.Seen().x, 188);
    EXPECT_EQ(reader.Seen().y, 315);
    EXPECT_TRUE(reader.Seen().pressed);
    reader.StepRead();
    const MouseEvent after = reader.Seen();
    EXPECT_FALSE(after.pressed);
    EXPECT_EQ(PropertyAt(after.x, after.y), -1);
    EXPECT_EQ(ChosenAction(after, 0), kNoAction);
    EXPECT_EQ(PromptClickAt(after.x, after.y), PromptClick::kElsewhere);
}

// After a click mortgaged a street, a mode key alone acts on nothing: the
// pick waits for a click of its own.
TEST_F(PressesTest, AModeKeyNeverActsOnTheLastClick)
{
    const struct {
        char key;
        int32_t mode;
    } keys[] = {{'u', kLiftPick}, {'q', kTradeWantedPick}, {'b', kBuildPick}, {'i', kInspectPick}};
    for (const auto& k : keys) {
        Start({0, 0});
        Own(0, {kStreet});
        Step('m');
        PressProperty(kStreet);
        Step();
        ASSERT_EQ(Deed(kStreet).mortgaged, 1);
        const int64_t money = P(0).money;
        Step(k.key);
        Step();
        EXPECT_EQ(game.inputMode, k.mode) << k.key;
        EXPECT_EQ(Deed(kStreet).mortgaged, 1) << k.key;
        EXPECT_EQ(Deed(kStreet).owner, 0) << k.key;
        EXPECT_EQ(P(0).money, money) << k.key;
    }
}

TEST(Router, ARightClickInAPickLiesBesideEveryProperty)
{
    const PickRect& street = pickRects[kStreet];
    const int x = (street.xFrom + street.xTo) / 2;
    const int y = (street.yFrom + street.yTo) / 2;
    InputEvent press = Event(InputKind::kPress, x, y);
    press.button = kRightButton;
    for (int32_t mode = kInspectPick; mode <= kLiftPick; ++mode) {
        const MouseEvent seen = PressForRules(press, mode);
        EXPECT_TRUE(seen.pressed) << mode;
        EXPECT_EQ(PropertyAt(seen.x, seen.y), -1) << mode;
    }
    const MouseEvent outside = PressForRules(press, kNoInput);
    EXPECT_TRUE(outside.pressed);
    EXPECT_EQ(outside.x, x);
    EXPECT_EQ(outside.y, y);
    EXPECT_EQ(PressForRules(press, kYesNo).x, x) << "a question is no pick";
    press.button = kLeftButton;
    EXPECT_EQ(PressForRules(press, kMortgagePick).x, x);
}

// A click or the space bar skips a wait; a click that answers what the
// game waits for (the words, the offer's squares, a pick) ends the wait
// and is kept for the rules.
TEST(Router, DuringAWaitAClickSkipsButNeverSpendsAnAnswer)
{
    using W = WaitingInput;
    const struct {
        int x;
        int y;
        int32_t mode;
        WaitingInput expected;
    } presses[] = {
        {188, 315, kYesNo, W::kAnswer},        // "OUI"
        {255, 315, kYesNo, W::kAnswer},        // "NON"
        {188, 315, kNoInput, W::kAnswer},      // the question still held as a message
        {220, 315, kYesNo, W::kSkip},          // between the words
        {215, 545, kNoInput, W::kSkip},        // a die: no throw
        {45, 110, kPricedOffer, W::kAnswer},   // accept
        {110, 110, kPricedOffer, W::kAnswer},  // refuse
        {45, 110, kMortgagePick, W::kAnswer},  // a property in a pick
        {45, 110, kNoInput, W::kSkip},
    };
    for (const auto& p : presses)
        EXPECT_EQ(WhileWaiting(Event(InputKind::kPress, p.x, p.y), p.mode), p.expected) << p.x << "," << p.y;
    InputEvent wheel = Event(InputKind::kPress, 250, 250);
    wheel.button = kWheelUp;
    EXPECT_EQ(WhileWaiting(wheel, kNoInput), W::kDrop);
    EXPECT_EQ(WhileWaiting(Event(InputKind::kDrag, 250, 250), kNoInput), W::kDrop);
    EXPECT_EQ(WhileWaiting(Event(InputKind::kRelease, 250, 250), kNoInput), W::kKeep);
    const std::pair<unsigned char, WaitingInput> keys[] = {
        {' ', W::kSkip}, {27, W::kQuit}, {'+', W::kFaster}, {'-', W::kSlower}, {'s', W::kMute}, {'t', W::kKeep}};
    for (const auto& [key, expected] : keys)
        EXPECT_EQ(WhileWaiting(KeyEvent(key), kNoInput), expected) << key;
}

// A key kept through the computer's holds belongs to the computer's turn:
// once that turn is over it no longer acts.
TEST_F(PressesTest, AKeyKeptThroughAnotherPlayersTurnIsDropped)
{
    Start({1, 0});
    InputEvent key = KeyEvent('i');
    key.turn = TurnNumber(game);
    EXPECT_EQ(WhileWaiting(key, game.inputMode), WaitingInput::kKeep);
    EXPECT_TRUE(StillItsTurn(key, TurnNumber(game)));
    random.QueueDice(3, 4);
    Step();
    ASSERT_EQ(game.current, 1);
    EXPECT_FALSE(StillItsTurn(key, TurnNumber(game)));
}

// Only the two dice invite a throw, so that an ended game never does.
TEST(Tooltips, OnlyTheDiceInviteAThrow)
{
    for (int action = 0; action < kActionCount; ++action) {
        const ActionZone& zone = actionZones[action];
        const char* tip = TooltipAt(zone.x + 20, zone.y + 17);
        const bool die = action == kActionThrow || action == kActionThrowRight;
        EXPECT_EQ(InvitesAThrow(tip), die) << action;
    }
}

TEST(Router, PlusAndMinusStepTheSpeedAndNoOtherKeyDoes)
{
    EXPECT_EQ(SpeedKeyStep('+'), 1);
    EXPECT_EQ(SpeedKeyStep('-'), -1);
    EXPECT_EQ(SpeedKeyStep('a'), 0);
}

TEST(SpeedControl, ANewSpeedIsShownForTwoSecondsAndKeptInTheSave)
{
    CFakeClock clock;
    CPace pace(clock);
    CSpeedControl speed(pace);
    speed.Step(1);
    EXPECT_EQ(speed.Notice(), "Vitesse : Rapide");
    clock.now += 1999;
    EXPECT_EQ(speed.Notice(), "Vitesse : Rapide");
    EXPECT_FALSE(speed.NoticeExpired());
    clock.now += 1;
    EXPECT_EQ(speed.Notice(), "");
    EXPECT_TRUE(speed.NoticeExpired());
    speed.Step(-1);
    EXPECT_EQ(speed.Notice(), "Vitesse : Normale");
    speed.NextRound();
    EXPECT_EQ(speed.SpeedLabel(), "Vitesse : Rapide");
    speed.ToggleFastComputers();
    EXPECT_TRUE(pace.FastComputers());
    speed.ToggleFastComputers();
    EXPECT_FALSE(pace.FastComputers());
}


// Whatever the mode and however long the name, the guidance takes one line
// of the board view, and nothing at all when it has nothing to say.
TEST(Guidance, EveryLineFitsOneLineWithTheLongestName)
{
    EXPECT_LE(kGuidanceChars * 14 * kGuidanceScale, 640.0f);
    CNullFrame frame;
    CScriptedRandom random;
    CGame game(frame, random);
    game.playerCount = 2;
    for (int i = 0; i < 2; ++i)
        std::snprintf(game.players[i].name, kNameSize, "%s", "Marie-Charlotte-Ann");
    ASSERT_EQ(CountCharacters(game.players[0].name), 19);
    game.properties[0].owner = 1;
    game.tradeWanted = 0;
    for (int32_t mode = kNoInput; mode <= kLiftPick; ++mode) {
        game.inputMode = mode;
        for (int computer = 0; computer < 2; ++computer) {
            game.players[0].computer = computer;
            const std::string line = GuidanceLine(game);
            EXPECT_LE(CountCharacters(line), kGuidanceChars) << line;
        }
    }
    EXPECT_EQ(GuidanceLine(game).empty(), false);
    game.gameOver = 1;
    EXPECT_EQ(GuidanceLine(game), "");
    EXPECT_TRUE(LayOutMessage("").empty());
}

// The options box lies inside the board view: a click on the panel is
// outside it, and each row answers its own height.
// What a click finds along a line of the board view, as runs "found:from-to"
// of layout pixels: the rows' edges and the box's, pixel for pixel.
std::string RunsAlong(bool across, int at, int rows)
{
    std::string runs;
    int from = 0;
    int last = OptionsRowAt(across ? 0 : at, across ? at : 0, rows);
    for (int k = 1; k <= 520; ++k) {
        const int found = k == 520 ? last + 1 : OptionsRowAt(across ? k : at, across ? at : k, rows);
        if (found == last)
            continue;
        runs += std::to_string(last) + ":" + std::to_string(from) + "-" + std::to_string(k - 1) + " ";
        from = k;
        last = found;
    }
    return runs;
}

// Down the middle of five rows, then across the first: the box stays
// inside the board view, and every row is found under its own line.
TEST(OptionsScreen, TheBoxLiesInsideTheBoardView)
{
    EXPECT_EQ(RunsAlong(false, 250, 5),
              "-2:0-74 -1:75-132 0:133-166 1:167-200 2:201-233 3:234-267 4:268-301 -1:302-318 -2:319-519 ");
    EXPECT_EQ(RunsAlong(true, 160, 5), "-2:0-23 0:24-476 -2:477-519 ");
    EXPECT_EQ(OptionsRowAt(520, 200, 5), kOutsideBox);
}

namespace {

struct CCountingScreen : CScreen {
    void OnKey(const InputEvent&) override { ++keys; }
    void OnPress(const InputEvent&) override {}
    bool HoldsGame() const override { return holds; }
    int keys = 0;
    bool holds = true;
};

}  // namespace

// The game itself stays at the bottom; a screen is opened once however
// often it is asked for; any open screen that holds the game holds it.
TEST(ScreenStack, TheBottomStaysAndAScreenOpensOnce)
{
    CCountingScreen play;
    play.holds = false;
    CCountingScreen options;
    CCountingScreen help;
    CScreenStack stack(play);
    int changes = 0;
    stack.OnChange([&changes] { ++changes; });
    EXPECT_FALSE(stack.HoldsGame());
    stack.Push(options);
    stack.Push(help);
    stack.Push(options);
    EXPECT_EQ(changes, 2) << "one change for each screen opened";
    EXPECT_EQ(&stack.Top(), &help);
    EXPECT_TRUE(stack.HoldsGame());
    stack.Pop();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(&stack.Top(), &options);
    stack.CloseAll();
    stack.Pop();
    EXPECT_EQ(changes, 4) << "one for closing them all, none for the bottom, which stays";
    EXPECT_EQ(&stack.Top(), &play);
    EXPECT_FALSE(stack.IsOpen(options));
    stack.Push(help);
    stack.Pop();
    EXPECT_EQ(&stack.Top(), &play) << "the one screen over the bottom closes";
    stack.CloseAll();
    EXPECT_EQ(changes, 6) << "none when there is nothing to close";
}
