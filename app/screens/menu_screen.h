// A screen of choices over the board view: the title, the pause and the
// end of a game. The arrows move, Enter or a click chooses, Escape does
// what the screen says.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gl_text.h"
#include "screen.h"

struct MenuRow {
    std::string label;
    std::function<void()> choose;
};

class CMenuScreen : public CScreen {
public:
    CMenuScreen(glText& text, std::string title) : m_Text(text), m_Title(std::move(title)) {}

    void SetRows(std::vector<MenuRow> rows);
    void SetEscape(std::function<void()> escape) { m_Escape = std::move(escape); }
    int Selected() const { return m_nSelected; }

    void OnKey(const InputEvent& key) override;
    void OnSpecialKey(const InputEvent& key) override;
    void OnPress(const InputEvent& press) override;
    void Draw() override;

private:

    glText& m_Text;
    std::string m_Title;
    std::vector<MenuRow> m_Rows;
    std::function<void()> m_Escape;
    int m_nSelected = 0;
};
