#include "status_panel.h"

#include <GL/gl.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>

#include "deed_caption.h"
#include "font_space.h"
#include "game.h"
#include "palette.h"
#include "panel_layout.h"

namespace {

// The chips of a player's properties, in the order of the deeds, which
// keeps each group together; a small gap parts the groups. Stations and
// utilities have no group colour of their own.
constexpr float kChipWidth = 7;
constexpr float kChipHeight = 12;
constexpr float kChipStep = 10;
constexpr float kGroupGap = 5;
// Where the panel can no longer be seen: many chips draw closer together.
constexpr float kChipsEnd = 380;
constexpr float kChipRaise = 2;
constexpr float kStationGrey[3] = {0.85f, 0.85f, 0.88f};
constexpr float kUtilityGrey[3] = {0.55f, 0.55f, 0.58f};
// A mortgaged property's chip keeps this share of its colour.
constexpr float kMortgagedShade = 0.3f;

void ChipColour(int p, bool mortgaged)
{
    const DeedRgb rgb = DeedColour(p, mortgaged);
    glColor3f(rgb.r, rgb.g, rgb.b);
}

// The group a deed is counted in for the gaps: stations and utilities
// make two more after the eight street groups.
int ChipGroup(int p)
{
    const int group = GroupNumber(p);
    if (group >= 0)
        return group;
    return p >= kFirstStation ? kGroupCount + 1 : kGroupCount;
}
// The money column takes the colour of the board's centre.
constexpr float kMoneyColour[3] = {0.7529f, 0.8666f, 0.6784f};
// A bankrupt player's name and money.
constexpr float kFallenGrey = 0.45f;

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
    const bool fallen = m_pFallen && std::find(m_pFallen->begin(), m_pFallen->end(), p.seat) != m_pFallen->end();
    const PaletteColour& c = playerPalette[p.color >= 0 && p.color < kPaletteSize ? p.color : 0];
    if (fallen)
        glColor3f(kFallenGrey, kFallenGrey, kFallenGrey);
    else
        glColor3f(c.r, c.g, c.b);
    m_Font.Print(kPanelNameX, PanelNameY(i), name, set);
    if (!fallen)
        glColor3f(kMoneyColour[0], kMoneyColour[1], kMoneyColour[2]);
    m_Font.Print(kPanelMoneyX, PanelMoneyY(i), money, set);
    if (!fallen)
        DrawChips(i);
}

float CStatusPanel::ChipStep(int player) const
{
    int count = 0, groups = 0, lastGroup = -1;
    for (int p = 0; p < kPropertyCount; ++p) {
        if (m_pGame->properties[p].owner != player)
            continue;
        count += 1;
        groups += ChipGroup(p) != lastGroup;
        lastGroup = ChipGroup(p);
    }
    const float room = kChipsEnd - kPanelChipsX - kGroupGap * groups;
    return count > 0 ? std::min(kChipStep, room / count) : kChipStep;
}

// In the font's space, as the text is drawn.
void CStatusPanel::DrawChips(int player) const
{
    const float step = ChipStep(player);
    EnterFontSpace();
    float x = kPanelChipsX;
    int lastGroup = -1;
    const float y = static_cast<float>(PanelMoneyY(player)) + kChipRaise;
    for (int p = 0; p < kPropertyCount; ++p) {
        const Property& deed = m_pGame->properties[p];
        if (deed.owner != player)
            continue;
        if (lastGroup >= 0 && ChipGroup(p) != lastGroup)
            x += kGroupGap;
        lastGroup = ChipGroup(p);
        ChipColour(p, deed.mortgaged != 0);
        glRectf(x, y, x + std::min(kChipWidth, step - 1), y + kChipHeight);
        x += step;
    }
    LeaveFontSpace();
}

void CStatusPanel::DrawCaption(int square)
{
    if (m_pGame)
        DrawDeedCaption(m_Font, *m_pGame, square);
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

DeedRgb DeedColour(int p, bool mortgaged)
{
    const float shade = mortgaged ? kMortgagedShade : 1.0f;
    const int group = GroupNumber(p);
    if (group >= 0)
        return {float(kGroupRgb[group][0]) * shade, float(kGroupRgb[group][1]) * shade,
                float(kGroupRgb[group][2]) * shade};
    const float* grey = p >= kFirstStation ? kStationGrey : kUtilityGrey;
    return {grey[0] * shade, grey[1] * shade, grey[2] * shade};
}
