#include "window.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "program_end.h"
#include "screen_mode.h"
#include "x_connection.h"

namespace {

// GLUT passes no user data to its callbacks: this is the one way back to
// the program.
WindowHooks s_Hooks;

void Send(const InputEvent& event)
{
    if (s_Hooks.input)
        s_Hooks.input(event);
}

// An event at the pointer's window position.
InputEvent EventAt(InputKind kind, int x, int y)
{
    InputEvent event;
    event.kind = kind;
    event.x = x;
    event.y = y;
    return event;
}

void OnKeyboard(unsigned char key, int x, int y)
{
    InputEvent event = EventAt(InputKind::kKey, x, y);
    event.key = key;
    Send(event);
}

void OnSpecialKey(int key, int x, int y)
{
    InputEvent event = EventAt(InputKind::kSpecialKey, x, y);
    event.special = key;
    Send(event);
}

void OnMouse(int button, int state, int x, int y)
{
    InputEvent event = EventAt(state == GLUT_DOWN ? InputKind::kPress : InputKind::kRelease, x, y);
    event.button = button;
    Send(event);
}

void OnMotion(int x, int y)
{
    Send(EventAt(InputKind::kDrag, x, y));
}

void OnPassiveMotion(int x, int y)
{
    Send(EventAt(InputKind::kHover, x, y));
}

void OnIdle()
{
    s_Hooks.idle();
}

void OnDisplay()
{
    s_Hooks.expose();
}

void OnReshape(int width, int height)
{
    s_Hooks.reshape(width, height);
}

void FinishHooks()
{
    if (s_Hooks.finish)
        s_Hooks.finish();
}

}  // namespace

void OpenWindow(int& argc, char** argv, bool fullScreen, WindowHooks hooks)
{
    s_Hooks = std::move(hooks);
    CheckHeldDisplay();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_ALPHA | GLUT_DEPTH);
    const Screen screen = OpenScreen(fullScreen);
    ReleaseDisplay();
    InstallEndHandlers(screen, FinishHooks);
    glutIdleFunc(OnIdle);
    glutKeyboardFunc(OnKeyboard);
    glutMotionFunc(OnMotion);
    glutMouseFunc(OnMouse);
    glutReshapeFunc(OnReshape);
    glutPassiveMotionFunc(OnPassiveMotion);
    glutSpecialFunc(OnSpecialKey);
    glutDisplayFunc(OnDisplay);
}

void RunWindow()
{
    glutMainLoop();
    std::exit(EXIT_SUCCESS);
}

void PumpWindowEvents()
{
    glutMainLoopEvent();
    EndIfSignalled();
}

void EnterFullScreen()
{
    glutFullScreen();
}

void ShowDrawnFrame()
{
    glutSwapBuffers();
}
