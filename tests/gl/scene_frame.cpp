#include "scene_frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "renderer.h"

namespace {

// Loads the pane's viewport; the caller loads its projection.
WindowPixel Project(const CVector& p, GLint left, GLint bottom, GLint width, GLint height)
{
    glViewport(left, bottom, width, height);
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble x = 0;
    GLdouble y = 0;
    GLdouble z = 0;
    gluProject(p.x, p.y, p.z, model, projection, viewport, &x, &y, &z);
    return {int(std::floor(x)), int(std::floor(y))};
}

}  // namespace

CApp& TheApp()
{
    static CApp* app = [] {
        GameOptions options;
        options.speed = Speed::kInstant;
        CApp* made = new CApp(options);
        made->Game().playerCount = 2;
        made->Game().NewGame();
        made->Start(false);
        return made;
    }();
    return *app;
}

void ViewFromAbove()
{
    CCamera& camera = TheApp().Camera();
    camera.m_qFrom = OverviewOrientation;
    camera.m_qTo = OverviewOrientation;
    camera.m_vFrom = OverviewPosition;
    camera.m_vTo = OverviewPosition;
    camera.m_bUseMatrix = true;
    camera.Fly(1);
    camera.EndFlight();
    camera.UpdateUp();
}

WindowPixel OnBoard(const CVector& world)
{
    TheApp().Camera().SetProjection(500, 600, true);
    return Project(world, 0, 50, 500, 600);
}

WindowPixel InStrip(const CVector& point)
{
    SetStripView(TheApp().Camera());
    return Project(point, 0, 0, 500, 100);
}

WindowPixel InPanel(const CVector& point)
{
    SetPanelView(TheApp().Camera());
    return Project(point, 500, 0, 500, 600);
}

CVector SquarePoint(int square, float x, float y, float z)
{
    // Square j of a side starts 2j - 11 along it (a corner at -12), its outer
    // edge at -12. Sides 0 to 3 run along +x at z = -12, +z at x = 12, -x at
    // z = 12 and -z at x = -12.
    const int j = square % 10;
    const float along = (j == 0 ? -12.0f : 2.0f * j - 11) + x;
    const float across = -12 + z;
    const CVector onSide[] = {CVector(along, y, across), CVector(-across, y, along),
                              CVector(-along, y, -across), CVector(across, y, -along)};
    return onSide[square / 10];
}
