// Drawing one frame: the board view, the lower strip with the dice and
// icons, and the right-hand panel with the deed card and the players. The
// renderer only reads the state it draws.
#pragma once

#include <cstdint>

#include "bourgade3d.h"
#include "camera.h"
#include "clock.h"
#include "game.h"
#include "gl_text.h"
#include "icon_bar.h"
#include "layout_fit.h"
#include "pending_question.h"
#include "speed_control.h"
#include "status_panel.h"
#include "tooltips.h"

// Everything a frame shows; the application owns it all.
struct SceneParts {
    const CGame& game;
    CBourgade3D& table;
    CCamera& camera;
    CStatusPanel& panel;
    CIconBar& icons;
    glText& text;
    const CLayoutFit& fit;
    const CHover& hover;
    const CSpeedControl& speed;
    CClock& clock;
};

class CRenderer {
public:
    explicit CRenderer(SceneParts parts) : m_P(parts) {}

    // The fixed OpenGL state and the panel's objects, once the window exists.
    void Build();
    void SetWireframe(bool wireframe) { m_bWireframe = wireframe; }

    // Draws the whole frame into the back buffer. A frame that holds a
    // message shows it in place of the pending question.
    void DrawScene(const HeldLine* message);
    // The board view's viewport and scissor, for a screen drawn over it.
    void EnterBoardView();
    // Leaves the camera's view loaded once the frame is drawn: a flight
    // starts from it.
    void FinishFrame();

    // Whether the tooltip shown changes at `now`, so that a resting game
    // draws the frame that shows it.
    bool TooltipChanges(uint32_t now);

    glText& Text() { return m_P.text; }

private:
    void DrawPaneFrame();
    void DrawBoardView(const HeldLine* message);
    void DrawLowerStrip();
    void DrawRightPanel();
    void DrawOverlays(const HeldLine* message);

    SceneParts m_P;
    bool m_bWireframe = false;
    const char* m_pTooltipShown = nullptr;
};

// The fixed OpenGL state, once the window exists.
void InitGL();
// The two lights of the board and the panels.
void SetupLights();
// The strip's and the panel's projections and views.
void SetStripView(CCamera& camera);
void SetPanelView(CCamera& camera);
