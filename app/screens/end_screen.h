// The game's end over the board view: the winner's message, the final
// standings in labelled columns, and the chart of every player's worth over
// the turns. It stays on screen until a key or a click.
#pragma once

#include <string>
#include <vector>

#include "game.h"
#include "gl_text.h"
#include "screen.h"
#include "standings.h"
#include "worth_chart.h"

class CEndScreen : public CScreen {
public:
    CEndScreen(CScreenStack& stack, const CGame& game, glText& text)
        : m_Stack(stack), m_Game(game), m_Text(text)
    {
    }

    // Puts the end screen up with these standings and the message on
    // screen; a note, when given, heads it in place of "Classement final".
    void Show(const std::vector<Standing>& standings, const std::string& message,
              const std::string& note);

    // A key or a click takes it away, leaving the board to look at.
    void OnKey(const InputEvent&) override { m_Stack.Pop(); }
    void OnPress(const InputEvent&) override { m_Stack.Pop(); }
    void Draw() override;
    bool HoldsGame() const override { return false; }

private:
    void DrawRow(const Standing& s, int y);
    void PrintIn(float r, float g, float b, int x, int y, const char* text);
    void PrintRightAligned(int end, int y, const char* text);

    CScreenStack& m_Stack;
    const CGame& m_Game;
    glText& m_Text;
    std::vector<Standing> m_Standings;
    std::string m_sMessage;
    std::string m_sNote;
};

// Where the chart lies under this many rows of standings.
ChartBox EndChartBox(int rows);
