#include "journal_screen.h"

#include "overlays.h"

namespace {

constexpr unsigned char kEscape = 27;
constexpr unsigned char kJournalKey = 'j';
constexpr int kWheelRows = 3;
// In the font's units over the board view.
constexpr int kTitleY = 424;
constexpr int kFirstRowY = 398;
constexpr int kRowStep = 18;
constexpr int kHintY = 50;

}  // namespace

void CJournalScreen::Open()
{
    m_View.Refresh(m_Log.Journal());
    m_View.Bottom();
    m_Stack.Push(*this);
}

void CJournalScreen::OnKey(const InputEvent& key)
{
    if (key.key == kEscape || key.key == kJournalKey)
        m_Stack.Pop();
}

void CJournalScreen::OnSpecialKey(const InputEvent& key)
{
    switch (key.special) {
    case kKeyUp:
        m_View.Scroll(1);
        break;
    case kKeyDown:
        m_View.Scroll(-1);
        break;
    case kKeyPageUp:
        m_View.Scroll(CJournalView::kRows);
        break;
    case kKeyPageDown:
        m_View.Scroll(-CJournalView::kRows);
        break;
    case kKeyHome:
        m_View.Top();
        break;
    case kKeyEnd:
        m_View.Bottom();
        break;
    default:
        break;
    }
}

void CJournalScreen::OnPress(const InputEvent& press)
{
    if (press.button == kWheelUp)
        m_View.Scroll(kWheelRows);
    else if (press.button == kWheelDown)
        m_View.Scroll(-kWheelRows);
    else
        m_Stack.Pop();
}

void CJournalScreen::Draw()
{
    m_View.Refresh(m_Log.Journal());
    FillFontRect(0, 44, 640, 480, 0, 0, 0.1f, 0.92f);
    PrintWhite(m_Text, 6, kTitleY, "Journal");
    int y = kFirstRowY;
    for (const std::string& row : m_View.Shown()) {
        PrintWhite(m_Text, 6, y, row.c_str());
        y -= kRowStep;
    }
    PrintWhite(m_Text, 6, kHintY, "Flèches, pages, molette ; Échap : fermer", 0.8f);
}
