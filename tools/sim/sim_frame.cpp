#include "sim_frame.h"

#include "game.h"
#include "game_log.h"

void CSimFrame::BeginStep(int thrower)
{
    m_nThrower = thrower;
    m_nThrows = 0;
    m_nRuinedSquare = -1;
}

int CSimFrame::ThrowerSquare() const
{
    if (m_nRuinedSquare >= 0)
        return m_nRuinedSquare;
    return m_pGame->players[m_nThrower].square;
}

// Called before the table of players closes up, so the leaving record can
// still be read; the thrower's index follows the records that move down.
void CSimFrame::RemovePawn(int pawn, int pawnCount)
{
    if (pawn == m_nThrower)
        m_nRuinedSquare = m_pGame->players[pawn].square;
    else if (pawn < m_nThrower && pawnCount > 2)
        --m_nThrower;
    if (pawnCount == 2)
        winnerSeat = m_pGame->players[1 - pawn].seat;
}

// A throw and a walk are news for the log: the same words after them are
// told again, as in the window.
void CSimFrame::AnimateDice(int, int)
{
    ++m_nThrows;
    if (m_pLog != nullptr)
        m_pLog->Event();
}

void CSimFrame::DrawMessage(const char* text)
{
    if (m_pLog != nullptr)
        m_pLog->Message(text);
}

void CSimFrame::MovePawnTo(int, int, float)
{
    if (m_pLog != nullptr)
        m_pLog->Event();
}
