// The game's own frame in a real context: what the callbacks leave behind.
#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>

#include "display.h"
#include "gl_test_env.h"
#include "globals.h"
#include "input.h"
#include "options_screen.h"
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
    }

    static void Pixel(int x, int y, unsigned char rgb[3])
    {
        glReadBuffer(GL_BACK);
        glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    }
};

}  // namespace

TEST_F(AppFrameTest, AFrameBeforeTheSceneIsBuiltShowsOnlyThePaneLines)
{
    DrawScene();
    unsigned char rgb[3], beside[3];
    Pixel(500, 300, rgb);
    Pixel(499, 300, beside);
    EXPECT_EQ(std::max(rgb[0] + rgb[1] + rgb[2], beside[0] + beside[1] + beside[2]), 3 * 255)
        << "the line beside the panel";
    Pixel(250, 100, rgb);
    Pixel(250, 99, beside);
    EXPECT_EQ(std::max(rgb[0] + rgb[1] + rgb[2], beside[0] + beside[1] + beside[2]), 3 * 255)
        << "the line over the strip";
    for (const auto& point : {std::pair{250, 300}, std::pair{650, 300}, std::pair{250, 50}}) {
        Pixel(point.first, point.second, rgb);
        EXPECT_EQ(rgb[0] + rgb[1] + rgb[2], 0) << point.first << "," << point.second;
    }
}

TEST_F(AppFrameTest, KeysChangeTheDrawingAndReachTheGame)
{
    GLint mode[2];
    OnKeyboard('l', 0, 0);
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    OnKeyboard('F', 0, 0);
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE) << "upper case is only an action letter";
    EXPECT_EQ(g_App.TakeKey(), 'F');
    EXPECT_EQ(g_App.TakeKey(), 0) << "reading the key clears it";
    OnKeyboard('f', 0, 0);
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);

    const bool pan = g_bPanMode;
    OnKeyboard('t', 0, 0);
    EXPECT_NE(g_bPanMode, pan);
    OnKeyboard('T', 0, 0);
    EXPECT_NE(g_bPanMode, pan);
    OnKeyboard('t', 0, 0);
    EXPECT_EQ(g_bPanMode, pan);
}

TEST_F(AppFrameTest, APressOnTheAnswerWordsAnswersAndBetweenThemDoesNothing)
{
    g_Game.inputMode = kYesNo;
    g_Game.answer = ' ';
    g_MouseLatch.Press(220, 315);
    OnIdle();
    EXPECT_EQ(g_Game.answer, ' ');
    g_MouseLatch.Press(180, 315);
    OnIdle();
    EXPECT_EQ(g_Game.answer, 'y');
    g_MouseLatch.Press(250, 315);
    OnIdle();
    EXPECT_EQ(g_Game.answer, 'n');
    g_MouseLatch.Release(250, 315);
}

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
    EXPECT_TRUE(g_App.pawns[2].m_bBuilt);
    EXPECT_FALSE(g_App.pawns[3].m_bBuilt);
    EXPECT_FALSE(g_App.pawns[4].m_bBuilt);
    EXPECT_EQ(g_FallenSeats, std::vector<int>{1});

    g_App.RemovePawn(2, 3);  // the last one in play
    EXPECT_FALSE(g_App.pawns[2].m_bBuilt);
    EXPECT_TRUE(g_App.pawns[1].m_bBuilt);
}

namespace {

// Where a point of a property's picture lies in the layout, seen from
// above: `depth` from the square's outer edge in, the middle by default.
PixelPoint PropertyInLayout(int p, float depth = 1.5f)
{
    g_Camera.m_qFrom = g_Camera.m_qTo = OverviewOrientation;
    g_Camera.m_vFrom = g_Camera.m_vTo = OverviewPosition;
    g_Camera.m_bUseMatrix = true;
    g_Camera.Fly(1);
    g_Camera.m_bUseMatrix = false;
    g_Camera.EndFlight();
    g_Camera.UpdateUp();
    glViewport(0, 50, 500, 600);
    g_Camera.SetProjection(500, 600, true);
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const CVector point = g_App.board.RestingPoint(propertySquare[p], CVector(1.0f, 0, depth));
    GLdouble x, y, z;
    gluProject(point.x, 0, point.z, model, projection, viewport, &x, &y, &z);
    return {static_cast<int>(x), 600 - static_cast<int>(y)};
}

}  // namespace

TEST_F(AppFrameTest, AClickOnAPropertySeenFromAbovePicksIt)
{
    g_App.BuildList();
    for (int p = 0; p < kPropertyCount; ++p) {
        // Three points across the square's picture, from its outer edge in.
        for (const float depth : {0.3f, 1.5f, 2.7f}) {
            const PixelPoint at = PropertyInLayout(p, depth);
            const MouseEvent onBoard = g_App.OnBoardFromAbove({at.x, at.y, true});
            EXPECT_EQ(PropertyAt(onBoard.x, onBoard.y), p)
                << deedTable[p].name << " at " << at.x << "," << at.y;
        }
    }
}

