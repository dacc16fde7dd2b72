#include "journal_view.h"

#include <algorithm>

#include "game_log.h"
#include "message_layout.h"

const char kTurnRule[] = "- - - - - - - - - -";

void CJournalView::Refresh(const std::deque<std::string>& journal)
{
    m_Rows.clear();
    for (const std::string& line : journal) {
        if (line == CGameLog::kTurnMark) {
            m_Rows.push_back(kTurnRule);
            continue;
        }
        for (const MessageLine& row : LayOutMessage(line))
            m_Rows.push_back(row.text);
    }
    m_nFromBottom = std::min(m_nFromBottom, MostFromBottom());
}

int CJournalView::MostFromBottom() const
{
    return std::max(0, static_cast<int>(m_Rows.size()) - kRows);
}

void CJournalView::Scroll(int rows)
{
    m_nFromBottom = std::clamp(m_nFromBottom + rows, 0, MostFromBottom());
}

void CJournalView::Top()
{
    m_nFromBottom = MostFromBottom();
}

std::vector<std::string> CJournalView::Shown() const
{
    const int end = static_cast<int>(m_Rows.size()) - m_nFromBottom;
    const int begin = std::max(0, end - kRows);
    return {m_Rows.begin() + begin, m_Rows.begin() + end};
}
