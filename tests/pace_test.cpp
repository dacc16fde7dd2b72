// Skip and speed on a fake clock: how long each wait lasts at each speed,
// what a skip ends, and what the window draws and keeps meanwhile.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "brief_notice.h"
#include "fake_clock.h"
#include "fake_frame.h"
#include "frame_pacer.h"
#include "game.h"
#include "game_random.h"
#include "pace.h"
#include "skip_input.h"
#include "visible_state.h"

namespace {

struct SpeedCase {
    Speed speed;
    uint32_t holdMs;     // of a 1.5 s message
    uint32_t walkFrames;  // of a 0.5 s leg, at 16 ms a frame
};

class SpeedTest : public testing::TestWithParam<SpeedCase> {};

// A pump that skips on its n-th call: a click arriving during the wait.
std::function<void()> SkipOnCall(CPace& pace, int call)
{
    auto calls = std::make_shared<int>(0);
    return [&pace, call, calls] {
        if (++*calls == call)
            pace.Skip();
    };
}

}  // namespace

TEST_P(SpeedTest, HoldsAndWalksAreDividedBySpeed)
{
    CFakeClock clock;
    CPace pace(clock);
    pace.SetSpeed(GetParam().speed);
    pace.Hold(1500);
    EXPECT_EQ(clock.now - 1000, GetParam().holdMs);

    std::vector<float> fractions;
    uint32_t frames = 0;
    pace.Run(WaitKind::kWalk, 0.5f, [&](float f) { fractions.push_back(f); }, [&] { ++frames; });
    EXPECT_EQ(frames, GetParam().walkFrames);
    ASSERT_FALSE(fractions.empty());
    EXPECT_FLOAT_EQ(fractions.back(), 1.0f) << "the pawn always lands";
    EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
    EXPECT_FALSE(pace.Waiting());
}

INSTANTIATE_TEST_SUITE_P(FourSpeeds, SpeedTest,
                         testing::Values(SpeedCase{Speed::kNormal, 1500, 32},
                                         SpeedCase{Speed::kFast, 750, 16},
                                         SpeedCase{Speed::kFaster, 375, 8},
                                         SpeedCase{Speed::kInstant, 0, 0}));

TEST(Pace, ASkipEndsTheWaitUnderWayAndNoOther)
{
    CFakeClock clock;
    CPace pace(clock);
    EXPECT_FALSE(pace.Skip()) << "no wait under way: an ordinary click";
    pace.SetEventPump(SkipOnCall(pace, 1));
    pace.Hold(1500);
    EXPECT_EQ(clock.now, 1000u) << "a 1.5 s hold ends at once";

    pace.SetEventPump(nullptr);
    pace.Hold(1500);
    EXPECT_EQ(clock.now, 2500u) << "the skip was used up";
}

TEST(Pace, ASkippedWalkLandsThePawnAtTheEndOfTheWholeWalk)
{
    CFakeClock clock;
    CPace pace(clock);
    int frames = 0;
    float last = 0;
    const auto apply = [&](float f) { last = f; };
    const auto draw = [&] { ++frames; };
    pace.SetEventPump(SkipOnCall(pace, 3));
    pace.Run(WaitKind::kWalk, 0.5f, apply, draw);
    EXPECT_EQ(frames, 2);
    EXPECT_FLOAT_EQ(last, 1.0f);

    pace.SetEventPump(nullptr);
    pace.Run(WaitKind::kWalk, 0.5f, apply, draw);
    pace.Run(WaitKind::kWalk, 0.5f, apply, draw);
    EXPECT_EQ(frames, 2) << "the next squares of the same walk land at once";
    EXPECT_FLOAT_EQ(last, 1.0f);

    const uint32_t before = clock.now;
    pace.Hold(1500);
    EXPECT_EQ(clock.now - before, 1500u) << "a message after the walk is held";
    pace.Run(WaitKind::kWalk, 0.5f, apply, draw);
    EXPECT_EQ(frames, 34) << "a later walk walks";

    pace.SetEventPump(SkipOnCall(pace, 2));
    pace.Run(WaitKind::kWalk, 0.5f, apply, draw);
    pace.EndStep();
    pace.SetEventPump(nullptr);
    pace.Run(WaitKind::kWalk, 0.5f, apply, draw);
    EXPECT_EQ(frames, 35 + 32) << "a skip does not reach into the next step";
}

TEST(Pace, ASkippedRollOrFlightEndsOnItsFinalState)
{
    for (WaitKind kind : {WaitKind::kDice, WaitKind::kFlight}) {
        CFakeClock clock;
        CPace pace(clock);
        pace.SetEventPump(SkipOnCall(pace, 1));
        std::vector<float> fractions;
        pace.Run(kind, 1.0f, [&](float f) { fractions.push_back(f); }, [] {});
        EXPECT_EQ(fractions, (std::vector<float>{0.0f, 1.0f}));
        EXPECT_LT(clock.now - 1000, 16u);
    }
}

