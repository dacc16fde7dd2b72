#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "brief_notice.h"
#include "clock.h"
#include "frame_pacer.h"
#include "game.h"
#include "pace.h"
#include "speed_control.h"

namespace {

// A clock that only moves when slept on.
struct CFakeClock : CClock {
    uint32_t now = 1000;
    uint32_t Milliseconds() override { return now; }
    void Sleep(uint32_t milliseconds) override { now += milliseconds; }
};

class PaceTest : public testing::Test {
protected:
    // A pump that skips on its n-th call: a click arriving during the wait.
    void SkipOnCall(int call)
    {
        pace.SetEventPump([this, call, calls = 0]() mutable {
            if (++calls == call) {
                EXPECT_TRUE(pace.Skip()) << "a wait under way is skipped";
            }
        });
    }
    // A movement (by default a walk of 0.5 s), counting its frames and keeping its states.
    void Wait(WaitKind kind = WaitKind::kWalk, float seconds = 0.5f)
    {
        pace.Run(kind, seconds, [this](float f) { fractions.push_back(f); }, [this] { ++frames; });
    }

    CFakeClock clock;
    CPace pace{clock};
    std::vector<float> fractions;
    int frames = 0;
};

// One row per speed: its names, the hold of a 1.5 s message, the frames of a 0.5 s leg at 16 ms a
// frame, and its place among the four (the last on a computer's turn with fast computers).
struct SpeedCase { Speed speed; const char *option, *label; uint32_t holdMs; int walkFrames;
                   Speed faster, slower, round, computers; };

using S = Speed;
const SpeedCase kSpeeds[] = {
    {S::kNormal, "normal", "Normale", 1500, 32, S::kFast, S::kNormal, S::kFast, S::kFaster},
    {S::kFast, "fast", "Rapide", 750, 16, S::kFaster, S::kNormal, S::kFaster, S::kFaster},
    {S::kFaster, "faster", "Très rapide", 375, 8, S::kInstant, S::kFast, S::kInstant, S::kFaster},
    {S::kInstant, "instant", "Instantanée", 0, 0, S::kInstant, S::kFaster, S::kNormal, S::kInstant},
};

class SpeedTest : public PaceTest, public testing::WithParamInterface<SpeedCase> {};

}  // namespace

TEST_P(SpeedTest, NamesAndWaitsDividedBySpeed)
{
    const SpeedCase& c = GetParam();
    Speed read = Speed::kNormal;
    EXPECT_TRUE(SpeedFromOption(c.option, read));
    EXPECT_EQ(read, c.speed);
    EXPECT_EQ(SpeedNoticeText(c.speed), std::string("Vitesse : ") + c.label);
    CSpeedControl control(pace);
    pace.SetSpeed(c.speed);
    control.Step(1);
    EXPECT_EQ(pace.ChosenSpeed(), c.faster);
    pace.SetSpeed(c.speed);
    control.Step(-1);
    EXPECT_EQ(pace.ChosenSpeed(), c.slower);
    EXPECT_EQ(NextSpeedRound(c.speed), c.round);

    pace.SetSpeed(c.speed);
    pace.SetFastComputers(true);
    EXPECT_EQ(pace.CurrentSpeed(), c.speed) << "a player's turn";
    pace.SetComputerTurn(true);
    EXPECT_EQ(pace.CurrentSpeed(), c.computers);
    pace.SetFastComputers(false);
    EXPECT_EQ(pace.CurrentSpeed(), c.speed);
    pace.Hold(1500);
    EXPECT_EQ(clock.now - 1000, c.holdMs);
    Wait();
    EXPECT_EQ(frames, c.walkFrames);
    EXPECT_FLOAT_EQ(fractions.back(), 1.0f) << "the pawn always lands";
    EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
}

INSTANTIATE_TEST_SUITE_P(FourSpeeds, SpeedTest, testing::ValuesIn(kSpeeds));

