#include <GL/freeglut.h>

#include <cstdlib>

#include "display.h"
#include "end_screen.h"
#include "globals.h"
#include "input.h"
#include "options_screen.h"
#include "pace_input.h"
#include "program_end.h"

namespace {

constexpr unsigned char kEscape = 27;
// The tour's view: straight down on a point 1 across and 2 into the
// square, 5 above the board.
const CQuaternion kTourOrientation(0, -0.7132440f, -0.7009030f, 0);
constexpr float kTourSeconds = 1.5f;
constexpr float kTourHeight = 5.0f;

void TourNextSquare()
{
    const int square = g_nTourSquare;
    g_nTourSquare = (g_nTourSquare + 1) % kSquareCount;
    CVector position = g_App.board.RestingPoint(square, CVector(1.0f, 0, 2.0f));
    position.y = kTourHeight;
    FlyCamera(position, kTourOrientation, kTourSeconds);
    g_Camera.m_Angles.x = g_App.board.m_Squares[square].m_fAngle - 180;
    g_Camera.UpdateUp();
}

}  // namespace

void OnKeyboard(unsigned char key, int, int)
{
    if (g_Pace.Waiting()) {
        OnKeyWhileWaiting(key);
        return;
    }
    if (ScreenTakesKey(key))
        return;
    g_App.m_cLastKey = static_cast<char>(key);
    OnSpeedKey(key);
    DismissEndScreen();
    switch (key) {
    case kEscape:
        EndProgram(EXIT_SUCCESS);
    case 'f':
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        break;
    case 'l':
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        break;
    case 't':
        g_bPanMode = !g_bPanMode;
        break;
    case 'i':
        TourNextSquare();
        break;
    default:
        break;
    }
    OnDisplay();
}
