// What is laid flat on a square to be read from above: each street's name
// plate with its price, over the inner part of the street picture that all
// streets share; the count of its buildings on its colour band; and the
// stamp across a mortgaged property's square.
#pragma once

#include <cstdint>

#include "tables.h"

class CStreetLabels {
public:
    virtual ~CStreetLabels() = default;

    // Loads "textures\rue<square>.tga" of every street,
    // "textures\batiments.tga" and "textures\tampon.tga", and compiles
    // the quads.
    void Build();
    // Inside the square's own frame, as the board draws it; `buildings`
    // 0..4 houses or 5 for a hotel.
    void Draw(int square, bool mortgaged, int buildings) const;

private:
    uint32_t m_nPlateList = 0;
    uint32_t m_nStampList = 0;
    uint32_t m_nStampTex = 0;
    uint32_t m_nBadgeTex = 0;
    uint32_t m_nBadgeLists[5] = {};
    uint32_t m_nPlateTex[kSquareCount] = {};
};
