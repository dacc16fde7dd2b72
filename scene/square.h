// One square of the board: its textured quads, its houses or hotel, and the
// owner's marker. It reads the game (owner, mortgage) and the pawns (the
// owner's colour) every frame and never writes them.
#pragma once

#include <cstdint>

#include "scene_object.h"
#include "vector2.h"

class CGame;
class CPawn;

class CSquare : public CSceneObject {
public:
    int m_nIndex = 0;        // 0..39
    int m_nBuildings = 0;    // 0..4 houses, 5 = a hotel
    uint32_t m_nPictureTex = 0;
    uint32_t m_nBandTex = 0;
    CVector2 m_Place{0, 0};  // x, z of the square's origin in its side's frame
    float m_fAngle = 0;      // degrees about +y: the side's turn
    const CGame* m_pGame = nullptr;
    const CPawn* m_pPawns = nullptr;  // the six pawns, indexed by player

    CSquare() = default;
    CSquare(float x, float z, float angle, int index);

    bool IsCorner() const { return m_nIndex % 10 == 0; }
    bool ShowsFullPicture() const;

    void Build() override;
    void Draw() override;

private:
    void DrawBuildings() const;
    // The property shown on this square, or -1.
    int PropertyIndex() const;
};
