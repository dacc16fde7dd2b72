#include "square_lists.h"

#include <GL/gl.h>

uint32_t SquareLists[kSquareListCount];

namespace {

struct QuadCorner {
    float x, y, z, s, t;
};

struct ListQuad {
    float nx, ny, nz;
    QuadCorner corners[4];
};

constexpr float kEdgeHeight = 1.0f / 3.0f;

// Pictures are drawn so that s = 1 at x = 0 and t = 0 at the outer edge.
const ListQuad kQuads[kSquareListCount] = {
    {0, 1, 0, {{0, 0, 0, 1, 0}, {0, 0, 2.35f, 1, 1}, {2, 0, 2.35f, 0, 1}, {2, 0, 0, 0, 0}}},
    {0, 1, 0, {{0, 0, 2.35f, 0, 0}, {0, 0, 3, 0, 1}, {2, 0, 3, 1, 1}, {2, 0, 2.35f, 1, 0}}},
    // The strip's normal runs along it: lit as the board always was.
    {1, 0, 0,
     {{0, 0, 3, 1, 0}, {0, kEdgeHeight, 3, 1, 1}, {2, kEdgeHeight, 3, 0, 1}, {2, 0, 3, 0, 0}}},
    {0, 1, 0, {{0, 0, 0, 1, 0}, {0, 0, 3, 1, 1}, {3, 0, 3, 0, 1}, {3, 0, 0, 0, 0}}},
    {0, 1, 0, {{0, 0, 0, 1, 0}, {0, 0, 3, 1, 1}, {2, 0, 3, 0, 1}, {2, 0, 0, 0, 0}}},
    {0, 1, 0,
     {{0.5f, 0.4f, 3, 0, 0}, {0.5f, 0.4f, 3.5f, 0, 1}, {1.5f, 0.4f, 3.5f, 1, 1},
      {1.5f, 0.4f, 3, 1, 0}}},
};

void CompileQuad(uint32_t list, const ListQuad& q)
{
    glNewList(list, GL_COMPILE);
    glBegin(GL_QUADS);
    glNormal3f(q.nx, q.ny, q.nz);
    for (const QuadCorner& c : q.corners) {
        glTexCoord2f(c.s, c.t);
        glVertex3f(c.x, c.y, c.z);
    }
    glEnd();
    glEndList();
}

}  // namespace

void BuildSquareLists()
{
    for (int i = 0; i < kSquareListCount; ++i) {
        SquareLists[i] = glGenLists(1);
        CompileQuad(SquareLists[i], kQuads[i]);
    }
}
