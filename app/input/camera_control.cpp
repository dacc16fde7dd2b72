#include "camera_control.h"

#include "input_event.h"
#include "orbit_drag.h"

namespace {

// Drags act only over the board view's visible area.
constexpr int kBoardViewEdge = 500;
constexpr int kWheelZoomSteps = 5;

}  // namespace

void CCameraControl::Press(int button, int x, int y)
{
    m_Mouse = CMouse(x, y);
    m_nButton = button;
}

void CCameraControl::Release()
{
    m_nButton = -1;
}

void CCameraControl::Turn(int x, int y)
{
    const OrbitAngles angles = DragOrbit({m_Camera.m_Angles.x, m_Camera.m_Angles.y}, m_Delta.m_nX,
                                         m_Delta.m_nY, m_fLastElevation);
    m_Camera.m_Angles = CVector2(angles.azimuth, angles.elevation);
    m_Mouse = CMouse(x, y);
    m_Camera.Orbit(m_Camera.m_Angles);
}

// Panning keeps the point where the button went down, so that every event
// pans by the whole distance from it; turning and zooming follow the
// pointer.
bool CCameraControl::Drag(int x, int y)
{
    if (x > kBoardViewEdge || y > kBoardViewEdge || m_nButton < 0)
        return false;
    m_Delta = CMouse(m_Mouse.m_nX - x, y - m_Mouse.m_nY);
    if (m_nButton == kLeftButton && m_bPanMode) {
        m_Camera.Pan(m_Delta);
    } else if (m_nButton == kLeftButton) {
        Turn(x, y);
    } else if (m_nButton == kRightButton) {
        m_Camera.Zoom(m_Delta.m_nY);
        m_Mouse.m_nY = y;
    } else {
        return false;
    }
    return true;
}

bool CCameraControl::Wheel(int button)
{
    if (!IsWheelButton(button))
        return false;
    m_Camera.Zoom(button == kWheelUp ? -kWheelZoomSteps : kWheelZoomSteps);
    return true;
}
