#include "program_end.h"

#include <GL/freeglut.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "end_signals.h"
#include "screen_mode.h"
#include "window.h"
#include "x_connection.h"

namespace {

volatile std::sig_atomic_t s_nSignal = 0;
Screen s_Screen{};
void (*s_Finish)() = nullptr;

void OnSignal(int signal)
{
    s_nSignal = signal;
}

// What every way out does before the process ends: the game is saved, and
// the log, the game's record, has nothing left in a buffer.
void Finish()
{
    s_Finish();
    std::fflush(nullptr);
}

// The window is already gone: nothing may be asked of the display. Static
// destructors would release OpenGL objects of a dead context, so the
// process ends without them.
[[noreturn]] void EndWithoutScreen(int status)
{
    Finish();
    std::_Exit(status);
}

void OnWindowClosed()
{
    EndWithoutScreen(EXIT_SUCCESS);
}

// Destroying the window calls its close callback: the program's own close
// must not end the process before its status is chosen.
void CloseOwnScreen()
{
    glutCloseFunc(nullptr);
    CloseScreen(s_Screen);
}

void OnConnectionLost()
{
    EndWithoutScreen(EXIT_FAILURE);
}

}  // namespace

void InstallEndHandlers(const Screen& screen, void (*finish)())
{
    s_Screen = screen;
    s_Finish = finish;
    CatchEndSignals(OnSignal);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutCloseFunc(OnWindowClosed);
    InstallXErrorHandlers(OnWindowClosed, OnConnectionLost);
}

void EndIfSignalled()
{
    const int signal = s_nSignal;
    if (signal == 0)
        return;
    Finish();
    CloseOwnScreen();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}

void EndProgram(int status)
{
    Finish();
    CloseOwnScreen();
    std::_Exit(status);
}
