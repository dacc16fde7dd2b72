// The game's own frame and callbacks in a real context: what they draw and
// leave behind, and what a click or key during a held message does.
#include <GL/freeglut.h>

#include <cmath>
#include <functional>

#include "display.h"
#include "end_screen.h"
#include "gl_test_env.h"
#include "globals.h"
#include "input.h"
#include "options_screen.h"
#include "pace_input.h"
#include "palette.h"
#include "scene_frame.h"
#include "viewport.h"

namespace {

class AppFrameTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        g_Game.playerCount = 4;
        g_Game.NewGame();
        g_Game.inputMode = kNoInput;
        g_Game.gameOver = 0;
        g_Pace.SetEventPump(nullptr);
        g_nMouseState = GLUT_UP;
        g_App.TakeKey();
        g_Pace.SetSpeed(Speed::kNormal);
        g_Log.Event();
    }
};

void Click(int x, int y)
{
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
}

}  // namespace

TEST_F(AppFrameTest, APlayerLeavingShiftsThePawnsBehindIt)
{
    for (int k = 0; k < kPawnCount; ++k) {
        g_App.pawns[k].m_nNumber = k;
        g_App.pawns[k].m_bBuilt = k < 4;
    }
    g_FallenSeats.clear();
    g_App.RemovePawn(1, 4);
    EXPECT_EQ(g_App.pawns[1].m_nNumber, 2);
    EXPECT_EQ(g_App.pawns[2].m_nNumber, 3);
    for (int k = 2; k < 5; ++k)
        EXPECT_EQ(g_App.pawns[k].m_bBuilt, k == 2) << k;
    EXPECT_EQ(g_FallenSeats, std::vector<int>{1});
}

TEST_F(AppFrameTest, AClickOnAPropertySeenFromAbovePicksIt)
{
    g_App.BuildList();
    ViewFromAbove();
    for (int p = 0; p < kPropertyCount; ++p) {
        // Three points across the square's picture, from its outer edge in.
        for (const float depth : {0.3f, 1.5f, 2.7f}) {
            const CVector point = g_App.board.RestingPoint(propertySquare[p], CVector(1.0f, 0, depth));
            const WindowPixel at = OnBoard(CVector(point.x, 0, point.z));
            const MouseEvent onBoard = g_App.OnBoardFromAbove({at.x, kGlWindowHeight - at.y, true});
            EXPECT_EQ(PropertyAt(onBoard.x, onBoard.y), p) << deedTable[p].name << " at " << at.x << "," << at.y;
        }
    }
}

// Counts the white pixels where "OUI" is drawn in the frame last shown
// (the software renderer keeps it in the back buffer after the swap).
int WhiteOnTheYesWord()
{
    int white = 0;
    for (int y = 276; y < 290; ++y)
        for (int x = 174; x < 204; ++x)
            white += LitAs(ReadColour({x, y}), {1, 1, 1}, 0.8f, 0.02f);
    return white;
}

// A prisoner asked to pay the fine is told "En Prison" again at every step:
// the question and its answer words stay on screen through those holds.
TEST_F(AppFrameTest, ThePrisonQuestionStaysOnScreenWithItsWords)
{
    g_App.BuildList();
    g_Camera.m_vEye = CVector(0, 40, 0);
    Player& prisoner = g_Game.players[g_Game.current];
    prisoner.computer = 0;
    prisoner.square = kPrisonSquare;
    prisoner.jail = 1;
    g_Game.answer = ' ';
    g_Game.Format("Voulez-vous sortir de prison pour 5000F ?");
    g_Game.inputMode = kYesNo;
    for (int tick = 0; tick < 2; ++tick) {
        g_App.DrawMessage("En Prison");
        EXPECT_GT(WhiteOnTheYesWord(), 20) << "during the hold, tick " << tick;
        OnIdle();
        EXPECT_GT(WhiteOnTheYesWord(), 20) << "between the holds, tick " << tick;
    }
    EXPECT_EQ(g_Game.inputMode, kYesNo);
}

