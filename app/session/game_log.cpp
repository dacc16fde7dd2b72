#include "game_log.h"

#include <algorithm>

bool CGameLog::Message(const std::string& text)
{
    if (text.empty() || std::find(m_Recent.begin(), m_Recent.end(), text) != m_Recent.end())
        return false;
    std::fprintf(m_pOut, "%s\n", text.c_str());
    std::fflush(m_pOut);
    Keep(text);
    m_Recent.push_back(text);
    if (m_Recent.size() > kRecentLines)
        m_Recent.pop_front();
    return true;
}

void CGameLog::Event()
{
    m_Recent.clear();
}

void CGameLog::TurnOver()
{
    if (!m_Journal.empty() && m_Journal.back() != kTurnMark)
        Keep(kTurnMark);
}

void CGameLog::Keep(const std::string& line)
{
    m_Journal.push_back(line);
    if (m_Journal.size() > kJournalLines)
        m_Journal.pop_front();
}
