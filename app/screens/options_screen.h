// The options screen, over the board view while open: the speed, the
// computers' pace, the levels in play, the sound, the help. The game waits meanwhile;
// Escape or a click outside the box closes it, neither quits the game.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game.h"
#include "gl_text.h"
#include "journal_screen.h"
#include "screen.h"
#include "sound.h"
#include "speed_control.h"

class COptionsScreen : public CScreen {
public:
    COptionsScreen(CScreenStack& stack, CScreen& help, CJournalScreen& journal, CSpeedControl& speed,
                   CSound& sound, CGame& game, glText& text, std::function<void()> openTrade);

    void OnKey(const InputEvent& key) override;
    void OnPress(const InputEvent& press) override;
    void Draw() override;

private:
    // One row: its label and what a click on it does.
    struct Row {
        std::function<std::string()> label;
        std::function<void()> choose;
    };

    CScreenStack& m_Stack;
    CScreen& m_Help;
    CSound& m_Sound;
    glText& m_Text;
    std::vector<Row> m_Rows;
};
