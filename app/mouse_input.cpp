#include <GL/freeglut.h>

#include "display.h"
#include "end_screen.h"
#include "globals.h"
#include "input.h"
#include "options_screen.h"
#include "orbit_drag.h"
#include "viewport.h"
#include "pace_input.h"
#include "wheel_buttons.h"

namespace {

// Drags act only over the board view's visible area.
constexpr int kBoardViewEdge = 500;
constexpr int kWheelZoomSteps = 5;

void Turn(int x, int y)
{
    const OrbitAngles angles = DragOrbit({g_Camera.m_Angles.x, g_Camera.m_Angles.y},
                                         g_MouseDelta.m_nX, g_MouseDelta.m_nY, g_fLastElevation);
    g_Camera.m_Angles = CVector2(angles.azimuth, angles.elevation);
    g_Mouse = CMouse(x, y);
    g_Camera.Orbit(g_Camera.m_Angles);
}

// The wheel zooms; it is no click for the game.
bool Wheel(int button, int state)
{
    if (!IsWheelButton(button))
        return false;
    if (state == GLUT_DOWN) {
        g_Camera.Zoom(button == kWheelUp ? -kWheelZoomSteps : kWheelZoomSteps);
        OnDisplay();
    }
    return true;
}

}  // namespace

void OnMouse(int button, int state, int windowX, int windowY)
{
    if (g_Pace.Waiting()) {
        OnMouseWhileWaiting(button, state, windowX, windowY);
        return;
    }
    if (Wheel(button, state))
        return;
    const PixelPoint at = PointerInLayout(windowX, windowY);
    if (ScreenOpen()) {
        if (state == GLUT_DOWN)
            ScreenTakesPress(at.x, at.y);
        return;
    }
    g_Mouse = CMouse(at.x, at.y);
    if (state == GLUT_DOWN)
        g_MouseLatch.Press(at.x, at.y);
    else
        g_MouseLatch.Release(at.x, at.y);
    g_nMouseButton = state == GLUT_UP ? -1 : button;
    g_nMouseState = state;
    if (state == GLUT_DOWN)
        DismissEndScreen();
    OnIdle();
}

void OnMotion(int windowX, int windowY)
{
    // A movement under way drives the camera itself.
    if (g_Pace.Waiting())
        return;
    const PixelPoint at = PointerInLayout(windowX, windowY);
    const int x = at.x;
    const int y = at.y;
    if (x > kBoardViewEdge || y > kBoardViewEdge)
        return;
    g_MouseDelta = CMouse(g_Mouse.m_nX - x, y - g_Mouse.m_nY);
    if (g_nMouseButton == GLUT_LEFT_BUTTON && g_bPanMode) {
        g_Camera.Pan(g_MouseDelta);
    } else if (g_nMouseButton == GLUT_LEFT_BUTTON) {
        Turn(x, y);
    } else if (g_nMouseButton == GLUT_RIGHT_BUTTON) {
        g_Camera.Zoom(g_MouseDelta.m_nY);
        g_Mouse.m_nY = y;
    }
    OnDisplay();
}