TEST(Pace, EventsAreReadOftenDuringAHold)
{
    CFakeClock clock;
    CPace pace(clock);
    std::vector<uint32_t> reads;
    pace.SetEventPump([&] {
        EXPECT_TRUE(pace.Waiting()) << "input during a wait is kept, not acted on";
        reads.push_back(clock.now);
    });
    pace.Hold(1500);
    ASSERT_GE(reads.size(), 100u);
    for (size_t i = 1; i < reads.size(); ++i)
        EXPECT_LE(reads[i] - reads[i - 1], 10u) << "Escape must act at once";
    EXPECT_FALSE(pace.Waiting());
}

TEST(Pace, ComputerTurnsCanBeFasterThanTheChosenSpeed)
{
    CFakeClock clock;
    CPace pace(clock);
    const struct {
        Speed chosen;
        bool fastComputers;
        bool computerTurn;
        Speed expected;
    } cases[] = {
        {Speed::kNormal, false, true, Speed::kNormal},
        {Speed::kNormal, true, false, Speed::kNormal},
        {Speed::kNormal, true, true, Speed::kFaster},
        {Speed::kFast, true, true, Speed::kFaster},
        {Speed::kInstant, true, true, Speed::kInstant},
        {Speed::kInstant, true, false, Speed::kInstant},
    };
    for (const auto& c : cases) {
        pace.SetSpeed(c.chosen);
        pace.SetFastComputers(c.fastComputers);
        pace.SetComputerTurn(c.computerTurn);
        EXPECT_EQ(pace.CurrentSpeed(), c.expected)
            << SpeedInfo(c.chosen).label << c.fastComputers << c.computerTurn;
    }
}

TEST(Speeds, NamesKeysAndOrder)
{
    const struct {
        const char* option;
        const char* label;
        Speed speed;
    } rows[] = {{"normal", "Normale", Speed::kNormal},
                {"fast", "Rapide", Speed::kFast},
                {"faster", "Très rapide", Speed::kFaster},
                {"instant", "Instantanée", Speed::kInstant}};
    for (const auto& row : rows) {
        Speed read = Speed::kNormal;
        EXPECT_TRUE(SpeedFromOption(row.option, read));
        EXPECT_EQ(read, row.speed);
        EXPECT_STREQ(SpeedInfo(row.speed).label, row.label);
    }
    Speed unused = Speed::kFast;
    EXPECT_FALSE(SpeedFromOption("Normale", unused));
    EXPECT_FALSE(SpeedFromOption("", unused));
    EXPECT_EQ(unused, Speed::kFast);

    Speed next = Speed::kNormal;
    EXPECT_TRUE(SpeedAfterKey('+', Speed::kNormal, next));
    EXPECT_EQ(next, Speed::kFast);
    EXPECT_TRUE(SpeedAfterKey('+', Speed::kInstant, next));
    EXPECT_EQ(next, Speed::kInstant) << "stops at the fastest";
    EXPECT_TRUE(SpeedAfterKey('-', Speed::kNormal, next));
    EXPECT_EQ(next, Speed::kNormal) << "stops at the slowest";
    EXPECT_TRUE(SpeedAfterKey('-', Speed::kInstant, next));
    EXPECT_EQ(next, Speed::kFaster);
    EXPECT_FALSE(SpeedAfterKey('t', Speed::kNormal, next));
    EXPECT_EQ(NextSpeedRound(Speed::kFaster), Speed::kInstant);
    EXPECT_EQ(NextSpeedRound(Speed::kInstant), Speed::kNormal) << "the row goes round";
    EXPECT_EQ(SpeedNoticeText(Speed::kFaster), "Vitesse : Très rapide");
}

TEST(SkipInput, ASkipNeverAnswersAQuestion)
{
    const struct {
        int x, y, inputMode;
        WaitingInput expected;
    } presses[] = {
        {188, 315, kYesNo, WaitingInput::kKeep},        // "OUI"
        {255, 315, kYesNo, WaitingInput::kKeep},        // "NON"
        {188, 315, kNoInput, WaitingInput::kKeep},      // the question still held as a message
        {220, 315, kYesNo, WaitingInput::kSkip},        // between the words
        {750, 300, kMortgagePick, WaitingInput::kSkip},  // the panel
        {215, 545, kNoInput, WaitingInput::kSkip},      // a die: no throw
        {45, 110, kPricedOffer, WaitingInput::kKeep},   // accept
        {110, 110, kPricedOffer, WaitingInput::kKeep},  // refuse
        {45, 110, kMortgagePick, WaitingInput::kSkip},  // a property: no pick
    };
    for (const auto& p : presses)
        EXPECT_EQ(PressWhileWaiting(p.x, p.y, p.inputMode), p.expected)
            << p.x << "," << p.y << " mode " << p.inputMode;

    const std::pair<unsigned char, WaitingInput> keys[] = {
        {' ', WaitingInput::kSkip},   {27, WaitingInput::kQuit},  {'+', WaitingInput::kFaster},
        {'-', WaitingInput::kSlower}, {'t', WaitingInput::kKeep}, {'m', WaitingInput::kKeep},
    };
    for (const auto& [key, expected] : keys)
        EXPECT_EQ(KeyWhileWaiting(key), expected) << key;
}

