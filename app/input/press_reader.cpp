#include "press_reader.h"

void CPressReader::Press(const MouseEvent& press)
{
    m_Press = press;
    m_bUnread = true;
}

MouseEvent CPressReader::Seen() const
{
    return m_bUnread ? m_Press : kNowhere;
}
