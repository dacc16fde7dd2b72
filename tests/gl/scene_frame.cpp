#include "scene_frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "angles.h"
#include "bourgade3d.h"
#include "display.h"

CTestScene& CTestScene::Get()
{
    static CTestScene scene;
    return scene;
}

void CTestScene::Build(int players)
{
    m_Game.playerCount = players;
    for (int i = 0; i < kPlayerSlots; ++i) {
        std::snprintf(m_Game.players[i].name, kNameSize, "Joueur %d", i + 1);
        m_Game.players[i].color = i;
    }
    m_Game.NewGame();
    m_Board.SetGame(&m_Game);
    m_Board.SetPawns(m_Pawns);
    m_Board.Build();
    m_Dice.Build();
    for (int k = 0; k < kPawnCount; ++k) {
        // The program's own pawns took the first numbers of the counter.
        m_Pawns[k].m_nNumber = k;
        m_Pawns[k].m_vOffset = InSquareOffset(k);
    }
    for (int k = 0; k < players; ++k)
        m_Pawns[k].Build();
    m_Card.Build();
    m_Panel.SetGame(&m_Game);
    m_Panel.Build();
    m_Icons.Build();
}

void CTestScene::ViewFromAbove()
{
    m_Camera.m_qFrom = OverviewOrientation;
    m_Camera.m_qTo = OverviewOrientation;
    m_Camera.m_vFrom = OverviewPosition;
    m_Camera.m_vTo = OverviewPosition;
    m_Camera.m_bUseMatrix = true;
    m_Camera.Fly(1);
    m_Camera.EndFlight();
    m_Camera.UpdateUp();
}

void CTestScene::ViewFromAngle(float azimuth, float elevation, float distance,
                               const CVector& target)
{
    m_Camera.m_vTarget = target;
    m_Camera.m_fDistance = distance;
    m_Camera.m_Angles = CVector2(azimuth, elevation);
    m_Camera.Orbit(m_Camera.m_Angles);
}

void CTestScene::SetBoardView()
{
    glViewport(0, 50, 500, 600);
    glScissor(0, 100, 500, 600);
    m_Camera.SetProjection(500, 600, true);
}

void CTestScene::SetStripView()
{
    glViewport(0, 0, 500, 100);
    glScissor(0, 0, 500, 100);
    ::SetStripView(500, 100);
}

void CTestScene::SetPanelView()
{
    glViewport(500, 0, 500, 600);
    glScissor(500, 0, 500, 600);
    ::SetPanelView(400, 600);
}

void CTestScene::DrawFrame()
{
    // The game sets this state once at start; the test fixture resets it.
    InitGL();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawPaneFrame();
    glEnable(GL_SCISSOR_TEST);
    SetupLights();
    SetBoardView();
    m_Board.Draw();
    glDisable(GL_BLEND);
    for (CPawn& pawn : m_Pawns)
        pawn.Draw();
    SetStripView();
    m_Dice.Draw();
    m_Icons.Draw();
    SetPanelView();
    m_Card.Place(PlaceDeedCard(m_Game.playerCount));
    m_Card.Draw();
    m_Panel.Draw();
    m_Panel.DrawCaption(m_Card.Square());
    glDisable(GL_SCISSOR_TEST);
    glFinish();
}

WindowPixel CTestScene::Project(const CVector& p)
{
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble x = 0, y = 0, z = 0;
    gluProject(p.x, p.y, p.z, model, projection, viewport, &x, &y, &z);
    return {int(std::floor(x)), int(std::floor(y))};
}

WindowPixel CTestScene::OnBoard(const CVector& world)
{
    SetBoardView();
    return Project(world);
}

WindowPixel CTestScene::InStrip(const CVector& point)
{
    SetStripView();
    return Project(point);
}

WindowPixel CTestScene::InPanel(const CVector& point)
{
    SetPanelView();
    return Project(point);
}

CVector CTestScene::SquarePoint(int square, float x, float y, float z) const
{
    // In its side's frame a square starts at 2j - 11 along the side (a
    // corner at -12) and its outer edge lies at -12. Side 0 runs along +x
    // on the z = -12 edge, side 1 along +z on x = 12, side 2 along -x on
    // z = 12, side 3 along -z on x = -12.
    const int side = square / 10, j = square % 10;
    const float along = (j == 0 ? -12.0f : 2.0f * j - 11) + x;
    const float across = -12 + z;
    switch (side) {
    case 0:
        return CVector(along, y, across);
    case 1:
        return CVector(-across, y, along);
    case 2:
        return CVector(-along, y, -across);
    default:
        return CVector(across, y, -along);
    }
}

std::ostream& operator<<(std::ostream& out, const Colour& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Colour ReadColour(WindowPixel p)
{
    unsigned char c[4] = {};
    glReadPixels(p.x, p.y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, c);
    return {c[0] / 255.0f, c[1] / 255.0f, c[2] / 255.0f};
}

bool LitAs(const Colour& seen, const Colour& expected, float minStrength, float tolerance)
{
    for (int step = int(minStrength * 100); step <= 300; ++step) {
        const float k = step / 100.0f;
        const bool close = std::fabs(seen.r - std::min(1.0f, expected.r * k)) <= tolerance &&
                           std::fabs(seen.g - std::min(1.0f, expected.g * k)) <= tolerance &&
                           std::fabs(seen.b - std::min(1.0f, expected.b * k)) <= tolerance;
        if (close)
            return true;
    }
    return false;
}
