// A whole scene for the tests, drawn into the 800 x 600 layout the way the
// game's frame draws it: the board view (0, 50, 500, 600) seen by the camera,
// the lower strip (0, 0, 500, 100) with the dice and the icons, and the
// right-hand panel (500, 0, 500, 600) with the deed card and the players.
#pragma once

#include <ostream>

#include "board.h"
#include "camera.h"
#include "deed_card.h"
#include "dice.h"
#include "game.h"
#include "icon_bar.h"
#include "pawn.h"
#include "random.h"
#include "status_panel.h"

// Where a point lands in the window, in pixels from the bottom left.
struct WindowPixel {
    int x, y;
};

struct Colour {
    float r, g, b;
};

std::ostream& operator<<(std::ostream& out, const Colour& c);

class CTestScene {
public:
    CNullFrame m_Frame;
    CSeededRandom m_Random{1};
    CGame m_Game{m_Frame, m_Random};
    CBoard m_Board;
    CDice m_Dice;
    CPawn m_Pawns[kPawnCount];
    CDeedCard m_Card;
    CStatusPanel m_Panel;
    CIconBar m_Icons;
    CCamera m_Camera;

    // The one scene of a test program, built on first use with the given
    // number of players (the lists live as long as the context).
    static CTestScene& Get();

    void Build(int players);
    // The camera straight above the board's centre, as after the flight
    // to the overview.
    void ViewFromAbove();
    // The camera turned about a point of the board.
    void ViewFromAngle(float azimuth, float elevation, float distance,
                       const CVector& target = CVector(0, 0, 0));

    void DrawFrame();

    WindowPixel OnBoard(const CVector& world);
    WindowPixel InStrip(const CVector& point);
    WindowPixel InPanel(const CVector& point);
    // A point of the board in a square's own frame.
    CVector SquarePoint(int square, float x, float y, float z) const;

private:
    void SetBoardView();
    void SetStripView();
    void SetPanelView();
    WindowPixel Project(const CVector& p);
};

Colour ReadColour(WindowPixel p);
// Whether `seen` is `expected` under white light of some strength from
// minStrength up (with the channels clipped at 1), within tolerance on
// every channel.
bool LitAs(const Colour& seen, const Colour& expected, float minStrength = 0.1f,
           float tolerance = 0.06f);
