#include "play_screen.h"

#include "router.h"
#include "trade_form.h"
#include "turn_number.h"

namespace {

constexpr unsigned char kEscape = 27;
constexpr unsigned char kHelpKey = '?';
constexpr unsigned char kJournalKey = 'j';

}  // namespace

bool CPlayScreen::OfThisTurn(const InputEvent& event) const
{
    return StillItsTurn(event, TurnNumber(m_P.game));
}

void CPlayScreen::CameraKey(unsigned char key)
{
    switch (key) {
    case 'f':
        m_P.renderer.SetWireframe(false);
        break;
    case 'l':
        m_P.renderer.SetWireframe(true);
        break;
    case 't':
        m_P.camera.TogglePan();
        break;
    case 'i':
        m_P.table.TourNextSquare();
        break;
    default:
        return;
    }
    m_P.frames.Changed();
}

// Every key goes to the rules too, which take the action letters, unless it
// was made on an earlier turn; the view and the pace take theirs at once.
void CPlayScreen::OnKey(const InputEvent& key)
{
    if (key.key == kEscape) {
        m_P.quit();
        return;
    }
    if (key.key == kHelpKey) {
        m_P.openHelp();
        return;
    }
    if (key.key == kJournalKey) {
        m_P.openJournal();
        return;
    }
    if (key.key == kTradeKey) {
        if (OfThisTurn(key))
            m_P.openTrade();
        return;
    }
    if (key.key == kMuteKey)
        m_P.toggleMute();
    if (SpeedKeyStep(key.key) != 0) {
        m_P.speed.Step(SpeedKeyStep(key.key));
        m_P.frames.Changed();
    }
    CameraKey(key.key);
    if (OfThisTurn(key))
        m_P.table.GiveKey(static_cast<char>(key.key));
}

void CPlayScreen::OnSpecialKey(const InputEvent& key)
{
    if (key.special == kKeyF1)
        m_P.openHelp();
}

void CPlayScreen::OnPress(const InputEvent& press)
{
    if (m_P.camera.Wheel(press.button)) {
        m_P.frames.Changed();
        return;
    }
    m_P.camera.Press(press.button, press.x, press.y);
    if (OfThisTurn(press))
        m_P.presses.Press(PressForRules(press, m_P.game.inputMode));
}

void CPlayScreen::OnRelease(const InputEvent&)
{
    m_P.camera.Release();
}

void CPlayScreen::OnDrag(const InputEvent& drag)
{
    if (m_P.camera.Drag(drag.x, drag.y))
        m_P.frames.Changed();
}