namespace {

struct WindowShape {
    int width, height;
};

// The middle of a layout pixel as it lies in a window of the given shape.
PixelPoint InWindow(const WindowShape& shape, int x, int y)
{
    const CLayoutFit fit(shape.width, shape.height);
    const PixelRect area = fit.Area();
    const int top = shape.height - area.y - area.height;
    return {area.x + static_cast<int>((x + 0.5f) * fit.Scale()),
            top + static_cast<int>((y + 0.5f) * fit.Scale())};
}

void ClickInWindow(const WindowShape& shape, int x, int y)
{
    const PixelPoint at = InWindow(shape, x, y);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, at.x, at.y);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, at.x, at.y);
}

class ScaledWindowTest : public AppFrameTest, public ::testing::WithParamInterface<WindowShape> {
protected:
    void SetUp() override
    {
        AppFrameTest::SetUp();
        g_App.BuildList();
        OnReshape(GetParam().width, GetParam().height);
    }
    void TearDown() override
    {
        OnReshape(kGlWindowWidth, kGlWindowHeight);
        g_Game.inputMode = kNoInput;
        AppFrameTest::TearDown();
    }
};

}  // namespace

TEST_P(ScaledWindowTest, ClicksReachWhatTheLayoutDrawsThere)
{
    const WindowShape shape = GetParam();

    g_Game.inputMode = kYesNo;
    g_Game.answer = ' ';
    ClickInWindow(shape, 188, 315);
    EXPECT_EQ(g_Game.answer, 'y') << "OUI";
    g_Game.inputMode = kNoInput;

    g_Camera.m_vEye = CVector(5, 5, 5);
    ClickInWindow(shape, 18 + 20, 530 + 17);
    EXPECT_NEAR(g_Camera.GetEye().y, OverviewPosition.y, 0.5f) << "the view-from-above icon";

    const int p = 5;
    const PixelPoint property = PropertyInLayout(p);
    g_Game.inputMode = kInspectPick;
    testing::internal::CaptureStdout();
    ClickInWindow(shape, property.x, property.y);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find(deedTable[p].name), std::string::npos) << "a property from above: " << log;

    g_Game.inputMode = kNoInput;
    g_Game.rollState = 0;
    ClickInWindow(shape, 195 + 20, 530 + 17);
    EXPECT_EQ(g_Game.rollState, 2) << "the left die throws";
}

INSTANTIATE_TEST_SUITE_P(Shapes, ScaledWindowTest,
                         ::testing::Values(WindowShape{1600, 1200}, WindowShape{1280, 720}));

namespace {

struct EndLook {
    const char* what;
    void (*ask)();
};

const EndLook kEndLooks[] = {
    {"the d key", [] { OnKeyboard('d', 0, 0); }},
    {"the view-from-above icon", [] { g_MouseLatch.Press(38, 547); }},
};

}  // namespace

TEST_F(AppFrameTest, AfterTheEndTheViewFromAboveStillFlies)
{
    g_App.BuildList();
    g_Game.gameOver = 1;
    for (const EndLook& look : kEndLooks) {
        g_Camera.m_vEye = CVector(5, 5, 5);
        look.ask();
        OnIdle();
        g_MouseLatch.Release(38, 547);
        EXPECT_NEAR(g_Camera.GetEye().y, OverviewPosition.y, 0.5f) << look.what;
    }
    g_Game.gameOver = 0;
}

// Counts the white pixels where "OUI" is drawn in the frame last shown
// (the software renderer keeps it in the back buffer after the swap).
int WhiteOnTheYesWord()
{
    unsigned char rgb[30 * 14 * 4];
    glReadPixels(174, 600 - 324, 30, 14, GL_RGBA, GL_UNSIGNED_BYTE, rgb);
    int white = 0;
    for (size_t i = 0; i < sizeof rgb; i += 4)
        white += rgb[i] > 200 && rgb[i + 1] > 200 && rgb[i + 2] > 200;
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
    prisoner.jail = 0;
    prisoner.square = 0;
    g_Game.inputMode = kNoInput;
}

// Escape and a click outside close the screens without ending the game;
// while a screen is open the game's keys and clicks wait.
TEST_F(AppFrameTest, ScreensOpenAndCloseWithoutQuitting)
{
    OnKeyboard('?', 0, 0);
    EXPECT_TRUE(ScreenOpen()) << "help on ?";
    OnKeyboard('b', 0, 0);
    EXPECT_EQ(g_App.TakeKey(), 0) << "keys are the screen's";
    OnKeyboard(27, 0, 0);
    EXPECT_FALSE(ScreenOpen()) << "Escape closes";
    OnSpecialKey(GLUT_KEY_F1, 0, 0);
    EXPECT_TRUE(ScreenOpen()) << "help on F1";
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10);
    EXPECT_FALSE(ScreenOpen()) << "a click closes the help";
    OpenOptions();
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 250, 277);
    EXPECT_TRUE(ScreenOpen()) << "the help row opens the help";
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 780, 580);
    EXPECT_FALSE(ScreenOpen()) << "a click outside closes";
    EXPECT_FALSE(g_MouseLatch.Seen().pressed) << "the screen's clicks are not the game's";
}
