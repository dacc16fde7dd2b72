// The list of the players and their money, in the right-hand panel: each
// name in its player's colour, the current player marked with "> " and the
// second character set, and under it the money and a chip in its group's
// colour for every property the player owns, dimmed when mortgaged.
#pragma once

#include <vector>

#include <cstdint>

#include "gl_text.h"

class CGame;

struct DeedRgb {
    float r, g, b;
};
// A property's colour as its chip shows it: its group's, a grey for the
// stations and another for the utilities; dimmed when mortgaged.
DeedRgb DeedColour(int p, bool mortgaged);

class CStatusPanel {
public:
    glText m_Font;

    virtual ~CStatusPanel() = default;

    // The game whose players are listed; the panel only reads it.
    void SetGame(const CGame* game) { m_pGame = game; }
    // The seats of the players who went bankrupt: drawn greyed, with no chips.
    void SetFallen(const std::vector<int>* seats) { m_pFallen = seats; }
    void Build();
    // Draws nothing until a game is set.
    void Draw();

    // Under the deed card: the owner of the property on this square.
    void DrawCaption(int square);

private:
    void DrawLine(int player, bool current);
    void DrawChips(int player) const;
    // The chips' pitch: closer when a whole row would leave the panel.
    float ChipStep(int player) const;

    const CGame* m_pGame = nullptr;
    const std::vector<int>* m_pFallen = nullptr;
};

// The two texts of a player's line: "> name" or "  name", and the money
// right-aligned in seven characters.
void FormatStatusLine(const char* name, int64_t money, bool current, char* nameText, int nameSize,
                      char* moneyText, int moneySize);
