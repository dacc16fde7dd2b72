// Every way out of the running game ends it the same way: Escape, the
// window closed by its manager or destroyed from outside, SIGTERM, SIGINT,
// SIGHUP and a lost X connection. The console log is complete, the screen
// is given back, and the exit status says how the game ended: 0 for Escape
// or a closed window, the signal's own status for a signal.
#pragma once

#include "screen_mode.h"

// Installs the handlers of the signals, the window's close and X errors,
// for the screen just opened; `finish` runs on every way out. Call once the
// window is open: the dialogue before it ends as any console program does.
void InstallEndHandlers(const Screen& screen, void (*finish)());
