#include "hotel.h"

#include <GL/gl.h>

#include "texture_file.h"

CHotel g_Hotel;

namespace {

struct Point {
    float x, y, z;
};

// A square frustum in model coordinates, z being the height before the
// model is stood up: the wide top and the narrow foot.
constexpr float kTopZ = 0.79548f;
constexpr float kTopX[2] = {-0.300522f, 0.299478f};
constexpr float kTopY[2] = {-0.299444f, 0.300556f};
constexpr float kFootZ = -0.295429f;
constexpr float kFootX[2] = {-0.18234f, 0.181297f};
constexpr float kFootY[2] = {-0.181262f, 0.182374f};

// The texel of the house texture that colours the whole hotel: the hotel
// has no texture coordinates of its own.
constexpr float kHotelTexel = 0.25f;

Point Top(int i, int j)
{
    return {kTopX[i], kTopY[j], kTopZ};
}

Point Foot(int i, int j)
{
    return {kFootX[i], kFootY[j], kFootZ};
}

void Vertex(const Point& p)
{
    glVertex3f(p.x, p.y, p.z);
}

// Two triangles over the quad a, b, c, d. The normals are tabled pointing
// into the hotel and turned out here, as the house's are.
void Face(Point n, Point a, Point b, Point c, Point d)
{
    glNormal3f(-n.x, -n.y, -n.z);
    Vertex(a);
    Vertex(b);
    Vertex(c);
    Vertex(a);
    Vertex(c);
    Vertex(d);
}

void Model()
{
    glBegin(GL_TRIANGLES);
    Face({0, 0, -1}, Top(0, 0), Top(1, 0), Top(1, 1), Top(0, 1));
    Face({0, 0.994183f, 0.107703f}, Foot(0, 0), Foot(1, 0), Top(1, 0), Top(0, 0));
    Face({-0.994183f, 0, 0.107703f}, Foot(1, 0), Foot(1, 1), Top(1, 1), Top(1, 0));
    Face({0, -0.994183f, 0.107703f}, Foot(1, 1), Foot(0, 1), Top(0, 1), Top(1, 1));
    Face({0.994183f, 0, 0.107703f}, Foot(0, 1), Foot(0, 0), Top(0, 0), Top(0, 1));
    glEnd();
}

}  // namespace

void CHotel::Build()
{
    m_bBuilt = true;
    m_nList = glGenLists(1);
    LoadSceneTexture(m_nTexture, "textures\\maison.tga");
    glNewList(m_nList, GL_COMPILE);
    glPushMatrix();
    glTranslatef(1.1f, 0.3f, -0.2f);
    glRotatef(-90, 1, 0, 0);
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    glTexCoord2f(kHotelTexel, kHotelTexel);
    Model();
    glPopMatrix();
    glEndList();
}

void CHotel::Draw()
{
    glCallList(m_nList);
}
