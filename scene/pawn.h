// A player's pawn: a cone with a round head, in the player's colour, drawn at
// an animated position on the board.
#pragma once

#include "scene_object.h"

constexpr int kPawnCount = 6;

class CPawn : public CSceneObject {
public:
    float m_Color[4];
    int m_nNumber;         // from the program-wide counter, 0..5 for the game's pawns
    int m_nSquare = 0;     // the square the pawn stands on
    CVector m_vStart{0, 0, 0};  // where the current leg of a move starts
    int m_nFrom = 0;
    CVector m_vEnd{0, 0, 0};    // where it ends
    int m_nTarget = 0;
    CVector m_vOffset{0, 0, 0};  // the pawn's place inside a square

    // The number the next pawn constructed takes.
    static int s_nNextNumber;

    CPawn();
    CPawn(const CPawn&) = default;
    CPawn& operator=(const CPawn&) = default;

    // Colour and starting place (on square 0, moved by m_vOffset), and the
    // mesh. Set m_vOffset first.
    void Build() override;
    // Draws nothing for a pawn never built, or cleared after its player left.
    void Draw() override;
    // Puts the pawn at t (0..1) of the way from m_vStart to m_vEnd.
    void Interpolate(float t);
};

// Where pawn k stands inside a square, so that six share one square.
CVector InSquareOffset(int pawn);
