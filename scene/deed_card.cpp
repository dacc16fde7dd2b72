#include "deed_card.h"

#include <GL/gl.h>

#include <cstdio>

#include "texture.h"

namespace {

constexpr float kCardX = -5.5f;
constexpr float kCardY = -10.2f;
constexpr float kCardZ = 22.0f;
constexpr float kColumnWidth = 5.0f / 3.0f;
constexpr float kRowHeight = 2;
constexpr int kRows = 3;
constexpr int kColumns = 2;

}  // namespace

void CDeedCard::Build()
{
    m_bLoaded = 0;
    m_nList = glGenLists(1);
    GLuint name = 0;
    glGenTextures(1, &name);
    m_nTexture = name;
    glNewList(m_nList, GL_COMPILE);
    glPushMatrix();
    glTranslatef(kCardX, kCardY, kCardZ);
    glDisable(GL_BLEND);
    for (int r = 0; r < kRows; ++r) {
        glBegin(GL_QUAD_STRIP);
        for (int c = 0; c <= kColumns; ++c) {
            glNormal3f(0, 1, 0);
            glTexCoord2f(0.5f * c, float(r) / kRows);
            glVertex3f(c * kColumnWidth, kRowHeight * r, 0);
            glTexCoord2f(0.5f * c, float(r + 1) / kRows);
            glVertex3f(c * kColumnWidth, kRowHeight * (r + 1), 0);
        }
        glEnd();
    }
    glPopMatrix();
    glEndList();
}

int CDeedCard::LoadPicture(int square)
{
    if (m_bLoaded && square == m_nSquare)
        return 1;
    char path[32];
    std::snprintf(path, sizeof path, "textures\\p%d.tga", square);
    GLuint name = m_nTexture;
    glDeleteTextures(1, &name);
    CTexture texture;
    m_bLoaded = texture.LoadTexture(path, m_nTexture, 1, 0, 0);
    m_nSquare = m_bLoaded ? square : -1;
    return m_bLoaded;
}

CVector CDeedCard::CardPoint(float across, float up) const
{
    const float s = m_Placement.scale;
    return CVector(m_vPosition.x + kCardX + s * kColumns * kColumnWidth * across,
                   m_vPosition.y + kCardY + m_Placement.lift + s * kRows * kRowHeight * up,
                   m_vPosition.z + kCardZ);
}

void CDeedCard::Draw()
{
    if (!m_bLoaded)
        return;
    glPushMatrix();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    glTranslatef(m_vPosition.x, m_vPosition.y, m_vPosition.z);
    // About the card's foot, so that it grows upwards and to the right.
    glTranslatef(kCardX, kCardY + m_Placement.lift, kCardZ);
    glScalef(m_Placement.scale, m_Placement.scale, 1);
    glTranslatef(-kCardX, -kCardY, -kCardZ);
    glCallList(m_nList);
    glPopMatrix();
}
