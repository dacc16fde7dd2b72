// What the mouse and the camera keys do to the view: a left drag over the
// board view turns the camera about its target or, in pan mode, slides it;
// a right drag or the wheel zooms.
#pragma once

#include "camera.h"
#include "mouse.h"

class CCameraControl {
public:
    explicit CCameraControl(CCamera& camera) : m_Camera(camera) {}

    void Press(int button, int x, int y);
    void Release();
    // True when the view moved.
    bool Drag(int x, int y);
    // A notch of the wheel; false for any other button.
    bool Wheel(int button);
    void TogglePan() { m_bPanMode = !m_bPanMode; }
    bool Panning() const { return m_bPanMode; }

private:
    void Turn(int x, int y);

    CCamera& m_Camera;
    // The position of the last button event, and during a drag the last
    // point that the drag used.
    CMouse m_Mouse{0, 0};
    CMouse m_Delta{0, 0};
    int m_nButton = -1;  // of the last press; -1 once released
    bool m_bPanMode = false;
    float m_fLastElevation = 0.0f;
};
