#include "step_log.h"

#include <string>

#include "game.h"
#include "game_log.h"

CStepLog::CStepLog(CGameLog& log, const CGame& game) : m_Log(log), m_Game(game) {}

void CStepLog::Before()
{
    m_Before = TakeSnapshot(m_Game);
    m_nWaitingFor = m_Game.inputMode;
}

void CStepLog::After()
{
    for (const std::string& line : DescribeChanges(m_Before, TakeSnapshot(m_Game), m_Game))
        m_Log.Message(line);
    if (m_nWaitingFor != kNoInput && m_Game.inputMode == kNoInput)
        m_Log.Event();
}
