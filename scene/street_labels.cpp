#include "street_labels.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>

#include "material.h"
#include "texture_file.h"

namespace {

// Just above the square, so that the plate wins over the picture under it.
constexpr float kPlateLift = 0.004f;
constexpr float kStampLift = 0.008f;
// The plate spans the square's width over the inner part of its picture,
// up to the colour band.
constexpr float kPlateFrom = 1.15f;
constexpr float kPlateTo = 2.35f;
// The stamp lies along the square's diagonal, rising to the right as a
// player at that side sees it (picture x runs from 2 down to 0 in the
// square's frame), and is 4 times as long as it is wide, like its picture.
constexpr float kStampLength = 2.6f;
constexpr float kStampWidth = 0.65f;
constexpr float kSquareMiddle[2] = {1, 1.5f};
// The building count sits in the middle of the colour band (2.35 to 3),
// twice as wide as deep like its cell of the badge picture, 4 by 2 cells.
constexpr float kBadgeLift = 0.004f;
constexpr float kBadgeX[2] = {0.45f, 1.55f};
constexpr float kBadgeZ[2] = {2.4f, 2.95f};
constexpr int kBadgeColumns = 4;
constexpr int kBadgeRows = 2;

// The two corners of a quad in the square's plane: (x, z) with the picture
// mapped as on the square, s falling along x and t rising towards the centre.
struct FlatQuad {
    float x0, z0, x1, z1;
    float s0, t0, s1, t1;
};

void CompileFlat(uint32_t list, float lift, const FlatQuad& q)
{
    glNewList(list, GL_COMPILE);
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    glTexCoord2f(q.s1, q.t0);
    glVertex3f(q.x0, lift, q.z0);
    glTexCoord2f(q.s1, q.t1);
    glVertex3f(q.x0, lift, q.z1);
    glTexCoord2f(q.s0, q.t1);
    glVertex3f(q.x1, lift, q.z1);
    glTexCoord2f(q.s0, q.t0);
    glVertex3f(q.x1, lift, q.z0);
    glEnd();
    glEndList();
}

// Cells are counted from the picture's top left; t = 1 is its top.
FlatQuad BadgeQuad(int count)
{
    const int cell = count - 1;
    const float s0 = float(cell % kBadgeColumns) / kBadgeColumns;
    const float t1 = 1 - float(cell / kBadgeColumns) / kBadgeRows;
    return {kBadgeX[0], kBadgeZ[0], kBadgeX[1], kBadgeZ[1],
            s0, t1 - 1.0f / kBadgeRows, s0 + 1.0f / kBadgeColumns, t1};
}

void CompileStamp(uint32_t list)
{
    // Along and across the diagonal, in picture coordinates (right, up).
    const float d = std::sqrt(13.0f);
    const float along[2] = {2 / d, 3 / d};
    const float across[2] = {-3 / d, 2 / d};
    const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    glNewList(list, GL_COMPILE);
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    for (const auto& c : corners) {
        const float a = (c[0] - 0.5f) * kStampLength, b = (c[1] - 0.5f) * kStampWidth;
        const float right = kSquareMiddle[0] + a * along[0] + b * across[0];
        const float up = kSquareMiddle[1] + a * along[1] + b * across[1];
        glTexCoord2f(c[0], c[1]);
        glVertex3f(2 - right, kStampLift, up);
    }
    glEnd();
    glEndList();
}

}  // namespace

void CStreetLabels::Build()
{
    for (int p = 0; p < kStreetCount; ++p) {
        const int square = propertySquare[p];
        char path[32];
        std::snprintf(path, sizeof path, "textures\\rue%d.tga", square);
        LoadSmoothOrReport(m_nPlateTex[square], path, path);
    }
    LoadSmoothOrReport(m_nStampTex, "textures\\tampon.tga", "textures\\tampon.tga");
    LoadSmoothOrReport(m_nBadgeTex, "textures\\batiments.tga", "textures\\batiments.tga");
    m_nPlateList = glGenLists(1);
    CompileFlat(m_nPlateList, kPlateLift, {0, kPlateFrom, 2, kPlateTo, 0, 0, 1, 1});
    for (int count = 1; count <= 5; ++count) {
        m_nBadgeLists[count - 1] = glGenLists(1);
        CompileFlat(m_nBadgeLists[count - 1], kBadgeLift, BadgeQuad(count));
    }
    m_nStampList = glGenLists(1);
    CompileStamp(m_nStampList);
}

void CStreetLabels::Draw(int square, bool mortgaged, int buildings) const
{
    const bool plate = m_nPlateTex[square] != 0;
    if (!plate && !mortgaged)
        return;
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    SetWhiteMaterial();
    if (plate) {
        glBindTexture(GL_TEXTURE_2D, m_nPlateTex[square]);
        glCallList(m_nPlateList);
    }
    if (buildings >= 1 && buildings <= 5) {
        glBindTexture(GL_TEXTURE_2D, m_nBadgeTex);
        glCallList(m_nBadgeLists[buildings - 1]);
    }
    if (mortgaged) {
        glBindTexture(GL_TEXTURE_2D, m_nStampTex);
        glCallList(m_nStampList);
    }
}
