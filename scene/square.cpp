#include "square.h"

#include <GL/gl.h>

#include "game.h"
#include "hotel.h"
#include "house.h"
#include "material.h"
#include "pawn.h"
#include "square_lists.h"

namespace {

constexpr int kHotel = 5;
constexpr float kHouseSpacing = 0.5f;
constexpr float kMortgagedAlpha = 0.8f;

// The squares that are neither corners nor streets show one full picture.
constexpr bool kShowsFullPicture[kSquareCount] = {
    0, 0, 1, 0, 1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1, 0, 0,
    0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 1, 0, 1, 0,
};

}  // namespace

CSquare::CSquare(float x, float z, float angle, int index)
    : m_nIndex(index), m_Place(x, z), m_fAngle(angle)
{
}

bool CSquare::ShowsFullPicture() const
{
    return kShowsFullPicture[m_nIndex];
}

int CSquare::PropertyIndex() const
{
    return squareToProperty[m_nIndex];
}

void CSquare::Build()
{
    m_bBuilt = true;
    m_nList = glGenLists(1);
    m_nBuildings = 0;
    glNewList(m_nList, GL_COMPILE);
    // Set here rather than inherited from whatever was drawn before, so a
    // mortgaged square shows the same on the first frame as on later ones.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    if (IsCorner()) {
        glBindTexture(GL_TEXTURE_2D, m_nTexture);
        glCallList(SquareLists[kCorner]);
    } else if (ShowsFullPicture()) {
        glBindTexture(GL_TEXTURE_2D, m_nPictureTex);
        glCallList(SquareLists[kFullPicture]);
    } else {
        glBindTexture(GL_TEXTURE_2D, m_nPictureTex);
        glCallList(SquareLists[kLowerPicture]);
        glBindTexture(GL_TEXTURE_2D, m_nBandTex);
        glCallList(SquareLists[kColourBand]);
    }
    if (!IsCorner()) {
        glDisable(GL_BLEND);
        glBindTexture(GL_TEXTURE_2D, m_nBandTex);
        glCallList(SquareLists[kInnerEdge]);
    }
    glEndList();
}

void CSquare::DrawBuildings() const
{
    if (IsCorner())
        return;
    if (m_nBuildings == kHotel) {
        glCallList(g_Hotel.m_nList);
        return;
    }
    for (int k = 0; k < m_nBuildings; ++k) {
        glPushMatrix();
        glTranslatef(kHouseSpacing * k, 0, 0);
        glCallList(g_House.m_nList);
        glPopMatrix();
    }
}

void CSquare::Draw()
{
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    DrawBuildings();
    const int p = PropertyIndex();
    const Property* deed = (p >= 0 && m_pGame) ? &m_pGame->properties[p] : nullptr;
    SetMaterial(1, 1, 1, deed && deed->mortgaged ? kMortgagedAlpha : 1.0f);
    glCallList(m_nList);
    if (deed && m_pPawns && deed->owner >= 0 && deed->owner < kMaxPlayers) {
        const float* c = m_pPawns[deed->owner].m_Color;
        glDisable(GL_TEXTURE_2D);
        SetMaterial(c[0], c[1], c[2], c[3]);
        glCallList(SquareLists[kOwnerMarker]);
    }
    SetWhiteMaterial();
}
