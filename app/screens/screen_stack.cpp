#include "screen.h"

#include <algorithm>

void CScreenStack::Push(CScreen& screen)
{
    if (IsOpen(screen))
        return;
    m_Screens.push_back(&screen);
    Changed();
}

void CScreenStack::Pop()
{
    if (m_Screens.size() <= 1)
        return;
    m_Screens.pop_back();
    Changed();
}

void CScreenStack::Changed()
{
    if (m_Changed)
        m_Changed();
}

void CScreenStack::CloseAll()
{
    if (m_Screens.size() <= 1)
        return;
    m_Screens.resize(1);
    Changed();
}

bool CScreenStack::IsOpen(const CScreen& screen) const
{
    return std::find(m_Screens.begin(), m_Screens.end(), &screen) != m_Screens.end();
}

bool CScreenStack::HoldsGame() const
{
    return std::any_of(m_Screens.begin(), m_Screens.end(),
                       [](const CScreen* screen) { return screen->HoldsGame(); });
}

void CScreenStack::Draw()
{
    for (CScreen* screen : m_Screens)
        screen->Draw();
}
