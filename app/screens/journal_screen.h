// The journal: the game's log in the window, over the board view, to read
// back what happened when there is no console at hand. The arrows, the
// page keys, Home, End and the wheel scroll it; Escape, 'j' or a click
// closes it.
#pragma once

#include "game_log.h"
#include "gl_text.h"
#include "journal_view.h"
#include "screen.h"

class CJournalScreen : public CScreen {
public:
    CJournalScreen(CScreenStack& stack, const CGameLog& log, glText& text)
        : m_Stack(stack), m_Log(log), m_Text(text)
    {
    }

    // Shows the latest lines.
    void Open();

    void OnKey(const InputEvent& key) override;
    void OnSpecialKey(const InputEvent& key) override;
    void OnPress(const InputEvent& press) override;
    void Draw() override;

private:
    CScreenStack& m_Stack;
    const CGameLog& m_Log;
    glText& m_Text;
    CJournalView m_View;
};
