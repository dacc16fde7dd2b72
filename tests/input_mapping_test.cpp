// The pointer as the rules see it: presses are never lost between steps,
// and any window size maps back onto the 800 x 600 drawing area.
#include <gtest/gtest.h>

#include "layout_fit.h"
#include "mouse_latch.h"

namespace {

struct LatchCase {
    const char* what;
    void (*events)(CMouseLatch&);
    bool pressedBeforeStep;
    int x, y;
    bool pressedAfterStep;
};

const LatchCase kLatchCases[] = {
    {"nothing yet", [](CMouseLatch&) {}, false, 0, 0, false},
    {"a held press", [](CMouseLatch& m) { m.Press(10, 20); }, true, 10, 20, true},
    {"an instant click",
     [](CMouseLatch& m) {
         m.Press(10, 20);
         m.Release(10, 20);
     },
     true, 10, 20, false},
    {"a press released elsewhere keeps its own point",
     [](CMouseLatch& m) {
         m.Press(10, 20);
         m.Release(90, 80);
     },
     true, 10, 20, false},
    {"the last of two clicks",
     [](CMouseLatch& m) {
         m.Press(1, 2);
         m.Release(1, 2);
         m.Press(3, 4);
         m.Release(3, 4);
     },
     true, 3, 4, false},
};

class MouseLatchTest : public ::testing::TestWithParam<LatchCase> {};

}  // namespace

TEST_P(MouseLatchTest, APressStaysDownUntilAStepHasRead)
{
    const LatchCase& c = GetParam();
    CMouseLatch latch;
    c.events(latch);
    const MouseEvent seen = latch.Seen();
    EXPECT_EQ(seen.pressed, c.pressedBeforeStep);
    if (c.pressedBeforeStep) {
        EXPECT_EQ(seen.x, c.x);
        EXPECT_EQ(seen.y, c.y);
    }
    latch.StepRead();
    EXPECT_EQ(latch.Seen().pressed, c.pressedAfterStep);
}

INSTANTIATE_TEST_SUITE_P(Events, MouseLatchTest, ::testing::ValuesIn(kLatchCases));

TEST(MouseLatch, AfterTheStepTheReleasePointIsTheLastEvent)
{
    CMouseLatch latch;
    latch.Press(10, 20);
    latch.Release(90, 80);
    latch.StepRead();
    EXPECT_EQ(latch.Seen().x, 90);
    EXPECT_EQ(latch.Seen().y, 80);
}

namespace {

// One row per zone of the drawing area and window shape: where the
// pointer is in the window, and where the game must see it.
struct PointCase {
    int windowWidth, windowHeight;
    PixelPoint window;
    PixelPoint layout;
};

const PointCase kPointCases[] = {
    // The default window maps one to one.
    {800, 600, {215, 545}, {215, 545}},      // the left die
    {800, 600, {0, 0}, {0, 0}},
    {800, 600, {799, 599}, {799, 599}},
    // Twice the size: each layout pixel covers two window pixels.
    {1600, 1200, {430, 1090}, {215, 545}},   // the left die
    {1600, 1200, {431, 1091}, {215, 545}},
    {1600, 1200, {376, 630}, {188, 315}},    // "OUI"
    {1600, 1200, {88, 1090}, {44, 545}},     // the view-from-above icon
    {1600, 1200, {500, 500}, {250, 250}},    // the board's centre
    // 16:9: the area is 960 x 720 with bars of 160 left and right.
    {1280, 720, {160 + 258, 654}, {215, 545}},
    {1280, 720, {160 + 226, 378}, {188, 315}},
    {1280, 720, {160 + 55, 135}, {46, 112}},  // the accept square of an offer
    {1280, 720, {100, 300}, {-50, 250}},      // on the left bar
    {1280, 720, {1200, 300}, {867, 250}},     // on the right bar
    // Tall and small: 500 x 375 with bars of 100 above and below the area.
    {500, 575, {134, 100 + 340}, {215, 544}},
    {500, 575, {250, 50}, {400, -80}},        // on the top bar
};

class LayoutFitPointTest : public ::testing::TestWithParam<PointCase> {};

}  // namespace

TEST_P(LayoutFitPointTest, PointerMapsBackToTheDrawingArea)
{
    const PointCase& c = GetParam();
    const PixelPoint p = CLayoutFit(c.windowWidth, c.windowHeight).ToLayout(c.window);
    EXPECT_EQ(p.x, c.layout.x);
    EXPECT_EQ(p.y, c.layout.y);
}

INSTANTIATE_TEST_SUITE_P(Zones, LayoutFitPointTest, ::testing::ValuesIn(kPointCases));

namespace {

struct RectCase {
    int windowWidth, windowHeight;
    PixelRect layout;
    PixelRect window;
};

const RectCase kRectCases[] = {
    {800, 600, {0, 50, 500, 600}, {0, 50, 500, 600}},
    {1600, 1200, {0, 50, 500, 600}, {0, 100, 1000, 1200}},
    {1280, 720, {0, 0, 800, 600}, {160, 0, 960, 720}},
    {1280, 720, {500, 0, 300, 600}, {760, 0, 360, 720}},
    {500, 575, {0, 0, 500, 100}, {0, 100, 313, 63}},
    // Odd scales: neighbouring panes still meet on the same pixel.
    {1000, 700, {0, 0, 500, 100}, {33, 0, 583, 117}},
    {1000, 700, {500, 0, 300, 600}, {616, 0, 350, 700}},
};

class LayoutFitRectTest : public ::testing::TestWithParam<RectCase> {};

}  // namespace

TEST_P(LayoutFitRectTest, RectanglesScaleIntoTheWindow)
{
    const RectCase& c = GetParam();
    const PixelRect r = CLayoutFit(c.windowWidth, c.windowHeight).ToWindow(c.layout);
    EXPECT_EQ(r.x, c.window.x);
    EXPECT_EQ(r.y, c.window.y);
    EXPECT_EQ(r.width, c.window.width);
    EXPECT_EQ(r.height, c.window.height);
}

INSTANTIATE_TEST_SUITE_P(Panes, LayoutFitRectTest, ::testing::ValuesIn(kRectCases));

TEST(LayoutFit, ScissorBoxesStayOnTheDrawingArea)
{
    const PixelRect panel = ClipToLayout({500, 0, 500, 600});
    EXPECT_EQ(panel.width, 300);
    const PixelRect board = ClipToLayout({0, 100, 500, 600});
    EXPECT_EQ(board.height, 500);
    EXPECT_EQ(ClipToLayout({-10, -10, 20, 20}).x, 0);
    EXPECT_EQ(ClipToLayout({-10, -10, 20, 20}).width, 10);
}
