#include "sim_frame.h"

#include "foolish_acts.h"
#include "game.h"
#include "game_log.h"
#include "simulation.h"

int CSimFrame::LevelOfOwner(int p) const
{
    const int32_t level = m_pGame->players[m_pGame->properties[p].owner].level;
    return level >= 0 && level < kLevelCount ? level : kLevelNormal;
}

// Buildings only go up by a purchase and down by a sale at half price.
void CSimFrame::SetBuildings(int square, int count)
{
    const int p = squareToProperty[square];
    if (m_pActs != nullptr && p >= 0 && m_pGame->properties[p].owner >= 0) {
        const int level = LevelOfOwner(p);
        if (count > buildings[square])
            m_pActs->built[level] += count - buildings[square];
        else
            m_pActs->soldBack[level] += buildings[square] - count;
    }
    buildings[square] = count;
}

void CSimFrame::CountSwapSide(int player, int gives, int gets, int cash)
{
    const unsigned acts = FoolishSwap(*m_pGame, player, gives, gets, cash);
    const int level = LevelOfOwner(gives);
    for (int act = 0; act < kFoolishActCount; ++act)
        m_pActs->foolish[level][act] += (acts >> act) & 1u;
}

void CSimFrame::Swapping(int a, int b, int value)
{
    if (m_pActs == nullptr)
        return;
    CountSwapSide(m_pGame->properties[a].owner, a, b, value);
    CountSwapSide(m_pGame->properties[b].owner, b, a, -value);
}

void CSimFrame::CountDealSide(int player, const Deal& deal)
{
    const unsigned acts = FoolishDeal(*m_pGame, player, deal);
    const int32_t level = m_pGame->players[player].level;
    for (int act = 0; act < kFoolishActCount; ++act)
        m_pActs->foolish[level][act] += (acts >> act) & 1u;
}

void CSimFrame::Dealing(const Deal& deal)
{
    if (m_pActs == nullptr)
        return;
    m_pActs->deals += 1;
    CountDealSide(deal.asker, deal);
    CountDealSide(deal.partner, deal);
}

void CSimFrame::Lifting(int p)
{
    if (m_pActs != nullptr && FoolishLift(*m_pGame, p))
        m_pActs->foolish[LevelOfOwner(p)][kLiftsLooseMortgage] += 1;
}

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
