#include "pace_input.h"

#include <GL/freeglut.h>

#include "brief_notice.h"
#include "globals.h"
#include "input.h"
#include "program_end.h"
#include "skip_input.h"
#include "viewport.h"
#include "wheel_buttons.h"

namespace {

// Kept in the window's own pixels, as GLUT reports it, to be handed back.
struct KeptPress {
    bool kept = false;
    int button = 0;
    int windowX = 0;
    int windowY = 0;
};

// One press and one key at most: what arrives during a wait never piles up
// into a row of steps afterwards.
KeptPress g_KeptPress;
unsigned char g_cKeptKey = 0;
// The release of a press used up by a skip is not the game's either.
bool g_bSwallowRelease = false;

CBriefNotice g_SpeedNotice;

void SetSpeed(Speed speed)
{
    g_Pace.SetSpeed(speed);
    g_SpeedNotice.Show(SpeedNoticeText(speed), g_Clock.Milliseconds());
    g_Frames.Changed();
    // The wait under way ends at once when there are to be no waits.
    if (g_Pace.CurrentSpeed() == Speed::kInstant)
        g_Pace.Skip();
}

// A press made before the wait may end during it: the rules must not see
// that button still down afterwards.
void RecordRelease(const PixelPoint& at)
{
    if (g_KeptPress.kept || g_bSwallowRelease) {
        g_bSwallowRelease = false;
        return;
    }
    g_Mouse = CMouse(at.x, at.y);
    g_MouseLatch.Release(at.x, at.y);
    g_nMouseButton = -1;
    g_nMouseState = GLUT_UP;
}

}  // namespace

void InstallEventPump()
{
    g_Pace.SetEventPump([] {
        glutMainLoopEvent();
        EndIfSignalled();
    });
}

// The wheel is left alone: a zoom now would wipe the message off the
// screen.
void OnMouseWhileWaiting(int button, int state, int windowX, int windowY)
{
    if (IsWheelButton(button))
        return;
    const PixelPoint at = PointerInLayout(windowX, windowY);
    if (state == GLUT_UP) {
        RecordRelease(at);
    } else if (PressWhileWaiting(at.x, at.y, g_Game.inputMode) == WaitingInput::kKeep) {
        g_KeptPress = {true, button, windowX, windowY};
    } else {
        g_Pace.Skip();
        g_bSwallowRelease = true;
    }
}

void OnKeyWhileWaiting(unsigned char key)
{
    switch (KeyWhileWaiting(key)) {
    case WaitingInput::kQuit:
        EndProgram(EXIT_SUCCESS);
    case WaitingInput::kSkip:
        g_Pace.Skip();
        break;
    case WaitingInput::kKeep:
        g_cKeptKey = key;
        break;
    default:
        OnSpeedKey(key);
        break;
    }
}

bool OnSpeedKey(unsigned char key)
{
    Speed next = Speed::kNormal;
    if (!SpeedAfterKey(key, g_Pace.ChosenSpeed(), next))
        return false;
    SetSpeed(next);
    return true;
}

const char* SpeedRowLabel()
{
    static std::string label;
    label = SpeedNoticeText(g_Pace.ChosenSpeed());
    return label.c_str();
}

void ChooseNextSpeed()
{
    SetSpeed(NextSpeedRound(g_Pace.ChosenSpeed()));
}

const char* FastComputersRowLabel()
{
    return g_Pace.FastComputers() ? "Ordinateur accéléré : oui" : "Ordinateur accéléré : non";
}

void ToggleFastComputers()
{
    g_Pace.SetFastComputers(!g_Pace.FastComputers());
}

void ReplayKeptInput()
{
    const KeptPress press = g_KeptPress;
    const unsigned char key = g_cKeptKey;
    g_KeptPress = {};
    g_cKeptKey = 0;
    if (press.kept) {
        OnMouse(press.button, GLUT_DOWN, press.windowX, press.windowY);
        OnMouse(press.button, GLUT_UP, press.windowX, press.windowY);
    }
    if (key != 0)
        OnKeyboard(key, 0, 0);
}

void DrawSpeedNotice()
{
    const std::string text = g_SpeedNotice.TextAt(g_Clock.Milliseconds());
    if (text.empty())
        return;
    glColor3f(1, 1, 0.6f);
    g_Text.Print(10, 440, text.c_str(), 0);
}

bool SpeedNoticeExpired(uint32_t now)
{
    return g_SpeedNotice.Expire(now);
}
