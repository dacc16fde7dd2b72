#include "status_panel.h"

#include <GL/gl.h>

#include <cinttypes>
#include <cstdio>

#include "game.h"
#include "palette.h"

namespace {

constexpr int kNameX = 10;
constexpr int kMoneyX = 180;
constexpr int kFirstLineY = 450;
constexpr int kLineStep = 20;
// The money column takes the colour of the board's centre.
constexpr float kMoneyColour[3] = {0.7529f, 0.8666f, 0.6784f};

}  // namespace

void FormatStatusLine(const char* name, int64_t money, bool current, char* nameText, int nameSize,
                      char* moneyText, int moneySize)
{
    // A name fills at most its record, terminated or not.
    std::snprintf(nameText, nameSize, current ? "> %.*s" : "  %.*s", kNameSize - 1, name);
    std::snprintf(moneyText, moneySize, "%7" PRId64 " F", money);
}

void CStatusPanel::Build()
{
    m_Font.Create();
}

void CStatusPanel::DrawLine(int i, bool current)
{
    const Player& p = m_pGame->players[i];
    char name[kNameSize + 4];
    char money[24];
    FormatStatusLine(p.name, p.money, current, name, sizeof name, money, sizeof money);
    const int set = current ? 1 : 0;
    const int y = kFirstLineY - kLineStep * i;
    const PaletteColour& c = playerPalette[p.color >= 0 && p.color < kPaletteSize ? p.color : 0];
    glColor3f(c.r, c.g, c.b);
    m_Font.Print(kNameX, y, name, set);
    glColor3f(kMoneyColour[0], kMoneyColour[1], kMoneyColour[2]);
    m_Font.Print(kMoneyX, y, money, set);
}

void CStatusPanel::Draw()
{
    if (!m_pGame)
        return;
    glPushMatrix();
    const int count = m_pGame->playerCount < kPlayerSlots ? m_pGame->playerCount : kPlayerSlots;
    for (int i = 0; i < count; ++i)
        DrawLine(i, i == m_pGame->current);
    glPopMatrix();
}