TEST(FramePacer, DrawsChangesOnlyAndAtMostSixtyTimesASecond)
{
    CFramePacer frames;
    EXPECT_TRUE(frames.Due(0)) << "the first frame";
    frames.Drawn(1000, 7);
    EXPECT_FALSE(frames.Pending());
    frames.Compare(7);
    EXPECT_FALSE(frames.Due(2000)) << "the same state is not drawn again";
    frames.Compare(8);
    EXPECT_FALSE(frames.Due(1010)) << "too soon after the last frame";
    EXPECT_EQ(frames.UntilDue(1010), 6u);
    EXPECT_TRUE(frames.Due(1016));
    frames.Drawn(1016, 8);
    frames.Changed();
    EXPECT_TRUE(frames.Due(1040));
    EXPECT_EQ(frames.Frames(), 2u);
}

TEST(BriefNotice, ShowsForAWhileThenAsksOnceToBeWiped)
{
    CBriefNotice notice;
    EXPECT_FALSE(notice.Expire(0));
    notice.Show("Vitesse : Rapide", 1000);
    EXPECT_EQ(notice.TextAt(2999), "Vitesse : Rapide");
    EXPECT_FALSE(notice.Expire(2999));
    EXPECT_EQ(notice.TextAt(3000), "");
    EXPECT_TRUE(notice.Expire(3000));
    EXPECT_FALSE(notice.Expire(4000)) << "once";
}

TEST(VisibleState, EveryShownChangeChangesTheFingerprint)
{
    CFakeFrame frame;
    CScriptedRandom random;
    CGame game(frame, random);
    game.playerCount = 3;
    game.NewGame();
    const std::function<void(CGame&)> changes[] = {
        [](CGame& g) { g.players[1].money -= 100; },
        [](CGame& g) { g.players[2].square = 5; },
        [](CGame& g) { g.players[0].jail = 1; },
        [](CGame& g) { g.properties[3].owner = 1; },
        [](CGame& g) { g.properties[3].mortgaged = 1; },
        [](CGame& g) { g.properties[3].houses = 2; },
        [](CGame& g) { g.current = 2; },
        [](CGame& g) { g.die2 = 6; },
        [](CGame& g) { g.inputMode = kMortgagePick; },
        [](CGame& g) { g.gameOver = 1; },
        [](CGame& g) { g.message[0] = 'X'; },
        [](CGame& g) { g.playerCount = 2; },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        const uint64_t before = VisibleStateHash(game);
        EXPECT_EQ(VisibleStateHash(game), before);
        changes[i](game);
        EXPECT_NE(VisibleStateHash(game), before) << "change " << i;
    }
}

TEST(GameRandom, ASeedReplaysTheGame)
{
    CGameRandom first, second;
    first.Seed(42);
    second.Seed(42);
    CSeededRandom reference(42);
    for (int i = 0; i < 100; ++i) {
        const int value = first.Next();
        EXPECT_EQ(value, second.Next());
        EXPECT_EQ(value, reference.Next());
    }
}

#include <sstream>

#include "game_options.h"

TEST(GameOptions, SpeedSeedAndFastComputersFromTheCommandLine)
{
    const struct {
        std::vector<const char*> args;
        bool goesOn;
        Speed speed;
        bool fastComputers;
        bool seeded;
        uint64_t seed;
    } cases[] = {
        {{}, true, Speed::kNormal, false, false, 0},
        {{"--speed", "faster"}, true, Speed::kFaster, false, false, 0},
        {{"--vitesse=instant", "--seed", "42"}, true, Speed::kInstant, false, true, 42},
        {{"--fast-computers", "--graine=7"}, true, Speed::kNormal, true, true, 7},
        {{"--speed", "Rapide"}, false, Speed::kNormal, false, false, 0},
        {{"--seed", "-3"}, false, Speed::kNormal, false, false, 0},
        {{"--speed"}, false, Speed::kNormal, false, false, 0},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"bourgade3d"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        GameOptions options;
        std::ostringstream out, err;
        int status = -1;
        const bool goesOn = ParseCommandLine(static_cast<int>(argv.size()), argv.data(),
                                             kGameProgram, GameOptionTable(options), out, err, status);
        const std::string line = c.args.empty() ? "" : c.args[0];
        EXPECT_EQ(goesOn, c.goesOn) << line;
        EXPECT_EQ(status, c.goesOn ? 0 : 2) << line;
        if (!c.goesOn)
            continue;
        EXPECT_EQ(options.speed, c.speed) << line;
        EXPECT_EQ(options.fastComputers, c.fastComputers) << line;
        EXPECT_EQ(options.seeded, c.seeded) << line;
        EXPECT_EQ(options.seed, c.seed) << line;
    }
}
