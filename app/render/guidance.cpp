#include "guidance.h"

#include "game.h"
#include "guidance_line.h"
#include "message_layout.h"
#include "overlays.h"

namespace {

// In the font's units over the board view: the guidance at the top of the
// board, the tooltips just above the lower strip.
constexpr int kGuidanceY = 420;
constexpr int kTooltipY = 70;
constexpr float kAdvance = 14;
constexpr int kFontWidth = 640;

void PrintOnBand(glText& text, int x, int y, const std::string& line, float scale)
{
    const float width = CountCharacters(line) * kAdvance * scale;
    const float height = 21 * scale;
    FillFontRect(x - 4.0f, y - 3.0f * scale, x + width + 4.0f, y + height, 0, 0, 0, 0.65f);
    PrintWhite(text, x, y, line.c_str(), scale);
}

}  // namespace

void DrawGuidance(glText& text, const CGame& game)
{
    const std::string line = GuidanceLine(game);
    if (line.empty())
        return;
    const float width = CountCharacters(line) * kAdvance * kGuidanceScale;
    const int x = static_cast<int>((kFontWidth - width) / 2);
    PrintOnBand(text, x < 4 ? 4 : x, kGuidanceY, line, kGuidanceScale);
}

void DrawTooltip(glText& text, const CHover& hover, const CGame& game, uint32_t now)
{
    const char* tip = hover.Shown(now);
    if (!tip || (game.gameOver && InvitesAThrow(tip)))
        return;
    const int width = static_cast<int>(CountCharacters(tip) * kAdvance);
    int x = hover.X() * kFontWidth / 500 - width / 2;
    x = x < 4 ? 4 : (x + width > kFontWidth - 4 ? kFontWidth - 4 - width : x);
    PrintOnBand(text, x, kTooltipY, tip, 1.0f);
}
