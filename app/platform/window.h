// The window, as the rest of the program sees it: GLUT's callbacks become
// calls of these hooks, with every press, key and movement as an input
// event in the window's own pixels. This is the program's only use of GLUT.
#pragma once

#include <functional>

#include "input_event.h"

struct WindowHooks {
    std::function<void(const InputEvent&)> input;
    std::function<void()> idle;
    // The window needs its picture again (uncovered, resized).
    std::function<void()> expose;
    std::function<void(int, int)> reshape;
    // Every way out of the program calls it before the process ends.
    std::function<void()> finish;
};

// Opens the game's drawing surface, full screen when asked and possible,
// and hands every callback to the hooks; the dialogue on the console is
// over by then.
void OpenWindow(int& argc, char** argv, bool fullScreen, WindowHooks hooks);
// Runs the window's loop; never returns.
[[noreturn]] void RunWindow();
// Reads the window's pending events into the hooks, and ends the program if
// a signal has come: every wait calls it.
void PumpWindowEvents();
// The window takes the whole screen, for a game set up in the window.
void EnterFullScreen();
// Shows the frame drawn into the back buffer.
void ShowDrawnFrame();
// Ends the program with `status`: the hooks' finish, then the screen given
// back.
[[noreturn]] void EndProgram(int status);
// Ends the program if a signal has come.
void EndIfSignalled();
