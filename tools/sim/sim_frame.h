// A frame that shows nothing and waits for nothing, and keeps only what the
// simulator needs: the buildings on the board, the throws of a step, where
// the thrower ended, and who won.
#pragma once

#include <cstdint>

#include "frame.h"
#include "tables.h"

class CGame;
class CGameLog;
struct ActCounts;

class CSimFrame : public CNullFrame {
public:
    // The board as the rules told the frame to draw it, square by square.
    int32_t buildings[kSquareCount] = {};
    // Seat of the winner, -1 while the game goes on.
    int winnerSeat = -1;

    void Watch(const CGame& game) { m_pGame = &game; }
    // Writes the messages to `log` as the window's console does.
    void Tell(CGameLog* log) { m_pLog = log; }
    // Counts the computer players' acts into `acts`.
    void Count(ActCounts* acts) { m_pActs = acts; }
    // Starts watching one step of the given player.
    void BeginStep(int thrower);
    // After the step: whether the dice were thrown, and the square where the
    // thrower stood once its landing was over, even if that ruined it.
    bool Threw() const { return m_nThrows > 0; }
    int ThrowerSquare() const;

    void SetBuildings(int square, int count) override;
    void AnimateDice(int, int) override;
    void DrawMessage(const char* text) override;
    void MovePawnTo(int pawn, int square, float seconds) override;
    void RemovePawn(int pawn, int pawnCount) override;
    void Swapping(int a, int b, int value) override;
    void Dealing(const Deal& deal) override;
    void Lifting(int p) override;

private:
    int LevelOfOwner(int p) const;
    void CountSwapSide(int player, int gives, int gets, int cash);
    void CountDealSide(int player, const Deal& deal);

    const CGame* m_pGame = nullptr;
    CGameLog* m_pLog = nullptr;
    ActCounts* m_pActs = nullptr;
    int m_nThrower = 0;
    int m_nThrows = 0;
    int m_nRuinedSquare = -1;
};
