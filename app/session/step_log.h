// What the console log adds around each step of the game, the same for the
// window and the simulator: the board's changes that no message told, and
// the end of a wait, after which the same words asked again are news.
#pragma once

#include <cstdint>

#include "board_changes.h"

class CGame;
class CGameLog;

class CStepLog {
public:
    CStepLog(CGameLog& log, const CGame& game);
    // Call right before the step and right after it.
    void Before();
    void After();

private:
    CGameLog& m_Log;
    const CGame& m_Game;
    BoardSnapshot m_Before{};
    int32_t m_nWaitingFor = 0;
};
