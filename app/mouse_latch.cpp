#include "mouse_latch.h"

void CMouseLatch::Press(int x, int y)
{
    m_Press = {x, y, true};
    m_Last = m_Press;
    m_bHeld = true;
    m_bUnread = true;
}

void CMouseLatch::Release(int x, int y)
{
    m_Last = {x, y, false};
    m_bHeld = false;
}

MouseEvent CMouseLatch::Seen() const
{
    if (m_bHeld)
        return m_Last;
    return m_bUnread ? m_Press : m_Last;
}

void CMouseLatch::StepRead()
{
    m_bUnread = false;
}
