#include "display.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "globals.h"
#include "options_screen.h"
#include "overlays.h"
#include "viewport.h"
#include "visible_state.h"

void InitGL()
{
    glClearColor(0, 0, 0, 0);
    glClearDepth(1.0);
    glDepthFunc(GL_LESS);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
}

void DrawPaneFrame()
{
    SetLayoutViewport(0, 0, 800, 600);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, 800, 0, 600);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glColor3ub(255, 255, 255);
    glBegin(GL_LINES);
    glVertex2i(500, 0);
    glVertex2i(500, 600);
    glVertex2i(0, 100);
    glVertex2i(500, 100);
    glEnd();
    glEnable(GL_LIGHTING);
}

void SetupLights()
{
    const GLfloat position0[] = {-12, 2, -12, 1};
    const GLfloat white[] = {1, 1, 1, 1};
    const GLfloat position1[] = {0, 0, 0, 0};
    const GLfloat ambient1[] = {0.4f, 0.4f, 0.4f, 1};
    const GLfloat specular1[] = {0.5f, 0.5f, 0.5f, 1};
    glEnable(GL_LIGHTING);
    glLightfv(GL_LIGHT0, GL_POSITION, position0);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT1, GL_POSITION, position1);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient1);
    glLightfv(GL_LIGHT1, GL_SPECULAR, specular1);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
    glEnable(GL_LIGHT1);
}

namespace {

void SetSideView(int width, int height, float eyeDistance)
{
    const float aspect = static_cast<float>(width) / height;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, aspect, 1, 128);
    g_Camera.LookAt(CVector(0, 0, eyeDistance), CVector(0, 0, 0), CVector(0, 1, 0));
}

void DrawBoardView(bool withQuestion)
{
    SetLayoutViewport(0, 50, 500, 600);
    SetLayoutScissor(0, 100, 500, 600);
    g_Camera.SetProjection(500, 600, true);
    g_App.board.Draw();
    glDisable(GL_BLEND);
    for (CPawn& pawn : g_App.pawns)
        pawn.Draw();
    DrawBoardOverlays(withQuestion);
}

void DrawLowerStrip()
{
    SetLayoutViewport(0, 0, 500, 100);
    SetLayoutScissor(0, 0, 500, 100);
    SetStripView(500, 100);
    g_App.dice.Draw();
    g_IconBar.Draw();
}

void DrawRightPanel()
{
    SetLayoutViewport(500, 0, 500, 600);
    SetLayoutScissor(500, 0, 500, 600);
    SetPanelView(400, 600);
    g_App.deedCard.Place(PlaceDeedCard(g_Game.playerCount));
    g_App.deedCard.Draw();
    g_StatusPanel.Draw();
    g_StatusPanel.DrawCaption(g_App.deedCard.Square());
}

}  // namespace

void SetStripView(int width, int height)
{
    SetSideView(width, height, 5);
}

void SetPanelView(int width, int height)
{
    SetSideView(width, height, 40);
}

void SetBoardView()
{
    SetLayoutViewport(0, 50, 500, 600);
    g_Camera.SetProjection(500, 600, true);
}

void DrawScene(bool withQuestion)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawPaneFrame();
    glEnable(GL_SCISSOR_TEST);
    SetupLights();
    DrawBoardView(withQuestion);
    DrawLowerStrip();
    DrawRightPanel();
    DrawOpenScreen();
    // Leaves the camera's view loaded: a flight starts from it.
    g_Camera.SetProjection(300, 600, false);
    glDisable(GL_SCISSOR_TEST);
}

void OnDisplay()
{
    DrawScene();
    ShowFrame();
}

void ShowFrame()
{
    glutSwapBuffers();
    g_Frames.Drawn(g_Clock.Milliseconds(), VisibleStateHash(g_Game));
}