// Escape and a click outside close the screens without ending the game;
// while a screen is open the game's keys and clicks wait. The options
// screen's rows choose the speed and the computers' pace; then the keys
// change the drawing and reach the game.
TEST_F(AppFrameTest, ScreensOpenAndCloseWithoutQuittingThenKeysReachTheGame)
{
    OnKeyboard('?', 0, 0);
    EXPECT_TRUE(ScreenOpen()) << "help on ?";
    OnKeyboard('b', 0, 0);
    EXPECT_EQ(g_App.TakeKey(), 0) << "keys are the screen's";
    OnKeyboard(27, 0, 0);
    EXPECT_FALSE(ScreenOpen()) << "Escape closes";
    OnSpecialKey(GLUT_KEY_F1, 0, 0);
    EXPECT_TRUE(ScreenOpen()) << "help on F1";
    Click(10, 10);
    EXPECT_FALSE(ScreenOpen()) << "a click closes the help";
    OpenOptions();
    Click(250, 202);  // the speed's row
    EXPECT_EQ(g_Pace.ChosenSpeed(), Speed::kFast);
    EXPECT_STREQ(SpeedRowLabel(), "Vitesse : Rapide");
    Click(250, 240);  // the computers' row
    EXPECT_TRUE(g_Pace.FastComputers());
    EXPECT_STREQ(FastComputersRowLabel(), "Ordinateur accéléré : oui");
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 250, 277);
    EXPECT_TRUE(ScreenOpen()) << "the help row opens the help";
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 780, 580);
    EXPECT_FALSE(ScreenOpen()) << "a click outside closes";
    EXPECT_FALSE(g_MouseLatch.Seen().pressed) << "the screen's clicks are not the game's";
    // Lines, then fill again; t turns the pan mode on and off. Upper case
    // is only an action letter.
    const bool pan = g_bPanMode;
    const struct { unsigned char key; GLint drawn; bool panning; } keys[] = {
        {'l', GL_LINE, false}, {'F', GL_LINE, false}, {'f', GL_FILL, false},
        {'t', GL_FILL, true},  {'T', GL_FILL, true},  {'t', GL_FILL, false}};
    for (const auto& k : keys) {
        OnKeyboard(k.key, 0, 0);
        GLint mode[2];
        glGetIntegerv(GL_POLYGON_MODE, mode);
        EXPECT_EQ(mode[0], k.drawn) << k.key;
        EXPECT_EQ(g_bPanMode, pan != k.panning) << k.key;
    }
    OnKeyboard('-', 0, 0);
    EXPECT_EQ(g_Pace.ChosenSpeed(), Speed::kNormal);
    OnKeyboard('+', 0, 0);
    EXPECT_EQ(g_Pace.ChosenSpeed(), Speed::kFast);
    g_Pace.SetFastComputers(false);
}

// The game's end: the chart's lines in the players' colours, until a key
// takes the end screen away; the view from above still flies.
TEST_F(AppFrameTest, AtTheEndTheChartShowsEachPlayersLineUntilAKey)
{
    const int colours[3] = {0, 6, 2};
    const int64_t worth[3] = {300000, 150000, 40000};
    g_Game.playerCount = 3;
    g_Game.NewGame();
    g_App.BuildList();
    for (int k = 0; k < 3; ++k) {
        g_Game.players[k].color = colours[k];
        g_Game.setupPlayers[k].color = colours[k];
        g_Game.players[k].money = worth[k];
    }
    g_Game.worthHistory.Start(g_Game);
    g_Game.worthHistory.Record(g_Game);
    g_Game.worthHistory.Record(g_Game);
    g_Game.gameOver = 1;
    ShowEndScreen(RankPlayers(g_Game, {}), "Joueur 1 a gagne!!!");
    // The middle of a line's first step, in window pixels over the board view.
    const auto lineShown = [&](int k) {
        const ChartPoint from = PlaceOnChart(EndChartBox(3), 0, 3, worth[k], worth[0]);
        const ChartPoint to = PlaceOnChart(EndChartBox(3), 1, 3, worth[k], worth[0]);
        const Colour c = ReadColour({int(std::lround((from.x + to.x) / 2 * 500 / 640)),
                                     int(std::lround(50 + from.y * 600 / 480))});
        const PaletteColour& line = playerPalette[colours[k]];
        return LitAs(c, {line.r, line.g, line.b}, 1.0f, 6.0f / 255);
    };
    DrawScene();
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(lineShown(k)) << "seat " << k;
    OnKeyboard('x', 0, 0);
    EXPECT_FALSE(EndScreenShown());
    DrawScene();
    EXPECT_FALSE(lineShown(1));

    const std::pair<const char*, std::function<void()>> asks[] = {
        {"the d key", [] { OnKeyboard('d', 0, 0); }},
        {"the view-from-above icon", [] { g_MouseLatch.Press(38, 547); }},
    };
    for (const auto& [what, ask] : asks) {
        g_Camera.m_vEye = CVector(5, 5, 5);
        ask();
        OnIdle();
        g_MouseLatch.Release(38, 547);
        EXPECT_NEAR(g_Camera.GetEye().y, OverviewPosition.y, 0.5f) << what;
    }
}

// A click or key that ends a held message is spent on it: a click on a die
// throws nothing; a key the game reads waits for the end of the step.
TEST_F(AppFrameTest, InputDuringAHoldEndsItOrWaitsForTheStep)
{
    const int32_t rollState = g_Game.rollState;
    // The first reading of events during the hold brings them; every reading
    // is counted.
    int reads = 0;
    g_Pace.SetEventPump([&reads] {
        if (reads++ == 0) {
            Click(215, 545);  // on a die
            OnKeyboard('m', 0, 0);
        }
    });
    g_App.DrawMessage("Bob paye 2000F de loyer");
    EXPECT_EQ(reads, 1) << "the click ended the hold";
    EXPECT_FALSE(g_App.LastMouse().pressed);
    EXPECT_EQ(g_App.TakeKey(), 0) << "the key waits for the end of the step";
    g_Pace.SetEventPump(nullptr);
    g_Game.players[g_Game.current].computer = 1;  // no pick mode from the kept key
    ReplayKeptInput();
    g_Game.players[g_Game.current].computer = 0;
    EXPECT_EQ(g_App.TakeKey(), 'm');
    OnIdle();
    EXPECT_EQ(g_Game.rollState, rollState) << "the click threw no dice";
}
