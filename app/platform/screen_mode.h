// Opens the game's 800 x 600 drawing surface: the 16-bit full screen when
// the display can switch to it, otherwise a window covering the desktop, so
// that the game always has somewhere to draw.
#pragma once

struct Screen {
    bool fullScreen;
    int window;  // the GLUT window when not full screen
};

// Call after glutInit and glutInitDisplayMode.
Screen OpenScreen(bool wantFullScreen);

// Leaves the full screen or destroys the window.
void CloseScreen(const Screen& screen);
