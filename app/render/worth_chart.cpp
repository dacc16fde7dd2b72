#include "worth_chart.h"

#include <GL/gl.h>

#include <cinttypes>
#include <cstdio>

#include "font_space.h"
#include "game.h"
#include "overlays.h"
#include "palette.h"

namespace {

constexpr float kLineWidth = 2.5f;
constexpr float kAxisGrey = 0.6f;

void DrawAxes(const ChartBox& box)
{
    glColor3f(kAxisGrey, kAxisGrey, kAxisGrey);
    glLineWidth(1);
    glBegin(GL_LINE_STRIP);
    glVertex2f(box.x0, box.y1);
    glVertex2f(box.x0, box.y0);
    glVertex2f(box.x1, box.y0);
    glEnd();
}

void DrawLine(const std::vector<int64_t>& line, int entries, int64_t highest, const ChartBox& box)
{
    glBegin(GL_LINE_STRIP);
    for (size_t k = 0; k < line.size(); ++k) {
        const ChartPoint p = PlaceOnChart(box, static_cast<int>(k), entries, line[k], highest);
        glVertex2f(p.x, p.y);
    }
    glEnd();
}

// The scale in words: the top's worth and how many turns the chart spans.
void DrawScale(glText& font, const CWorthHistory& history, const ChartBox& box)
{
    char text[40];
    glColor3f(1, 1, 1);
    std::snprintf(text, sizeof text, "%" PRId64 " F", history.Highest());
    font.Print(static_cast<int>(box.x0) + 4, static_cast<int>(box.y1) - 16, text, 0);
    std::snprintf(text, sizeof text, "%" PRId64 " tours", history.Turns());
    const int width = 14 * static_cast<int>(std::char_traits<char>::length(text));
    font.Print(static_cast<int>(box.x1) - width, static_cast<int>(box.y0) + 4, text, 0);
}

}  // namespace

ChartPoint PlaceOnChart(const ChartBox& box, int entry, int entries, int64_t worth,
                        int64_t highest)
{
    const float along = entries > 1 ? float(entry) / float(entries - 1) : 0;
    // A worth below 0 lasts only inside a payment; the chart's floor is 0.
    const float up = highest > 0 && worth > 0 ? float(double(worth) / double(highest)) : 0;
    return {box.x0 + along * (box.x1 - box.x0), box.y0 + up * (box.y1 - box.y0)};
}

void DrawWorthChart(glText& font, const CWorthHistory& history, const CGame& game,
                    const ChartBox& box)
{
    EnterFontSpace();
    DrawAxes(box);
    glLineWidth(kLineWidth);
    for (int seat = 0; seat < kPlayerSlots; ++seat) {
        const std::vector<int64_t> line = history.Line(seat);
        if (line.empty())
            continue;
        const int colour = game.setupPlayers[seat].color;
        const PaletteColour& c = playerPalette[colour >= 0 && colour < kPaletteSize ? colour : 0];
        glColor3f(c.r, c.g, c.b);
        DrawLine(line, history.Entries(), history.Highest(), box);
    }
    glLineWidth(1);
    LeaveFontSpace();
    glEnable(GL_LIGHTING);
    DrawScale(font, history, box);
}
