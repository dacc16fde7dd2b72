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

// A solid red body: the white pips, lit only by the ambient light on the
// faces that look at the viewer, would not stand out on a light one.
void Body()
{
    SetMaterial(0.75f, 0.08f, 0.08f, 1.0f);
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
    const Turn& t = kShowTurn[value >= 1 && value <= 6 ? value : 1];
    glRotatef(t.angle, t.x, t.y, t.z);
    glCallList(list);
    glPopMatrix();
}

}  // namespace

void CDice::Build()
{
    m_bBuilt = true;
    m_nList = glGenLists(1);
    glNewList(m_nList, GL_COMPILE);
    glPushMatrix();
    glDisable(GL_TEXTURE_2D);
    Body();
    Pips();
    glPopMatrix();
    glEndList();
}

void CDice::Draw()
{
    if (!m_bBuilt)
        return;
    // Opaque and depth-tested whatever the drawing before left: seen
    // through, the pips of the far faces would add to the count. The pips
    // lie in the planes of the faces and win where the depths are equal.
    glPushAttrib(GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT | GL_POLYGON_BIT);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    glEnable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    DrawDie(-kDieX, m_nDie1, m_nList);
    DrawDie(kDieX, m_nDie2, m_nList);
    glPopAttrib();
    glDisable(GL_BLEND);
}
