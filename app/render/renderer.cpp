#include "renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "guidance.h"
#include "panel_layout.h"
#include "overlays.h"
#include "viewport.h"

void InitGL()
{
    glClearColor(0, 0, 0, 0);
    glClearDepth(1.0);
    glDepthFunc(GL_LESS);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
}

void CRenderer::Build()
{
    InitGL();
    m_P.panel.SetGame(&m_P.game);
    m_P.panel.SetFallen(&m_P.table.fallenSeats);
    m_P.panel.Build();
    m_P.icons.Build();
    m_P.text = m_P.panel.m_Font;
}

void CRenderer::DrawPaneFrame()
{
    SetLayoutViewport(m_P.fit, 0, 0, 800, 600);
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

void SetStripView(CCamera& camera)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, 5.0, 1, 128);
    camera.LookAt(CVector(0, 0, 5), CVector(0, 0, 0), CVector(0, 1, 0));
}

void SetPanelView(CCamera& camera)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, 400.0 / 600.0, 1, 128);
    camera.LookAt(CVector(0, 0, 40), CVector(0, 0, 0), CVector(0, 1, 0));
}

void CRenderer::DrawOverlays(const HeldLine* message)
{
    const CGame& game = m_P.game;
    // A pending question stays on screen between its reminders; a held
    // message takes its place.
    if (message) {
        if (message->withAnswerWords)
            DrawAnswerWords(m_P.text);
        DrawMessageLines(m_P.text, message->text);
    } else if (game.inputMode == kYesNo) {
        DrawAnswerWords(m_P.text);
        DrawMessageLines(m_P.text, game.message);
    }
    if (game.inputMode == kPricedOffer)
        DrawOfferBox(m_P.text, game, m_P.table.Offer());
    DrawNotice(m_P.text, m_P.speed.Notice());
    DrawGuidance(m_P.text, game);
    DrawTooltip(m_P.text, m_P.hover, game, m_P.clock.Milliseconds());
    // Text leaves lighting off; the dice and icons drawn next need it.
    glEnable(GL_LIGHTING);
}

void CRenderer::DrawBoardView(const HeldLine* message)
{
    EnterBoardView();
    m_P.table.board.Draw();
    glDisable(GL_BLEND);
    for (CPawn& pawn : m_P.table.pawns)
        pawn.Draw();
    DrawOverlays(message);
}

void CRenderer::DrawLowerStrip()
{
    SetLayoutViewport(m_P.fit, 0, 0, 500, 100);
    SetLayoutScissor(m_P.fit, 0, 0, 500, 100);
    SetStripView(m_P.camera);
    m_P.table.dice.Draw();
    m_P.icons.Draw();
}

void CRenderer::DrawRightPanel()
{
    SetLayoutViewport(m_P.fit, 500, 0, 500, 600);
    SetLayoutScissor(m_P.fit, 500, 0, 500, 600);
    SetPanelView(m_P.camera);
    CDeedCard& card = m_P.table.deedCard;
    card.Place(PlaceDeedCard(m_P.game.playerCount));
    card.Draw();
    m_P.panel.Draw();
    m_P.panel.DrawCaption(card.Square());
}

void CRenderer::EnterBoardView()
{
    SetLayoutViewport(m_P.fit, 0, 50, 500, 600);
    SetLayoutScissor(m_P.fit, 0, 100, 500, 600);
    m_P.camera.SetProjection(500, 600, true);
}

void CRenderer::DrawScene(const HeldLine* message)
{
    glPolygonMode(GL_FRONT_AND_BACK, m_bWireframe ? GL_LINE : GL_FILL);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawPaneFrame();
    glEnable(GL_SCISSOR_TEST);
    SetupLights();
    DrawBoardView(message);
    DrawLowerStrip();
    DrawRightPanel();
}

void CRenderer::FinishFrame()
{
    glEnable(GL_LIGHTING);
    m_P.camera.SetProjection(300, 600, false);
    glDisable(GL_SCISSOR_TEST);
}

bool CRenderer::TooltipChanges(uint32_t now)
{
    const char* tip = m_P.hover.Shown(now);
    const bool changes = tip != m_pTooltipShown;
    m_pTooltipShown = tip;
    return changes;
}
