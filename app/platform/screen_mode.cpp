#include "screen_mode.h"

#include <GL/freeglut.h>

#include <cstdio>

namespace {

const char kTitle[] = "Bourgade3D...Korvo '00";

Screen OpenWindow()
{
    glutInitWindowSize(800, 600);
    glutInitWindowPosition(100, 100);
    return {false, glutCreateWindow(kTitle)};
}

// Made at the desktop's size and place first: without a window manager to
// honour it, glutFullScreen alone leaves the window where it was made.
Screen OpenDesktopWindow()
{
    glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    glutInitWindowPosition(0, 0);
    const Screen screen = {false, glutCreateWindow(kTitle)};
    glutFullScreen();
    return screen;
}

}  // namespace

Screen OpenScreen(bool wantFullScreen)
{
    if (!wantFullScreen)
        return OpenWindow();
    glutGameModeString("800x600:16");
    if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE)) {
        glutEnterGameMode();
        if (glutGameModeGet(GLUT_GAME_MODE_ACTIVE) &&
            glutGameModeGet(GLUT_GAME_MODE_WIDTH) == 800 &&
            glutGameModeGet(GLUT_GAME_MODE_HEIGHT) == 600)
            return {true, 0};
        glutLeaveGameMode();
    }
    std::printf("\nLe mode plein ecran 800x600 n'est pas disponible sur cet ecran : "
                "le jeu s'ouvre dans une fenetre.\n");
    std::fflush(stdout);
    // The player asked for the whole screen: a window covering it at the
    // desktop's own resolution, the layout scaled up inside it.
    return OpenDesktopWindow();
}

void CloseScreen(const Screen& screen)
{
    if (screen.fullScreen)
        glutLeaveGameMode();
    else
        glutDestroyWindow(screen.window);
}
