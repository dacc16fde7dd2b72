// The application object: the 3D scene's board, dice, pawns and deed card,
// and everything the rules ask of the screen, played out as timed
// animations and held messages on the one GLUT thread.
#pragma once

#include "board.h"
#include "deed_card.h"
#include "dice.h"
#include "frame.h"
#include "pawn.h"
#include "quaternion.h"
#include "vector.h"

// The view from above the board's centre.
extern const CVector OverviewPosition;
extern const CQuaternion OverviewOrientation;

class CBourgade3D : public CFrame {
public:
    CBoard board;
    CDice dice;
    CPawn pawns[kPawnCount];
    CDeedCard deedCard;
    char m_cLastKey = 0;

    virtual ~CBourgade3D() = default;

    // Builds every scene object once the window exists.
    void BuildList();

    // --- What the rules ask of the screen ---
    void DrawMessage(const char* text) override;
    void DrawYesNo() override;
    void DrawOffer(const PricedOffer& offer) override;
    void Redraw() override;
    void MovePawnTo(int pawn, int square, float seconds) override;
    void RegardePion(int pawn) override;
    void FlyToOverview() override;
    void AnimateDice(int die1, int die2) override;
    void LoadPicture(int square) override;
    void RemovePawn(int pawn, int pawnCount) override;
    void SetBuildings(int square, int count) override;
    MouseEvent LastMouse() const override;
    MouseEvent OnBoardFromAbove(const MouseEvent& mouse) const override;
    char TakeKey() override;
    void BetweenTurns() override;

    // Puts the pawns, buildings and dice where a resumed game left them,
    // once the scene is built.
    void PlaceResumedGame();

    // Walks pawn g_nMovingPawn from one square to another, leg by leg.
    void MovePawn(int from, int to, float seconds);

    // The last priced offer put to a player, shown while it waits.
    PricedOffer m_Offer{};

private:
    void WalkStraight(int from, int to, float seconds);

    // The next message comes with the "OUI   NON" words.
    bool m_bYesNoNext = false;
    // The square whose title deed is shown: showing it again changes nothing.
    int m_nPictureSquare = -1;
};

// Flies the eye in a straight line to `position` while turning the view to
// `orientation`.
void FlyCamera(CVector position, CQuaternion orientation, float seconds);
