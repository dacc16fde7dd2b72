// The set-up screen of a game started in the window: the players, their
// names typed in, human or computer and its level, the speed, the turn
// limit and the screen. Enter starts the game, Escape goes back.
#pragma once

#include <functional>

#include "game_setup.h"
#include "gl_text.h"
#include "screen.h"
#include "setup_form.h"

class CSetupScreen : public CScreen {
public:
    CSetupScreen(CScreenStack& stack, glText& text, std::function<void(const GameSetup&)> start)
        : m_Stack(stack), m_Text(text), m_Start(std::move(start))
    {
    }

    void OnKey(const InputEvent& key) override;
    void OnSpecialKey(const InputEvent& key) override;
    void OnPress(const InputEvent& press) override;
    void Draw() override;

private:
    void Act(CSetupForm::Outcome outcome);

    CScreenStack& m_Stack;
    glText& m_Text;
    std::function<void(const GameSetup&)> m_Start;
    GameSetup m_Setup;
    CSetupForm m_Form{m_Setup};
};

// The row of the set-up screen under a layout point, or -1.
int SetupRowAt(int layoutX, int layoutY);
