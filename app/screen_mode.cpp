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
    return OpenWindow();
}

void CloseScreen(const Screen& screen)
{
    if (screen.fullScreen)
        glutLeaveGameMode();
    else
        glutDestroyWindow(screen.window);
}
