#include "options_screen.h"

#include <GL/gl.h>

#include "console_setup.h"
#include "option_rows.h"
#include "overlays.h"
#include "router.h"

namespace {

constexpr unsigned char kEscape = 27;
constexpr unsigned char kHelpKey = '?';
constexpr int kTitleY = 350;

std::string ConfirmationsLabel(bool on)
{
    return on ? "Confirmer ventes et hypothèques : oui" : "Confirmer ventes et hypothèques : non";
}

}  // namespace

COptionsScreen::COptionsScreen(CScreenStack& stack, CScreen& help, CJournalScreen& journal,
                               CSpeedControl& speed, CSound& sound, CGame& game, glText& text,
                               std::function<void()> openTrade)
    : m_Stack(stack), m_Help(help), m_Sound(sound), m_Text(text)
{
    m_Rows = {
        {[&speed] { return speed.SpeedLabel(); }, [&speed] { speed.NextRound(); }},
        {[&speed] { return speed.FastComputersLabel(); }, [&speed] { speed.ToggleFastComputers(); }},
        {[&game] { return LevelsInPlayLabel(game); }, [] {}},
        {[] { return std::string("Aide (F1 ou ?)"); }, [this] { m_Stack.Push(m_Help); }},
        {[&sound] { return VolumeLabel(sound.Volume()); },
         [&sound] {
             sound.SetVolume(NextVolume(sound.Volume()));
             sound.Play(SoundEvent::kClick, 1);
         }},
        {[&sound] { return MuteLabel(sound.Muted()); },
         [&sound] {
             sound.ToggleMute();
             sound.Play(SoundEvent::kClick, 1);
         }},
        {[] { return std::string("Journal (j)"); }, [&journal] { journal.Open(); }},
        {[] { return std::string("Échanges (e)"); }, std::move(openTrade)},
        {[&game] { return ConfirmationsLabel(game.confirmSales != 0); },
         [&game] { game.confirmSales = game.confirmSales ? 0 : 1; }},
        {[] { return std::string("Reprendre la partie (Échap)"); }, [this] { m_Stack.Pop(); }},
    };
}

void COptionsScreen::OnKey(const InputEvent& key)
{
    if (key.key == kEscape)
        m_Stack.Pop();
    else if (key.key == kHelpKey)
        m_Stack.Push(m_Help);
    else if (key.key == kMuteKey)
        m_Sound.ToggleMute();
}

void COptionsScreen::OnPress(const InputEvent& press)
{
    const int row = OptionsRowAt(press.x, press.y, static_cast<int>(m_Rows.size()));
    if (row == kOutsideBox)
        m_Stack.Pop();
    else if (row >= 0)
        m_Rows[row].choose();
}

void COptionsScreen::Draw()
{
    const FontBox box = OptionsBox(static_cast<int>(m_Rows.size()));
    FillFontRect(box.left, box.bottom, box.right, box.top, 0, 0, 0.1f, 0.88f);
    const int x = static_cast<int>(box.left) + 20;
    glColor3f(1, 1, 1);
    m_Text.Print(x, kTitleY, "Options", 1);
    for (size_t i = 0; i < m_Rows.size(); ++i)
        PrintWhite(m_Text, x, OptionsRowY(static_cast<int>(i)), m_Rows[i].label().c_str());
}
