// The window's waits with a real frame: what a click or key during a held
// message does, and what a reminder costs.
#include <GL/freeglut.h>

#include <functional>

#include "gl_test_env.h"
#include "globals.h"
#include "input.h"
#include "options_screen.h"
#include "pace_input.h"

namespace {

class PaceGlTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        g_Game.playerCount = 2;
        g_Game.NewGame();
        g_Game.inputMode = kNoInput;
        g_nMouseState = GLUT_UP;
        g_App.TakeKey();
        g_Pace.SetSpeed(Speed::kNormal);
        g_Log.Event();
    }
    void TearDown() override
    {
        g_Pace.SetEventPump(nullptr);
        GlTest::TearDown();
    }

    // During the next wait, the first reading of events delivers `input`,
    // and every reading is counted.
    void DuringTheWait(std::function<void()> input)
    {
        m_nReads = 0;
        g_Pace.SetEventPump([this, input] {
            if (m_nReads++ == 0)
                input();
        });
    }

    int m_nReads = 0;
};

void Click(int x, int y)
{
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
}

}  // namespace

TEST_F(PaceGlTest, AReminderIsNeitherDrawnNorHeldAgain)
{
    DuringTheWait([] { g_Pace.Skip(); });
    g_App.DrawMessage("Choisissez la propriete");
    EXPECT_EQ(m_nReads, 1) << "the first showing is held";
    const uint64_t frames = g_Frames.Frames();
    for (int tick = 0; tick < 3; ++tick)
        g_App.DrawMessage("Choisissez la propriete");
    EXPECT_EQ(m_nReads, 1) << "no hold for a reminder";
    EXPECT_EQ(g_Frames.Frames(), frames) << "no frame for a reminder";
}

TEST_F(PaceGlTest, AClickThatSkipsAHoldDoesNotReachTheRules)
{
    const int32_t rollState = g_Game.rollState;
    DuringTheWait([] { Click(215, 545); });  // on a die
    g_App.DrawMessage("Bob paye 2000F de loyer");
    EXPECT_EQ(m_nReads, 1) << "the click ended the hold";
    EXPECT_FALSE(g_App.LastMouse().pressed);
    g_Pace.SetEventPump(nullptr);
    ReplayKeptInput();
    OnIdle();
    EXPECT_EQ(g_Game.rollState, rollState) << "the click threw no dice";
}

TEST_F(PaceGlTest, AClickOnOuiDuringTheQuestionsHoldAnswersAfterIt)
{
    DuringTheWait([] {
        Click(188, 315);
        g_Pace.Skip();
    });
    g_Game.answer = ' ';
    g_App.DrawMessage("Acheter RUE LECOURBE pour 6000F ?");
    EXPECT_EQ(g_Game.answer, ' ') << "nothing is answered during the hold";
    g_Pace.SetEventPump(nullptr);
    g_Game.inputMode = kYesNo;
    ReplayKeptInput();
    EXPECT_EQ(g_Game.answer, 'y');
    g_Game.inputMode = kNoInput;
}

TEST_F(PaceGlTest, KeysDuringAHoldWaitForTheStepButSpaceSkips)
{
    DuringTheWait([] {
        OnKeyboard('m', 0, 0);
        OnKeyboard(' ', 0, 0);
    });
    g_App.DrawMessage("Anne achète GARE DE LYON");
    EXPECT_EQ(m_nReads, 1) << "space ended the hold";
    EXPECT_EQ(g_App.TakeKey(), 0) << "the key waits for the end of the step";
    g_Pace.SetEventPump(nullptr);
    g_Game.players[g_Game.current].computer = 1;  // no pick mode from the kept key
    ReplayKeptInput();
    g_Game.players[g_Game.current].computer = 0;
    EXPECT_EQ(g_App.TakeKey(), 'm');
}

TEST_F(PaceGlTest, PlusAndMinusChangeTheSpeedAndSayIt)
{
    OnKeyboard('+', 0, 0);
    EXPECT_EQ(g_Pace.ChosenSpeed(), Speed::kFast);
    OnKeyboard('+', 0, 0);
    OnKeyboard('+', 0, 0);
    EXPECT_EQ(g_Pace.ChosenSpeed(), Speed::kInstant);
    DuringTheWait([] {});
    g_App.DrawMessage("Anne paye 20000F");
    EXPECT_EQ(m_nReads, 0) << "no hold at Instantanée";
    OnKeyboard('-', 0, 0);
    EXPECT_EQ(g_Pace.ChosenSpeed(), Speed::kFaster);
    g_Pace.SetSpeed(Speed::kNormal);
}

TEST_F(PaceGlTest, TheOptionsScreenChoosesTheSpeedAndTheComputersPace)
{
    OpenOptions();
    Click(250, 202);  // the speed's row
    EXPECT_EQ(g_Pace.ChosenSpeed(), Speed::kFast);
    EXPECT_STREQ(SpeedRowLabel(), "Vitesse : Rapide");
    Click(250, 240);  // the computers' row
    EXPECT_TRUE(g_Pace.FastComputers());
    EXPECT_STREQ(FastComputersRowLabel(), "Ordinateur accéléré : oui");
    EXPECT_TRUE(ScreenOpen()) << "the rows leave the screen open";
    OnKeyboard(27, 0, 0);
    EXPECT_FALSE(ScreenOpen());
    g_Pace.SetFastComputers(false);
    g_Pace.SetSpeed(Speed::kNormal);
}
