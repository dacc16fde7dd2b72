#include "overlays.h"

#include <GL/gl.h>

#include <cstdio>

#include "font_space.h"
#include "game.h"
#include "message_layout.h"

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

void PrintWhite(glText& text, int x, int y, const char* line, float scale)
{
    glColor3f(1, 1, 1);
    text.Print(x, y, line, 0, scale);
}

namespace {

void FillClickSquare(const ClickSquare& square, float r, float g, float b)
{
    FillFontRect(BoardFontX(square.xFrom), BoardFontY(square.yTo + 1), BoardFontX(square.xTo + 1),
                 BoardFontY(square.yFrom), r, g, b, 1.0f);
}

std::string PriceLine(int price)
{
    char line[kMessageSize];
    if (price > 0)
        std::snprintf(line, sizeof line, "Vous payez %dF", price);
    else if (price < 0)
        std::snprintf(line, sizeof line, "Il vous paye %dF", -price);
    else
        std::snprintf(line, sizeof line, "Sans argent");
    return line;
}

}  // namespace

void DrawAnswerWords(glText& text)
{
    PrintWhite(text, 220, 180, "OUI   NON");
}

void DrawMessageLines(glText& text, const char* message)
{
    for (const MessageLine& line : LayOutMessage(message))
        PrintWhite(text, line.x, line.y, line.text.c_str());
}

void DrawOfferBox(glText& text, const CGame& game, const PricedOffer& offer)
{
    const int left = static_cast<int>(BoardFontX(kAcceptSquare.xFrom));
    const float squaresTop = BoardFontY(kAcceptSquare.yFrom);
    const int top = static_cast<int>(squaresTop);
    FillFontRect(left - 12.0f, squaresTop - 24, 600, squaresTop + 84, 0, 0, 0, 0.7f);

    char line[kMessageSize];
    std::snprintf(line, sizeof line, "Il donne : %s", game.properties[offer.gives].name);
    PrintWhite(text, left, top + 60, line);
    std::snprintf(line, sizeof line, "Contre : %s", game.properties[offer.wants].name);
    PrintWhite(text, left, top + 40, line);
    PrintWhite(text, left, top + 20, PriceLine(offer.price).c_str());

    FillClickSquare(kAcceptSquare, 0.1f, 0.75f, 0.1f);
    FillClickSquare(kRefuseSquare, 0.85f, 0.1f, 0.1f);
    const int labelY = static_cast<int>(BoardFontY(kAcceptSquare.yTo));
    PrintWhite(text, static_cast<int>(BoardFontX(kAcceptSquare.xTo)) + 6, labelY, "OUI");
    PrintWhite(text, static_cast<int>(BoardFontX(kRefuseSquare.xTo)) + 6, labelY, "NON");
}

// Under the guidance line, at the left: clear of the messages and the
// answer words in the middle of the board.
void DrawNotice(glText& text, const std::string& notice)
{
    if (notice.empty())
        return;
    constexpr int kX = 10;
    constexpr int kY = 380;
    FillFontRect(kX - 4.0f, kY - 3.0f, kX + 14.0f * CountCharacters(notice) + 4, kY + 18.0f, 0, 0, 0, 0.65f);
    glColor3f(1, 1, 0.6f);
    text.Print(kX, kY, notice.c_str(), 0);
}
