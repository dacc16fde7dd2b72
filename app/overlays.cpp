#include "overlays.h"

#include <GL/gl.h>

#include <cstdio>

#include "end_screen.h"
#include "font_space.h"
#include "globals.h"
#include "guidance.h"
#include "message_layout.h"
#include "pace_input.h"

namespace {

// The font's space over the board view: 640 x 480 units on a 500 x 600
// pixel viewport whose bottom 50 rows lie under the lower strip.
float FontX(int windowX)
{
    return windowX * 640.0f / 500.0f;
}

float FontY(int windowY)
{
    return (550 - windowY) * 480.0f / 600.0f;
}

}  // namespace

void FillFontRect(float x0, float y0, float x1, float y1, float r, float g, float b, float a)
{
    EnterFontSpace();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(r, g, b, a);
    glRectf(x0, y0, x1, y1);
    glDisable(GL_BLEND);
    LeaveFontSpace();
}

namespace {

void FillClickSquare(const ClickSquare& square, float r, float g, float b)
{
    FillFontRect(FontX(square.xFrom), FontY(square.yTo + 1), FontX(square.xTo + 1),
                 FontY(square.yFrom), r, g, b, 1.0f);
}

void PrintWhite(int x, int y, const char* text)
{
    glColor3f(1, 1, 1);
    g_Text.Print(x, y, text, 0);
}

}  // namespace

void DrawAnswerWords()
{
    PrintWhite(220, 180, "OUI   NON");
}

void DrawMessageLines(const char* text)
{
    for (const MessageLine& line : LayOutMessage(text))
        PrintWhite(line.x, line.y, line.text.c_str());
}

void DrawOfferBox(const PricedOffer& offer)
{
    const int left = static_cast<int>(FontX(kAcceptSquare.xFrom));
    const float squaresTop = FontY(kAcceptSquare.yFrom);
    FillFontRect(left - 12.0f, squaresTop - 24, 600, squaresTop + 84, 0, 0, 0, 0.7f);

    char line[kMessageSize];
    std::snprintf(line, sizeof line, "Il donne : %s", g_Game.properties[offer.gives].name);
    PrintWhite(left, static_cast<int>(squaresTop) + 60, line);
    std::snprintf(line, sizeof line, "Contre : %s", g_Game.properties[offer.wants].name);
    PrintWhite(left, static_cast<int>(squaresTop) + 40, line);
    if (offer.price > 0)
        std::snprintf(line, sizeof line, "Vous payez %dF", offer.price);
    else if (offer.price < 0)
        std::snprintf(line, sizeof line, "Il vous paye %dF", -offer.price);
    else
        std::snprintf(line, sizeof line, "Sans argent");
    PrintWhite(left, static_cast<int>(squaresTop) + 20, line);

    FillClickSquare(kAcceptSquare, 0.1f, 0.75f, 0.1f);
    FillClickSquare(kRefuseSquare, 0.85f, 0.1f, 0.1f);
    const int labelY = static_cast<int>(FontY(kAcceptSquare.yTo));
    PrintWhite(static_cast<int>(FontX(kAcceptSquare.xTo)) + 6, labelY, "OUI");
    PrintWhite(static_cast<int>(FontX(kRefuseSquare.xTo)) + 6, labelY, "NON");
}

void DrawBoardOverlays(bool withQuestion)
{
    // A pending question stays on screen between its reminders.
    if (withQuestion && g_Game.inputMode == kYesNo) {
        DrawAnswerWords();
        DrawMessageLines(g_Game.message);
    }
    if (g_Game.inputMode == kPricedOffer)
        DrawOfferBox(g_App.m_Offer);
    if (g_Game.gameOver && EndScreenShown())
        DrawEndScreen();
    DrawSpeedNotice();
    DrawGuidance();
    // Text leaves lighting off; the dice and icons drawn next need it.
    glEnable(GL_LIGHTING);
}
