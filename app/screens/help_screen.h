// The help screen: the icons, the keys and the mouse, over the board view
// until Escape, '?' or a click closes it.
#pragma once

#include "gl_text.h"
#include "screen.h"

class CHelpScreen : public CScreen {
public:
    CHelpScreen(CScreenStack& stack, glText& text) : m_Stack(stack), m_Text(text) {}

    void OnKey(const InputEvent& key) override;
    void OnPress(const InputEvent&) override { m_Stack.Pop(); }
    void Draw() override;

private:
    CScreenStack& m_Stack;
    glText& m_Text;
};
