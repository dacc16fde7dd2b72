#include "dice.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "material.h"

namespace {

constexpr int kCorners[8][3] = {
    {-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1},
    {1, -1, -1},  {1, -1, 1},  {1, 1, 1},  {1, 1, -1},
};

struct CubeFace {
    int corners[4];
    int normal[3];
};

constexpr CubeFace kFaces[6] = {
    {{0, 1, 2, 3}, {-1, 0, 0}}, {{3, 2, 6, 7}, {0, 1, 0}},  {{6, 5, 4, 7}, {1, 0, 0}},
    {{5, 1, 0, 4}, {0, -1, 0}}, {{2, 1, 5, 6}, {0, 0, 1}}, {{4, 0, 3, 7}, {0, 0, -1}},
};

struct Turn {
    float angle, x, y, z;
};

// Each value's face is drawn on +z and turned to its side of the cube, so
// that opposite faces add up to seven.
constexpr Turn kFaceTurn[7] = {
    {0, 1, 0, 0}, {0, 1, 0, 0}, {-90, 0, 1, 0}, {90, 1, 0, 0},
    {-90, 1, 0, 0}, {90, 0, 1, 0}, {180, 1, 0, 0},
};

// The turn that brings a value's face back to +z, towards the viewer.
constexpr Turn kShowTurn[7] = {
    {0, 1, 0, 0}, {0, 1, 0, 0}, {90, 0, 1, 0}, {-90, 1, 0, 0},
    {90, 1, 0, 0}, {-90, 0, 1, 0}, {180, 1, 0, 0},
};

struct Step {
    float x, y, z;
};

// Pip steps per value; each adds to the previous point, the first from the
// die's centre to the face.
constexpr int kMaxPips = 6;
constexpr Step kPipSteps[7][kMaxPips] = {
    {},
    {{0, 0, 1}},
    {{-0.6f, 0.6f, 1}, {1.2f, -1.2f, 0}},
    {{-0.6f, 0.6f, 1}, {0.6f, -0.6f, 0}, {0.6f, -0.6f, 0}},
    {{-0.6f, 0.6f, 1}, {1.2f, 0, 0}, {0, -1.2f, 0}, {-1.2f, 0, 0}},
    {{-0.6f, 0.6f, 1}, {1.2f, 0, 0}, {0, -1.2f, 0}, {-1.2f, 0, 0}, {0.6f, 0.6f, 0}},
    {{-0.6f, 0.6f, 1}, {1.2f, 0, 0}, {0, -1.2f, 0}, {-1.2f, 0, 0}, {0.6f, 0, 0}, {0, 1.2f, 0}},
};

constexpr float kPipRadius = 0.2f;
constexpr int kPipSlices = 16;
constexpr float kDieX = 1.5f;

void Body()
{
    SetMaterial(0.9f, 0.9f, 0.9f, 0.6f);
    glBegin(GL_QUADS);
    for (const CubeFace& f : kFaces) {
        glNormal3i(f.normal[0], f.normal[1], f.normal[2]);
        for (int c : f.corners)
            glVertex3i(kCorners[c][0], kCorners[c][1], kCorners[c][2]);
    }
    glEnd();
}

void Pips()
{
    SetMaterial(1, 1, 1, 1, GL_FRONT_AND_BACK);
    GLUquadric* disk = gluNewQuadric();
    gluQuadricDrawStyle(disk, GLU_FILL);
    gluQuadricNormals(disk, GLU_SMOOTH);
    glNormal3f(0, 0, 1);
    for (int v = 1; v <= 6; ++v) {
        glPushMatrix();
        const Turn& t = kFaceTurn[v];
        glRotatef(t.angle, t.x, t.y, t.z);
        for (int k = 0; k < v; ++k) {
            const Step& s = kPipSteps[v][k];
            glTranslatef(s.x, s.y, s.z);
            gluDisk(disk, 0, kPipRadius, kPipSlices, 1);
        }
        glPopMatrix();
    }
    gluDeleteQuadric(disk);
}

void DrawDie(float x, int value, unsigned list)
{
    glPushMatrix();
    glTranslatef(x, 0, 0);
    glEnable(GL_BLEND);
    const Turn& t = kShowTurn[value >= 1 && value <= 6 ? value : 1];
    glRotatef(t.angle, t.x, t.y, t.z);
    // The far side first, then the near side over it, through the body.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glCallList(list);
    glCullFace(GL_BACK);
    glCallList(list);
    glDisable(GL_CULL_FACE);
    glPopMatrix();
}

}  // namespace

void CDice::Build()
{
    m_bBuilt = true;
    m_nList = glGenLists(1);
    glNewList(m_nList, GL_COMPILE);
    glPushMatrix();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_DST_ALPHA);
    glDepthMask(GL_FALSE);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    Body();
    Pips();
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
    glEndList();
}

void CDice::Draw()
{
    if (!m_bBuilt)
        return;
    DrawDie(-kDieX, m_nDie1, m_nList);
    DrawDie(kDieX, m_nDie2, m_nList);
    glDisable(GL_BLEND);
}
