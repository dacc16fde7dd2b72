#include "setup_screen.h"

#include <GL/gl.h>

#include "message_layout.h"
#include "overlays.h"

namespace {

// In the font's units over the board view.
constexpr int kTitleY = 420;
constexpr int kFirstRowY = 392;
constexpr int kRowStep = 21;
// A row answers from just under its line to the top of its letters.
constexpr int kRowTop = 18;

}  // namespace

int SetupRowAt(int layoutX, int layoutY)
{
    if (layoutX < 0 || layoutX >= 500)
        return -1;
    const float fromTop = kFirstRowY + kRowTop - BoardFontY(layoutY);
    return fromTop < 0 ? -1 : static_cast<int>(fromTop / kRowStep);
}

void CSetupScreen::Act(CSetupForm::Outcome outcome)
{
    if (outcome == CSetupForm::Outcome::kStart)
        m_Start(m_Setup);
    else if (outcome == CSetupForm::Outcome::kBack)
        m_Stack.Pop();
}

void CSetupScreen::OnKey(const InputEvent& key)
{
    Act(m_Form.Key(key.key));
}

void CSetupScreen::OnSpecialKey(const InputEvent& key)
{
    m_Form.Special(key.special);
}

void CSetupScreen::OnPress(const InputEvent& press)
{
    Act(m_Form.Click(SetupRowAt(press.x, press.y)));
}

void CSetupScreen::Draw()
{
    FillFontRect(0, 44, 640, 480, 0, 0, 0.1f, 1.0f);
    glColor3f(1, 1, 1);
    m_Text.Print(6, kTitleY, "Nouvelle partie", 1);
    int y = kFirstRowY;
    int row = 0;
    for (const std::string& label : m_Form.Rows()) {
        const std::string line = (row == m_Form.Focus() ? "> " : "  ") + label;
        PrintWhite(m_Text, 6, y, line.c_str());
        y -= kRowStep;
        row += 1;
    }
}
