#include "pawn.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

#include "material.h"
#include "palette.h"

int CPawn::s_nNextNumber = 0;

namespace {

const CVector kOffsets[kPawnCount] = {
    {1.5f, 0, 2.0f}, {0.5f, 0, 2.0f}, {1.5f, 0, 1.2f},
    {0.5f, 0, 1.2f}, {1.5f, 0, 0.4f}, {0.5f, 0, 0.4f},
};

const CVector kStartCorner(-12, 0.5f, -12);
constexpr float kMeshLift = 0.07f;

// The head: a cap of a sphere about the local origin, above the body's top.
constexpr float kHeadRadius = 0.3606f;
constexpr float kCapFloor = 0.2646f;
// Rings from the apex down to the rim; each band between two rings of m and
// n points is m + n triangles, so 6, 12 and 28 points make 64 in all.
constexpr int kRingPoints[] = {1, 6, 12, 28};
constexpr int kRingCount = sizeof kRingPoints / sizeof kRingPoints[0];

// The body: a cone narrowing upwards, open at the bottom; its normals lean
// up and out.
constexpr float kBodyBottom = -0.5771f;
constexpr float kBodyBottomRadius = 0.3608f;
constexpr float kBodyTop = 0.2643f;
constexpr float kBodyTopRadius = 0.2406f;
constexpr int kBodySteps = 24;
constexpr float kBodyNormalUp = 0.1413f;
constexpr float kBodyNormalAcross = 0.99f;

constexpr float kTwoPi = 6.2831853f;

struct RingPoint {
    CVector v;
    float angle;  // about the vertical axis, for walking two rings together
};

std::vector<RingPoint> Ring(int ring)
{
    const float rimPolar = std::acos(kCapFloor / kHeadRadius);
    const float polar = rimPolar * ring / (kRingCount - 1);
    const int n = kRingPoints[ring];
    std::vector<RingPoint> points;
    for (int i = 0; i < n; ++i) {
        const float a = kTwoPi * i / n;
        const float r = kHeadRadius * std::sin(polar);
        points.push_back({CVector(r * std::cos(a), kHeadRadius * std::cos(polar), r * std::sin(a)), a});
    }
    return points;
}

// Normals point out of the surface, so that the side facing the light is
// the lit one and a pawn seen from above shows its true colour.
void HeadVertex(const CVector& v)
{
    CVector n = v;
    n.Normalize();
    glNormal3f(n.x, n.y, n.z);
    glVertex3f(v.x, v.y, v.z);
}

// Joins two rings with triangles, always advancing along the ring whose
// next point comes first in angle.
void Band(const std::vector<RingPoint>& upper, const std::vector<RingPoint>& lower)
{
    const size_t m = upper.size(), n = lower.size();
    // A single point (the apex) has no edge to advance along: a fan.
    size_t i = m == 1 ? 1 : 0, j = 0;
    while (i < m || j < n) {
        const float nextUpper = i < m ? (i + 1 == m ? kTwoPi : upper[i + 1].angle) : 2 * kTwoPi;
        const float nextLower = j < n ? (j + 1 == n ? kTwoPi : lower[j + 1].angle) : 2 * kTwoPi;
        HeadVertex(upper[i % m].v);
        HeadVertex(lower[j % n].v);
        if (nextUpper < nextLower) {
            HeadVertex(upper[(i + 1) % m].v);
            ++i;
        } else {
            HeadVertex(lower[(j + 1) % n].v);
            ++j;
        }
    }
}

void Head()
{
    glBegin(GL_TRIANGLES);
    for (int ring = 0; ring + 1 < kRingCount; ++ring)
        Band(Ring(ring), Ring(ring + 1));
    glEnd();
}

void Body()
{
    glBegin(GL_QUAD_STRIP);
    for (int k = 0; k <= kBodySteps; ++k) {
        const float a = kTwoPi * (k % kBodySteps) / kBodySteps;
        const float c = std::cos(a), s = std::sin(a);
        glNormal3f(kBodyNormalAcross * c, kBodyNormalUp, kBodyNormalAcross * s);
        glVertex3f(kBodyBottomRadius * c, kBodyBottom, kBodyBottomRadius * s);
        glVertex3f(kBodyTopRadius * c, kBodyTop, kBodyTopRadius * s);
    }
    glEnd();
}

}  // namespace

CVector InSquareOffset(int pawn)
{
    return kOffsets[pawn];
}

CPawn::CPawn() : m_nNumber(s_nNextNumber++)
{
    const PaletteColour& c = playerPalette[m_nNumber % kPawnColours];
    m_Color[0] = c.r;
    m_Color[1] = c.g;
    m_Color[2] = c.b;
    m_Color[3] = 1.0f;
}

void CPawn::Build()
{
    m_bBuilt = true;
    m_vPosition = kStartCorner + m_vOffset;
    m_nList = glGenLists(1);
    glNewList(m_nList, GL_COMPILE);
    glTranslatef(0, kMeshLift, 0);
    Head();
    Body();
    glEndList();
}

void CPawn::Draw()
{
    if (!m_bBuilt)
        return;
    glPushMatrix();
    glTranslatef(m_vPosition.x, m_vPosition.y, m_vPosition.z);
    SetMaterial(m_Color[0], m_Color[1], m_Color[2], m_Color[3]);
    glCallList(m_nList);
    SetWhiteMaterial();
    glPopMatrix();
}

void CPawn::Interpolate(float t)
{
    const double u = t;
    m_vPosition.x = static_cast<float>(u * m_vEnd.x + (1 - u) * m_vStart.x);
    m_vPosition.y = static_cast<float>(u * m_vEnd.y + (1 - u) * m_vStart.y);
    m_vPosition.z = static_cast<float>(u * m_vEnd.z + (1 - u) * m_vStart.z);
}
