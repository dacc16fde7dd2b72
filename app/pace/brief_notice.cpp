#include "brief_notice.h"

void CBriefNotice::Show(const std::string& text, uint32_t now)
{
    m_Text = text;
    m_nShownAt = now;
}

std::string CBriefNotice::TextAt(uint32_t now) const
{
    return Over(now) ? std::string() : m_Text;
}

bool CBriefNotice::Expire(uint32_t now)
{
    if (m_Text.empty() || !Over(now))
        return false;
    m_Text.clear();
    return true;
}
