#include "menu_screen.h"

#include <GL/gl.h>

#include "option_rows.h"
#include "overlays.h"

namespace {

constexpr unsigned char kEnter = 13;
constexpr unsigned char kEscape = 27;
constexpr int kTitleY = 350;

}  // namespace

void CMenuScreen::SetRows(std::vector<MenuRow> rows)
{
    m_Rows = std::move(rows);
    m_nSelected = 0;
}

void CMenuScreen::OnKey(const InputEvent& key)
{
    if (key.key == kEnter && !m_Rows.empty())
        m_Rows[m_nSelected].choose();
    else if (key.key == kEscape && m_Escape)
        m_Escape();
}

void CMenuScreen::OnSpecialKey(const InputEvent& key)
{
    const int count = static_cast<int>(m_Rows.size());
    if (count == 0)
        return;
    if (key.special == kKeyUp)
        m_nSelected = (m_nSelected + count - 1) % count;
    else if (key.special == kKeyDown)
        m_nSelected = (m_nSelected + 1) % count;
}

void CMenuScreen::OnPress(const InputEvent& press)
{
    const int row = OptionsRowAt(press.x, press.y, static_cast<int>(m_Rows.size()));
    if (row < 0)
        return;
    m_nSelected = row;
    m_Rows[row].choose();
}

void CMenuScreen::Draw()
{
    const FontBox box = OptionsBox(static_cast<int>(m_Rows.size()));
    FillFontRect(box.left, box.bottom, box.right, box.top, 0, 0, 0.1f, 0.9f);
    const int x = static_cast<int>(box.left) + 20;
    glColor3f(1, 1, 1);
    m_Text.Print(x, kTitleY, m_Title.c_str(), 1);
    for (size_t i = 0; i < m_Rows.size(); ++i) {
        const bool selected = static_cast<int>(i) == m_nSelected;
        const std::string line = (selected ? "> " : "  ") + m_Rows[i].label;
        PrintWhite(m_Text, x, OptionsRowY(static_cast<int>(i)), line.c_str());
    }
}
