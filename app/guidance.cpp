#include "guidance.h"

#include <GL/gl.h>

#include "globals.h"
#include "guidance_line.h"
#include "message_layout.h"
#include "overlays.h"
#include "viewport.h"

CHover g_Hover;

namespace {

// In the font's units over the board view: the guidance at the top of the
// board, the tooltips just above the lower strip.
constexpr int kGuidanceTop = 414;
constexpr int kTooltipY = 70;
constexpr int kAdvance = 14;
constexpr int kFontWidth = 640;

const char* g_pTooltipShown = nullptr;

void PrintOnBand(int x, int y, const std::string& text)
{
    const int width = CountCharacters(text) * kAdvance + 4;
    FillFontRect(x - 4.0f, y - 3.0f, x + width + 0.0f, y + 18.0f, 0, 0, 0, 0.65f);
    glColor3f(1, 1, 1);
    g_Text.Print(x, y, text.c_str(), 0);
}

void DrawTooltip()
{
    const char* tip = g_Hover.Shown(g_Clock.Milliseconds());
    if (!tip)
        return;
    const int width = CountCharacters(tip) * kAdvance;
    int x = g_Hover.X() * kFontWidth / 500 - width / 2;
    x = x < 4 ? 4 : (x + width > kFontWidth - 4 ? kFontWidth - 4 - width : x);
    PrintOnBand(x, kTooltipY, tip);
}

}  // namespace

void OnPassiveMotion(int x, int y)
{
    const PixelPoint at = PointerInLayout(x, y);
    g_Hover.Move(at.x, at.y, g_Clock.Milliseconds());
}

bool TooltipChanges(uint32_t now)
{
    const char* tip = g_Hover.Shown(now);
    const bool changes = tip != g_pTooltipShown;
    g_pTooltipShown = tip;
    return changes;
}

void DrawGuidance()
{
    const std::vector<MessageLine> lines = LayOutMessage(GuidanceLine(g_Game));
    if (!lines.empty()) {
        const int shift = kGuidanceTop - lines.front().y;
        for (const MessageLine& line : lines)
            PrintOnBand(line.x, line.y + shift, line.text);
    }
    DrawTooltip();
}
