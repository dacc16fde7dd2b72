#include <gtest/gtest.h>

#include <tuple>

#include "layout_fit.h"

namespace {

auto Fields(const PixelPoint& p) { return std::make_tuple(p.x, p.y); }
auto Fields(const PixelRect& r) { return std::make_tuple(r.x, r.y, r.width, r.height); }

}  // namespace

// Points and rectangles between windows of each shape and the drawing area.
TEST(LayoutFit, PointsMapBackAndRectanglesScaleIntoTheWindowClippedToTheArea)
{  // points on the bars fall outside the drawing area
    const struct { int width, height; PixelPoint window, layout; } cases[] = {
        {800, 600, {0, 0}, {0, 0}},  {800, 600, {799, 599}, {799, 599}},  // one to one
        {1600, 1200, {430, 1090}, {215, 545}}, {1600, 1200, {431, 1091}, {215, 545}},  // 2 px a pixel
        // 16:9: the area is 960 x 720 with bars of 160 left and right.
        {1280, 720, {160 + 258, 654}, {215, 545}},  {1280, 720, {160 + 226, 378}, {188, 315}},
        {1280, 720, {100, 300}, {-50, 250}},  {1280, 720, {1200, 300}, {867, 250}},
        // Tall and small: 500 x 375 with bars of 100 above and below.
        {500, 575, {134, 100 + 340}, {215, 544}},  {500, 575, {250, 50}, {400, -80}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fields(CLayoutFit(c.width, c.height).ToLayout(c.window)), Fields(c.layout))
            << c.width << "x" << c.height << " at " << c.window.x << "," << c.window.y;
    const struct { int width, height; PixelRect layout, window; } rects[] = {
        {800, 600, {0, 50, 500, 600}, {0, 50, 500, 600}}, {500, 575, {0, 0, 500, 100}, {0, 100, 313, 63}},
        {1600, 1200, {0, 50, 500, 600}, {0, 100, 1000, 1200}},
        {1280, 720, {500, 0, 300, 600}, {760, 0, 360, 720}},
        // Odd scales: neighbouring panes still meet on the same pixel.
        {1000, 700, {0, 0, 500, 100}, {33, 0, 583, 117}}, {1000, 700, {500, 0, 300, 600}, {616, 0, 350, 700}},
    };
    for (const auto& c : rects)
        EXPECT_EQ(Fields(CLayoutFit(c.width, c.height).ToWindow(c.layout)), Fields(c.window))
            << c.width << "x" << c.height << " " << c.layout.x;
    const std::pair<PixelRect, PixelRect> boxes[] = {
        {{500, 0, 500, 600}, {500, 0, 300, 600}}, {{0, 100, 500, 600}, {0, 100, 500, 500}},
        {{-10, -10, 20, 20}, {0, 0, 10, 10}},     {{-30, -30, 10, 10}, {0, 0, 0, 0}},
    };
    for (const auto& [box, clipped] : boxes)
        EXPECT_EQ(Fields(ClipToLayout(box)), Fields(clipped)) << box.x << "," << box.y;
    // The whole area; a window of no size (minimised) keeps the plain mapping.
    const std::pair<PixelPoint, PixelRect> windows[] = {
        {{1280, 720}, {160, 0, 960, 720}}, {{500, 575}, {0, 100, 500, 375}},
        {{0, 0}, {0, 0, 800, 600}},        {{1, 600}, {0, 299, 1, 1}},  {{800, 1}, {399, 0, 1, 1}},
        {{0, 600}, {0, 0, 800, 600}},      {{800, 0}, {0, 0, 800, 600}},
    };
    for (const auto& [size, area] : windows)
        EXPECT_EQ(Fields(CLayoutFit(size.x, size.y).Area()), Fields(area)) << size.x << "x" << size.y;
}