// Going to « Instantanée » during a wait ends it; another speed lets it run on.
TEST_F(PaceTest, ASpeedChangedDuringAWaitEndsItOnlyAtInstant)
{
    CSpeedControl control(pace);
    bool changed = false;
    pace.SetEventPump([&] {
        if (!changed)
            control.Step(1);
        changed = true;
    });
    pace.Hold(1500);
    EXPECT_FALSE(pace.EndedBySkip()) << "on at « Rapide »";
    changed = false;
    pace.SetSpeed(Speed::kFaster);
    pace.Hold(1500);
    EXPECT_TRUE(pace.EndedBySkip());
}

TEST_F(PaceTest, ASkipEndsTheWaitUnderWayAndNoOtherWhileEventsAreReadOften)
{
    EXPECT_FALSE(pace.Skip()) << "no wait under way: an ordinary click";
    SkipOnCall(1);
    pace.Hold(1500);
    EXPECT_EQ(clock.now, 1000u) << "a 1.5 s hold ends at once";
    EXPECT_TRUE(pace.EndedBySkip()) << "its sound is cut";
    pace.Hold(0);
    EXPECT_FALSE(pace.EndedBySkip()) << "a hold of nothing was not skipped";
    std::vector<uint32_t> reads;
    pace.SetEventPump([&] {
        EXPECT_TRUE(pace.Waiting()) << "input during a wait is kept, not acted on";
        reads.push_back(clock.now);
    });
    pace.Hold(1500);
    EXPECT_EQ(clock.now, 2500u) << "the skip was used up";
    EXPECT_FALSE(pace.EndedBySkip()) << "its sound plays out";
    EXPECT_FALSE(pace.Waiting());
    ASSERT_GE(reads.size(), 100u);
    for (size_t i = 1; i < reads.size(); ++i)
        EXPECT_LE(reads[i] - reads[i - 1], 10u) << "Escape must act at once";
    pace.Hold(1);
    EXPECT_EQ(clock.now, 2501u) << "to the millisecond";
    for (WaitKind kind : {WaitKind::kDice, WaitKind::kFlight}) {
        SkipOnCall(1);
        fractions.clear();
        Wait(kind, 1.0f);
        EXPECT_EQ(fractions, (std::vector<float>{0.0f, 1.0f})) << "a roll or a flight ends on its end";
        EXPECT_LT(clock.now - 2501, 16u);
    }
}

TEST_F(PaceTest, ASkippedWalkLandsThePawnAtTheEndOfTheWholeWalk)
{
    SkipOnCall(3);
    Wait();
    EXPECT_EQ(frames, 2);
    EXPECT_FLOAT_EQ(fractions.back(), 1.0f);
    pace.SetEventPump(nullptr);
    Wait();
    Wait();
    EXPECT_EQ(frames, 2) << "the next squares of the same walk land at once";

    const uint32_t before = clock.now;
    pace.Hold(1500);
    EXPECT_EQ(clock.now - before, 1500u) << "a message after the walk is held";
    Wait();
    EXPECT_EQ(frames, 34) << "a later walk walks";

    SkipOnCall(2);
    Wait();
    pace.EndStep();
    pace.SetEventPump(nullptr);
    Wait();
    EXPECT_EQ(frames, 35 + 32) << "a skip does not reach into the next step";
}

TEST(Frames, DrawnForChangesAtMostSixtyTimesASecondWithANoticeWipedOnce)
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
    CBriefNotice notice;
    EXPECT_FALSE(notice.Expire(0));
    notice.Show("Vitesse : Rapide", 1000);
    const struct { uint32_t at; const char* text; bool expires; } times[] = {
        {2999, "Vitesse : Rapide", false}, {3000, "", true}, {4000, "", false}};  // wiped once
    for (const auto& t : times) {
        EXPECT_EQ(notice.TextAt(t.at), t.text);
        EXPECT_EQ(notice.Expire(t.at), t.expires) << t.at;
    }
}
