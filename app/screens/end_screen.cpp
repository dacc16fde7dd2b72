#include "end_screen.h"

#include <GL/gl.h>

#include <cinttypes>
#include <cstdio>

#include "message_layout.h"
#include "overlays.h"
#include "palette.h"

namespace {

// Font units over the board view: a glyph advances 14, and a line holds 45
// of them. The names take up to 19 characters from the left, then three
// columns of up to 7 figures end at these places, each under its label.
constexpr int kGlyphAdvance = 14;
constexpr int kNameX = 4;
constexpr int kFiguresX = 284;
constexpr int kColumnEnds[3] = {382, 528, 638};
const char* const kColumnLabels[3] = {"argent", "propriétés", "total"};
constexpr int kTitleY = 418;
constexpr int kMessageY = 396;
constexpr int kLabelsY = 372;
constexpr int kFirstRowY = 350;
constexpr int kRowStep = 18;
constexpr float kChartLeft = 40;
constexpr float kChartRight = 620;
constexpr float kChartBottom = 60;
constexpr float kChartGap = 14;

}  // namespace

void CEndScreen::PrintIn(float r, float g, float b, int x, int y, const char* text)
{
    glColor3f(r, g, b);
    m_Text.Print(x, y, text, 0);
}

void CEndScreen::PrintRightAligned(int end, int y, const char* text)
{
    PrintIn(1, 1, 1, end - kGlyphAdvance * CountCharacters(text), y, text);
}

void CEndScreen::DrawRow(const Standing& s, int y)
{
    const PaletteColour& c = playerPalette[s.color >= 0 && s.color < kPaletteSize ? s.color : 0];
    PrintIn(c.r, c.g, c.b, kNameX, y, s.name.c_str());
    if (s.bankrupt) {
        PrintIn(0.7f, 0.7f, 0.7f, kFiguresX, y, "en faillite");
        return;
    }
    const int64_t figures[3] = {s.money, s.estate, s.money + s.estate};
    for (int k = 0; k < 3; ++k) {
        char text[24];
        std::snprintf(text, sizeof text, "%" PRId64, figures[k]);
        PrintRightAligned(kColumnEnds[k], y, text);
    }
}

void CEndScreen::Show(const std::vector<Standing>& standings, const std::string& message,
                      const std::string& note)
{
    m_Standings = standings;
    m_sMessage = message;
    m_sNote = note;
}

void CEndScreen::Draw()
{
    FillFontRect(4, 44, 636, 440, 0, 0, 0, 0.85f);
    PrintIn(1, 1, 1, kNameX, kTitleY, m_sNote.empty() ? "Classement final" : m_sNote.c_str());
    PrintIn(1, 0.85f, 0.2f, kNameX, kMessageY, m_sMessage.c_str());
    for (int k = 0; k < 3; ++k)
        PrintRightAligned(kColumnEnds[k], kLabelsY, kColumnLabels[k]);
    int y = kFirstRowY;
    for (const Standing& s : m_Standings) {
        DrawRow(s, y);
        y -= kRowStep;
    }
    DrawWorthChart(m_Text, m_Game.worthHistory, m_Game, EndChartBox(static_cast<int>(m_Standings.size())));
}

ChartBox EndChartBox(int rows)
{
    const float lastRow = static_cast<float>(kFirstRowY - kRowStep * (rows - 1));
    return {kChartLeft, kChartBottom, kChartRight, lastRow - kChartGap};
}
