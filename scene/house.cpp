#include "house.h"

#include <GL/gl.h>

#include "texture_file.h"

CHouse g_House;

namespace {

struct Point {
    float x, y, z;
};

// Model coordinates: z is the height before the model is stood up.
constexpr Point kFoot[4] = {{-0.18234f, -0.181262f, -0.295429f},
                            {0.181297f, -0.181262f, -0.295429f},
                            {0.181297f, 0.182374f, -0.295429f},
                            {-0.18234f, 0.182374f, -0.295429f}};
constexpr Point kHead[4] = {{-0.273249f, -0.272171f, 0.068208f},
                            {0.272206f, -0.272171f, 0.068208f},
                            {0.272206f, 0.273283f, 0.068208f},
                            {-0.273249f, 0.273283f, 0.068208f}};
constexpr Point kEave[4] = {{-0.28508f, -0.288254f, 0.063279f},
                            {0.286245f, -0.288254f, 0.063279f},
                            {0.286245f, 0.289386f, 0.063279f},
                            {-0.28508f, 0.289386f, 0.063279f}};
constexpr Point kRidge[2] = {{0.286245f, 0.000525f, 0.220948f}, {-0.28508f, 0.000525f, 0.220948f}};
constexpr Point kGableTop = {-0.28508f, 0.000552f, 0.220948f};

struct Corner {
    Point p;
    float s, t;
    Point n;
};

// The model's normals are tabled pointing into the house; they are turned
// out here, so that the roof seen from above is lit like the board.
void Emit(const Corner& c)
{
    glNormal3f(-c.n.x, -c.n.y, -c.n.z);
    glTexCoord2f(c.s, c.t);
    glVertex3f(c.p.x, c.p.y, c.p.z);
}

void Wall(int a, int b, float s, float t, Point n)
{
    Emit({kFoot[a], 0, 0, n});
    Emit({kFoot[b], s, 0, n});
    Emit({kHead[b], s, t, n});
    Emit({kHead[a], 0, t, n});
}

void Model()
{
    const Point r1n = {0, 0.179088f, -0.983833f};
    const Point r2n = {0, -0.17897f, -0.983855f};
    glBegin(GL_QUADS);
    Wall(0, 1, 0.1f, 0.1f, {0, 0.970143f, 0.242536f});
    Wall(1, 2, 0.5f, 1, {-0.970143f, 0, 0.242536f});
    Wall(2, 3, 0.1f, 0.1f, {0, -0.970143f, 0.242536f});
    Wall(3, 0, 0.5f, 1, {0.970143f, 0, 0.242536f});
    const Point roof1 = {0, 0.479211f, -0.8777f};
    Emit({kEave[0], 0.5f, 0, roof1});
    Emit({kEave[1], 1, 0, roof1});
    Emit({kRidge[0], 1, 1, r1n});
    Emit({kRidge[1], 0.5f, 1, r2n});
    const Point roof2 = {0, -0.479106f, -0.877757f};
    Emit({kEave[3], 0.5f, 1, roof2});
    Emit({kEave[2], 1, 1, roof2});
    Emit({kRidge[0], 1, 0, r1n});
    Emit({kRidge[1], 0.5f, 0, r2n});
    glEnd();
    glBegin(GL_TRIANGLES);
    Emit({kGableTop, 0, 0, {1, 0, 0}});
    Emit({kEave[3], 0.1f, 0, {1, 0, 0}});
    Emit({kEave[0], 0.1f, 0.1f, {1, 0, 0}});
    Emit({kEave[2], 0, 0, {-1, 0, 0}});
    Emit({kEave[1], 0.1f, 0, {-1, 0, 0}});
    Emit({kRidge[0], 0.1f, 0.1f, {-1, 0, 0}});
    glEnd();
}

}  // namespace

void CHouse::Build()
{
    m_bBuilt = true;
    m_nList = glGenLists(1);
    LoadOrReport(m_nTexture, "textures\\maison.tga", "maison.tga");
    glNewList(m_nList, GL_COMPILE);
    glPushMatrix();
    glTranslatef(0.3f, 0.3f, -0.2f);
    glRotatef(-90, 1, 0, 0);
    glRotatef(90, 0, 0, 1);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    Model();
    glPopMatrix();
    glEndList();
}

void CHouse::Draw()
{
    glCallList(m_nList);
}
