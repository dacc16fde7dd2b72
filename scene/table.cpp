#include "table.h"

#include <GL/gl.h>

#include <cmath>

#include "material.h"
#include "texture_file.h"

namespace {

// The table reaches past the far plane in every direction the camera can
// look from.
constexpr float kTableReach = 160;
constexpr float kTableCell = 16;
// Board units per repeat of the wood picture.
constexpr float kWoodRepeat = 8;
// The backdrop: a dim wall above, lighter towards the horizon.
constexpr float kBackdropTop[3] = {0.16f, 0.18f, 0.24f};
constexpr float kBackdropHorizon[3] = {0.42f, 0.44f, 0.50f};

void DrawBackdrop()
{
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    // On the far plane: it fills only what nothing else has covered.
    glDepthFunc(GL_LEQUAL);
    glBegin(GL_QUADS);
    glColor3fv(kBackdropHorizon);
    glVertex3f(-1, -1, 1);
    glVertex3f(1, -1, 1);
    glColor3fv(kBackdropTop);
    glVertex3f(1, 1, 1);
    glVertex3f(-1, 1, 1);
    glEnd();
    glDepthFunc(GL_LESS);
    glEnable(GL_LIGHTING);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

// One face of the plate: four corners given counter-clockwise from outside.
void PlateFace(float nx, float ny, float nz, const float (&corners)[4][3])
{
    glNormal3f(nx, ny, nz);
    for (const auto& c : corners)
        glVertex3fv(c);
}

// A rectangle of the table top, cut into cells small enough for the lights
// to vary across it.
void TableArea(float x0, float z0, float x1, float z1)
{
    const int columns = static_cast<int>(std::ceil((x1 - x0) / kTableCell));
    const int rows = static_cast<int>(std::ceil((z1 - z0) / kTableCell));
    const float w = (x1 - x0) / columns, d = (z1 - z0) / rows;
    glNormal3f(0, 1, 0);
    for (int row = 0; row < rows; ++row) {
        const float z = z0 + row * d;
        glBegin(GL_QUAD_STRIP);
        for (int col = 0; col <= columns; ++col) {
            const float x = x0 + col * w;
            glTexCoord2f(x / kWoodRepeat, (z + d) / kWoodRepeat);
            glVertex3f(x, kTableHeight, z + d);
            glTexCoord2f(x / kWoodRepeat, z / kWoodRepeat);
            glVertex3f(x, kTableHeight, z);
        }
        glEnd();
    }
}

}  // namespace

void CTable::Build()
{
    LoadSmoothOrReport(m_nWoodTex, "textures\\table.tga", "textures\\table.tga");
    m_nList = glGenLists(1);
    glNewList(m_nList, GL_COMPILE);
    glDisable(GL_BLEND);
    CompileTableTop();
    CompilePlate();
    SetWhiteMaterial();
    glEndList();
}

// The table around the plate only: what lies under the board would never
// show, yet would cost its whole area in every frame.
void CTable::CompileTableTop() const
{
    const float r = kTableReach, e = kPlateEdge;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_nWoodTex);
    SetWhiteMaterial();
    TableArea(-r, -r, r, -e);
    TableArea(-r, e, r, r);
    TableArea(-r, -e, -e, e);
    TableArea(e, -e, r, e);
    glDisable(GL_TEXTURE_2D);
}

// The plate's top shows only as the rim around the squares.
void CTable::CompilePlate() const
{
    const float e = kPlateEdge, s = 12, top = kPlateTop, foot = kTableHeight;
    SetMaterial(kPlateColour[0], kPlateColour[1], kPlateColour[2], 1);
    glBegin(GL_QUADS);
    PlateFace(0, 1, 0, {{-e, top, -s}, {-e, top, -e}, {e, top, -e}, {e, top, -s}});
    PlateFace(0, 1, 0, {{-e, top, e}, {-e, top, s}, {e, top, s}, {e, top, e}});
    PlateFace(0, 1, 0, {{-e, top, s}, {-e, top, -s}, {-s, top, -s}, {-s, top, s}});
    PlateFace(0, 1, 0, {{s, top, s}, {s, top, -s}, {e, top, -s}, {e, top, s}});
    PlateFace(0, 0, 1, {{-e, foot, e}, {e, foot, e}, {e, top, e}, {-e, top, e}});
    PlateFace(0, 0, -1, {{e, foot, -e}, {-e, foot, -e}, {-e, top, -e}, {e, top, -e}});
    PlateFace(1, 0, 0, {{e, foot, e}, {e, foot, -e}, {e, top, -e}, {e, top, e}});
    PlateFace(-1, 0, 0, {{-e, foot, -e}, {-e, foot, e}, {-e, top, e}, {-e, top, -e}});
    glEnd();
}

// Last of the board, the plate and the table cost only what shows of them:
// the squares in front already hold the depth of most of the view.
void CTable::Draw() const
{
    glCallList(m_nList);
    DrawBackdrop();
}
