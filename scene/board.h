// The board: 40 squares along the four sides of a 24 x 24 track, from -12 to
// 12 on x and z, around a raised centre. Side s is turned by -90·s degrees
// about +y; square 0 is the corner at x, z from -12 to -9.
#pragma once

#include <cstdint>

#include "square.h"
#include "street_labels.h"
#include "table.h"
#include "tables.h"
#include "vector.h"

class CBoard {
public:
    uint32_t m_nList = 0;  // the raised centre
    uint32_t m_nCentreTex = 0;
    CSquare m_Squares[kSquareCount];

    virtual ~CBoard() = default;

    // What the squares read every frame: the game's deeds and the six pawns
    // whose colours mark the owners. Either may be set before or after Build.
    void SetGame(const CGame* game);
    void SetPawns(const CPawn* pawns);
    // 0..4 houses or 5 for a hotel; other counts are clamped into that range.
    void SetBuildings(int square, int count);

    // Builds the shared square lists, the house and hotel models, the 40
    // squares with their textures, the centre, the table under the board and
    // the street labels.
    void Build();
    void Draw();

    // Where a pawn with this in-square offset rests on a square, in world
    // coordinates, half a unit above the board.
    CVector RestingPoint(int square, const CVector& offset) const;

private:
    void LoadTextures(CSquare& square);
    uint32_t SharedTexture(int number, int square, uint32_t CSquare::*field,
                           const char* prefix);
    void BuildCentre();
    bool Mortgaged(int square) const;

    const CGame* m_pGame = nullptr;
    const CPawn* m_pPawns = nullptr;
    CTable m_Table;
    CStreetLabels m_Labels;
};
